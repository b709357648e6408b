#pragma once
#include "controls/SkinnedDialog.h"
#include "mail/MailAccount.h"

#include <QStringList>

#include <functional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class TextCodec;

// "New Mail" (dialog 188): the composer. Every message is first saved as a draft in the
// account's Drafts folder ("Draft"); "Send" saves it and hands it to the window's send.
// A refused check leaves the composer open with everything typed.
class CComposeDlg : public SkinnedDialog
{
    Q_OBJECT
public:
    enum : int {
        IdReceiver = 1019, IdCopyTo = 1020, IdSubject = 1021, IdBody = 1009, IdAttach = 1016, IdAttachAdd = 1008,
        IdAttachDel = 1017, IdHtml = 1010, IdSend = 1013, IdDraft = 1014, IdClose = 2,
    };

    struct Hooks
    {
        std::function<bool()> sending;                      // whether a send runs
        std::function<void(const QString& draft)> startSend; // sends a saved draft
    };

    CComposeDlg(const MailAccount& account, const QString& draftsDir, const TextCodec& codec, Hooks hooks,
                QWidget* parent = nullptr);

    // The fixed word list the edits complete from.
    static QStringList completionWords();

    const QStringList& attachments() const { return m_attachments; }
    // The file name of the last saved draft ("stamp.eml"), empty before the first save.
    QString draftName() const { return m_draftName; }

    void addAttachment(); // "..."
    void removeAttachment(); // "DEL"
    void saveDraft();     // "Draft"
    void send();          // "Send"

private:
    bool save();
    void refillAttachments();

    MailAccount m_account;
    QString m_draftsDir;
    const TextCodec& m_codec;
    Hooks m_hooks;
    QStringList m_attachments;
    QString m_draftName;
    QLineEdit* m_receiver = nullptr;
    QLineEdit* m_copyTo = nullptr;
    QLineEdit* m_subject = nullptr;
    QPlainTextEdit* m_body = nullptr;
    QComboBox* m_attach = nullptr;
    QCheckBox* m_html = nullptr;
};
