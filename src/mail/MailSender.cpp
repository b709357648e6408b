#include "mail/MailSender.h"

#include "mail/DraftRecord.h"
#include "mail/MailStore.h"
#include "mail/SmtpClient.h"
#include "platform/TextCodec.h"

#include <QFile>

MailSender::MailSender(QObject* parent) : MailWorker(parent)
{
}

MailSender::~MailSender()
{
    finish();
}

QString MailSender::progressLine(int number, int total, int percent)
{
    return MailWorker::progressLine(number, total, percent, QStringLiteral("in sending ..."));
}

bool MailSender::start(const QString& draftPath, const QByteArray& codecName)
{
    return startJob([this, draftPath, codecName] { return run(draftPath, codecName); });
}

bool MailSender::run(const QString& draftPath, const QByteArray& codecName)
{
    const LocaleTextCodec codec(codecName);
    Q_EMIT progressText(QStringLiteral("Start to sending ..."), 1, false);
    const QString companion = draftPath + QStringLiteral(".bak");
    DraftRecord draft;
    DraftRecord::load(companion, draft, &codec);
    const int total = int(draft.attachments.size());

    SmtpClient client(codec, [this, total](int i, int p) { Q_EMIT progress(i, total, p); });
    ClientScope scope(*this, client);
    if (abortRequested()) // a cancel that came before the client was reachable
        client.Abort();

    auto fail = [&](const QString& text) {
        Q_EMIT progressText(text, 0, false);
        return false;
    };
    const QString unreadable = SmtpClient::unreadableAttachment(draft.attachments);
    if (!unreadable.isEmpty())
        return fail(QStringLiteral("The attachment \"%1\" cannot be opened.").arg(unreadable));
    if (!client.Connect(draft.smtpServer, draft.smtpPort) || abortRequested())
        return fail(QStringLiteral("There is an error in connecting to the smtp server."));
    if (!client.Authenticate(draft.pop3Account, draft.password) || abortRequested())
        return fail(QStringLiteral("The setting of the username or the password is error."));
    if (!client.WriteMessage(draft.outgoing()))
        return fail(QStringLiteral("The mail is unsuccessfully sent."));
    if (MailStore::MoveToSent(draftPath))
        QFile::remove(companion);
    Q_EMIT folderChanged();
    Q_EMIT progressText(QStringLiteral("The mail is successfully sent."), 100, true);
    return true;
}
