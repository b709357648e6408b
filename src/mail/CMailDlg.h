#pragma once
#include "controls/SkinnedDialog.h"
#include "mail/MailAccount.h"
#include "mail/MailReceiver.h"
#include "mail/MailSender.h"
#include "mail/MailStore.h"
#include "mail/MessageListModel.h"

#include <QPointer>

#include <memory>
#include <optional>

class CMailProgressDlg;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPlainTextEdit;
class QTableView;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TextCodec;

// "Mail" (dialog 177): the mail client's main window. An account tree with five folders
// per account, the message list of the selected folder, the reading pane and the
// attachment list of the selected message, and the buttons that drive the store,
// receiving, composing and sending. Receiving and sending run on worker threads that
// report through queued signals; the window lists folders on its own thread.
class CMailDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int {
        IdNewAccount = 1028, IdDeleteAccount = 1029, IdNew = 1023, IdSend = 1020, IdReceive = 1019, IdDelete = 1024,
        IdTree = 1021, IdList = 1026, IdReading = 1025, IdAttachments = 1022, IdClose = 1064, IdMin = 1014, IdHelp = 1011,
        ReceiveDialog = 429, SendDialog = 430,
    };
    // The tree's right-click menu.
    enum : int { IdMenuProperty = 1, IdMenuPassWord = 2, IdMenuDeleteAccount = 3 };
    static constexpr int kHelpContext = 10016;

    // `programDir` ends in "/"; `codec` is the code page of the mail text.
    CMailDlg(const QString& programDir, const TextCodec& codec, QWidget* parent = nullptr);
    ~CMailDlg() override;

    MailStore& store() { return m_store; }
    MessageListModel& messages() { return m_model; }
    MailReceiver& receiver() { return m_receiver; }
    MailSender& sender() { return m_sender; }
    CMailProgressDlg* receiveProgress() const { return m_receiveProgress; }
    CMailProgressDlg* sendProgress() const { return m_sendProgress; }
    QTreeWidget* tree() const { return m_tree; }
    QTableView* messageList() const { return m_list; }
    QListWidget* attachmentList() const { return m_attachments; }
    QPlainTextEdit* readingPane() const { return m_reading; }
    const MailAccount& scratchAccount() const { return m_scratch; }

    // The node of an account (its folder: -1) or of one of its folders.
    QTreeWidgetItem* node(int account, int folder = -1) const;
    // Selects a node as a click would.
    void selectNode(int account, int folder = -1);
    // The selected account's index and folder name (empty for an account node); -1 if none.
    int selectedAccount(QString* folder = nullptr) const;

    // The user's actions.
    void newAccount();
    void accountProperties();
    void deleteAccount();
    void newMessage();
    void sendFirstDraft();
    void receive();
    void deleteMessages();
    // Starts sending a saved draft, or says "Now, it is sending.".
    void startSend(const QString& draftPath);
    // Saves the attachment of an item of the attachment list through the save chooser.
    void saveAttachment(QListWidgetItem* item);
    // Lists the selected folder again.
    void listSelectedFolder();
    // Shows the first selected message.
    void showMessage();
    // The tree's right-click menu at a point of the tree's viewport.
    void treeMenu(const QPoint& pos);

    // The desktop's work area: the window opens at that size.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildTree();
    QTreeWidgetItem* addAccountNode(const MailAccount& account);
    void layoutControls();
    void clearMessage();
    // Ends a receive or send that works for the account (before the account goes away).
    void endTransfersOf(const QString& userName);

    QSize m_size; // the size it is shown at: the work area, or what the user made it
    QString m_programDir;
    const TextCodec& m_codec;
    MailStore m_store;
    MailAccount m_scratch;
    MessageListModel m_model;
    MailReceiver m_receiver;
    MailSender m_sender;
    QString m_receiveAccount; // the userName a running receive writes for
    QString m_sendAccount;    // the userName of the draft a running send sends

    QTreeWidget* m_tree = nullptr;
    QTableView* m_list = nullptr;
    QPlainTextEdit* m_reading = nullptr;
    QListWidget* m_attachments = nullptr;
    QWidget* m_header = nullptr;
    QLabel* m_from = nullptr;
    QLabel* m_subject = nullptr;
    QLabel* m_date = nullptr;
    QLabel* m_attachmentsLabel = nullptr;
    QWidget* m_toolbar = nullptr;
    CMailProgressDlg* m_receiveProgress = nullptr;
    CMailProgressDlg* m_sendProgress = nullptr;
};
