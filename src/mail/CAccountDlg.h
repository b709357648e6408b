#pragma once
#include "controls/SkinnedDialog.h"
#include "mail/MailAccount.h"

class MailStore;
class QCheckBox;
class QLineEdit;

// "Create New User Account" (dialog 187): edits one mail account, for a new account or
// for the properties of an existing one. OK checks the ports (integers 0 to 10000) and
// the name, and for a new account makes its directory and five folders; a refused check
// shows its message, gives the field the focus and keeps the dialog open.
class CAccountDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum class Mode { NewAccount, Properties };
    enum : int {
        IdUserName = 1006, IdMyPassword = 1007, IdSmtpServer = 1004, IdSmtpPort = 1016,
        IdPop3Server = 1005, IdPop3Port = 1015, IdPop3Account = 1001, IdPassword = 1002,
        IdSenderName = 1011, IdMailAddress = 1003, IdLeaveCopy = 1014, IdOk = 1, IdCancel = 2,
    };

    CAccountDlg(Mode mode, const MailAccount& account, MailStore& store, QWidget* parent = nullptr);

    // The account as entered (valid after OK).
    MailAccount account() const { return m_account; }
    Mode mode() const { return m_mode; }

    void accept() override;

private:
    QLineEdit* addEdit(int id);

    Mode m_mode;
    MailAccount m_account;
    MailStore& m_store;
    QLineEdit* m_userName = nullptr;
    QLineEdit* m_myPassword = nullptr;
    QLineEdit* m_smtpServer = nullptr;
    QLineEdit* m_smtpPort = nullptr;
    QLineEdit* m_pop3Server = nullptr;
    QLineEdit* m_pop3Port = nullptr;
    QLineEdit* m_pop3Account = nullptr;
    QLineEdit* m_password = nullptr;
    QLineEdit* m_senderName = nullptr;
    QLineEdit* m_mailAddress = nullptr;
    QCheckBox* m_leaveCopy = nullptr;
};
