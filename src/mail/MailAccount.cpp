#include "mail/MailAccount.h"

#include "storage/DataArchive.h"

void MailAccount::serialize(DataArchive& ar)
{
    ar.io(smtpServer);
    ar.io(smtpPort);
    ar.io(pop3Server);
    ar.io(pop3Port);
    ar.io(pop3Account);
    ar.io(password);
    ar.io(senderName);
    ar.io(mailAddress);
    ar.io(userName);
    ar.io(myPassword);
    ar.io(spare);
    ar.io(leaveCopy);
}

QString MailFolders::name(MailFolder folder)
{
    switch (folder) {
    case MailFolder::Inbox: return QStringLiteral("Inbox");
    case MailFolder::Drafts: return QStringLiteral("Drafts");
    case MailFolder::Sent: return QStringLiteral("Sent");
    case MailFolder::Deleted: return QStringLiteral("Deleted");
    case MailFolder::Junk: return QStringLiteral("Junk");
    }
    return {};
}

const QList<MailFolder>& MailFolders::all()
{
    static const QList<MailFolder> folders{MailFolder::Inbox, MailFolder::Drafts, MailFolder::Sent,
                                           MailFolder::Deleted, MailFolder::Junk};
    return folders;
}

void MailRecord::serialize(DataArchive& ar)
{
    ar.io(sender);
    ar.io(state);
    ar.io(subject);
    ar.io(date);
    ar.io(size);
    ar.io(path);
    ar.io(bodyText);
    if (ar.isStoring()) {
        ar.putInt(qint32(attachments.size()));
        for (QString name : attachments)
            ar.io(name);
    } else {
        const qint32 n = ar.getInt();
        attachments.clear();
        // Each string takes at least a byte: a count beyond what is left is damage.
        if (n < 0 || n > ar.remaining())
            throw ArchiveEofError();
        for (qint32 i = 0; i < n; ++i)
            attachments.append(ar.getString());
    }
}

void NonMailRecord::serialize(DataArchive& ar)
{
    ar.io(size);
    ar.io(path);
}
