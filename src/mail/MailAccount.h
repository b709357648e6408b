#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class DataArchive;

// One mail account, in the field order of "MailAccount.cfg".
struct MailAccount
{
    QString smtpServer;
    qint32 smtpPort = 25;
    QString pop3Server;
    qint32 pop3Port = 110;
    QString pop3Account; // login name for POP3 and for SMTP authentication
    QString password;    // password for POP3 and for SMTP authentication (plain, as stored)
    QString senderName;
    QString mailAddress;
    QString userName;    // the account's name: tree label and directory name
    QString myPassword;
    QString spare;       // kept as read, never set
    qint32 leaveCopy = 0; // 1 keeps received messages on the server

    void serialize(DataArchive& ar);
    bool operator==(const MailAccount&) const = default;
};

// The five folders of an account, in tree order.
enum class MailFolder { Inbox, Drafts, Sent, Deleted, Junk };

namespace MailFolders {
QString name(MailFolder folder);
const QList<MailFolder>& all();
} // namespace MailFolders

// What the parser learnt from one message file.
struct MailRecord
{
    QString sender;
    QString state = QStringLiteral("all");
    QString subject;
    QString date;
    qint32 size = 0;
    QString path;
    QString bodyText;
    QStringList attachments;

    void serialize(DataArchive& ar);
    bool operator==(const MailRecord&) const = default;
};

// A file of a folder that the parser rejected, remembered so it is not parsed again.
struct NonMailRecord
{
    qint32 size = 0;
    QString path;

    void serialize(DataArchive& ar);
    bool operator==(const NonMailRecord&) const = default;
};
