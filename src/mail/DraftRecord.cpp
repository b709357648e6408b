#include "mail/DraftRecord.h"

#include "storage/DataArchive.h"
#include "storage/DataFile.h"
#include "mail/MailStamp.h"
#include "mail/SmtpClient.h"

#include <QFile>

void DraftRecord::serialize(DataArchive& ar)
{
    ar.io(smtpServer);
    ar.io(pop3Account);
    ar.io(password);
    ar.io(mailAddress);
    ar.io(receiverText);
    ar.io(copyText);
    ar.io(senderName);
    QString unused;
    ar.io(unused); // always written empty
    ar.io(subject);
    ar.io(body);
    ar.io(smtpPort);
    ar.io(html);
    if (ar.isStoring()) {
        ar.putInt(qint32(attachments.size()));
        for (QString a : attachments)
            ar.io(a);
    } else {
        const qint32 n = ar.getInt();
        if (n < 0 || n > ar.remaining())
            throw ArchiveEofError();
        attachments.clear();
        for (qint32 i = 0; i < n; ++i)
            attachments.append(ar.getString());
    }
}

bool DraftRecord::load(const QString& path, DraftRecord& record, const TextCodec* codec)
{
    DraftRecord r;
    const auto status = DataFile::load(path, [&](DataArchive& ar) { r.serialize(ar); }, codec);
    record = status == DataFile::LoadStatus::Loaded ? r : DraftRecord{};
    return status == DataFile::LoadStatus::Loaded;
}

bool DraftRecord::store(const QString& path) const
{
    return DataFile::store(
        path,
        [this](DataArchive& ar) {
            DraftRecord copy = *this;
            copy.serialize(ar);
        },
        DataFile::Access::OwnerOnly);
}

OutgoingMail DraftRecord::outgoing() const
{
    OutgoingMail out;
    out.fromAddress = mailAddress;
    out.to = SplitAddresses(receiverText);
    out.cc = SplitAddresses(copyText);
    out.senderName = senderName;
    out.subject = subject;
    out.body = body;
    out.attachments = attachments;
    out.html = html != 0;
    return out;
}

DraftComposer::Result DraftComposer::SaveDraft(const MailAccount& account, const ComposedMail& mail, const QString& draftsDir,
                                               bool sending, const TextCodec& codec)
{
    Result r;
    auto refuse = [&](const char* text) {
        r.message = QString::fromLatin1(text);
        return r;
    };
    if (sending)
        return refuse("Now, it is sending.");
    if (account.smtpServer.isEmpty())
        return refuse("The setting of the smtp server's IP address is error");
    if (account.smtpPort == 0)
        return refuse("The setting of the smtp server's port is error");
    if (account.pop3Account.isEmpty())
        return refuse("The setting of the username is error.");
    if (account.password.isEmpty())
        return refuse("The setting of the password is error.");
    if (account.senderName.isEmpty())
        return refuse("The setting of the sender's name is error.");
    if (account.mailAddress.isEmpty())
        return refuse("The setting of the sender's E-Mail is error.");
    if (mail.receiverText.isEmpty())
        return refuse("The setting of the receiver's E-Mail is error.");
    const QString unreadable = SmtpClient::unreadableAttachment(mail.attachments);
    if (!unreadable.isEmpty()) {
        r.message = QStringLiteral("The attachment \"%1\" cannot be opened.").arg(unreadable);
        return r;
    }

    r.fileName = MailStamp::uniqueFileName(draftsDir);
    r.path = draftsDir + r.fileName;
    DraftRecord record{account.smtpServer, account.pop3Account, account.password, account.mailAddress, mail.receiverText,
                       mail.copyText, account.senderName, mail.subject, mail.body, account.smtpPort, mail.html ? 1 : 0,
                       mail.attachments};
    OutgoingMail out = record.outgoing();
    out.toFile = true;
    out.filePath = r.path;
    SmtpClient writer(codec);
    if (!writer.WriteMessage(out) || !record.store(r.path + QStringLiteral(".bak"))) {
        QFile::remove(r.path);
        r.message = QStringLiteral("The draft cannot be saved in \"%1\".").arg(draftsDir);
        return r;
    }
    r.saved = true;
    return r;
}
