#pragma once
#include "mail/MailAccount.h"
#include "mail/SmtpClient.h"

#include <QString>
#include <QStringList>

class DataArchive;
class TextCodec;

// The companion file of an unsent draft ("name.eml.bak"): everything needed to send it.
struct DraftRecord
{
    QString smtpServer;
    QString pop3Account; // the SMTP login name
    QString password;    // the SMTP password, plain
    QString mailAddress; // the from address
    QString receiverText; // as typed, commas included
    QString copyText;
    QString senderName;
    QString subject;
    QString body;
    qint32 smtpPort = 0;
    qint32 html = 0;
    QStringList attachments;

    void serialize(DataArchive& ar);
    bool operator==(const DraftRecord&) const = default;

    // The message this draft describes, as the SMTP client writes it.
    OutgoingMail outgoing() const;

    // Reads the companion file; false (and an empty record) when it cannot be read.
    static bool load(const QString& path, DraftRecord& record, const TextCodec* codec = nullptr);
    bool store(const QString& path) const; // readable by the owner only
};

// What the composer holds when a draft is saved.
struct ComposedMail
{
    QString receiverText;
    QString copyText;
    QString subject;
    QString body;
    QStringList attachments;
    bool html = false;
};

// Saving a draft (the composer's "Draft", and the first step of its "Send").
class DraftComposer
{
public:
    struct Result
    {
        bool saved = false;
        QString message;  // the message to show when not saved
        QString fileName; // "stamp.eml", the name the composer remembers
        QString path;     // the draft's message file
    };

    // `draftsDir` ends in "/"; `sending` says whether a send is running.
    static Result SaveDraft(const MailAccount& account, const ComposedMail& mail, const QString& draftsDir, bool sending,
                            const TextCodec& codec);
};
