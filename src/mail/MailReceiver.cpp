#include "mail/MailReceiver.h"

#include "mail/MailStamp.h"
#include "mail/Pop3Client.h"
#include "platform/TextCodec.h"

MailReceiver::MailReceiver(QObject* parent) : MailWorker(parent)
{
}

MailReceiver::~MailReceiver()
{
    finish();
}

QString MailReceiver::progressLine(int number, int total, int percent)
{
    return MailWorker::progressLine(number, total, percent, QStringLiteral("in receiving ..."));
}

bool MailReceiver::start(const std::optional<MailAccount>& account, const QString& programDir, const QByteArray& codecName)
{
    if (!account) {
        Q_EMIT message(QStringLiteral("Please select the account."));
        return true;
    }
    QString inbox = programDir;
    if (!inbox.endsWith(QLatin1Char('/')))
        inbox += QLatin1Char('/');
    inbox += account->userName + QStringLiteral("/Inbox/");
    return startJob([this, a = *account, inbox, codecName] { return run(a, inbox, codecName); });
}

bool MailReceiver::run(const MailAccount& account, const QString& inbox, const QByteArray& codecName)
{
    const LocaleTextCodec codec(codecName);
    int total = 0;
    Pop3Client client(codec, [this, &total](int n, int p) { Q_EMIT progress(n, total, p); });
    ClientScope scope(*this, client);
    if (abortRequested())
        client.Abort();

    auto fail = [&](const QString& text) {
        // A cancelled receive ends without a word.
        if (!abortRequested())
            Q_EMIT message(text);
        return false;
    };

    Q_EMIT progressText(QStringLiteral("Start to receiving ..."), 1, false);
    if (account.pop3Server.isEmpty())
        return fail(QStringLiteral("The setting of the server's IP address is error."));
    if (account.pop3Port == 0)
        return fail(QStringLiteral("The setting of the server's port is error."));
    if (account.pop3Account.isEmpty())
        return fail(QStringLiteral("The setting of the username is error."));
    if (account.password.isEmpty())
        return fail(QStringLiteral("The setting of the password is error."));
    if (!client.Connect(account.pop3Server, account.pop3Port))
        return fail(QStringLiteral("It isn't connected to the server."));
    if (abortRequested()) // a cancel that came while connecting
        client.Abort();
    if (!client.Login(account.pop3Account, account.password))
        return fail(QStringLiteral("The setting of the username or the password is error."));
    int count = 0;
    qint64 size = 0;
    if (!client.Stat(count, size))
        return fail(QStringLiteral("Fail in querying."));
    if (count == 0) {
        Q_EMIT progressText(QStringLiteral("There isn't new mail."), 100, true);
        return fail(QStringLiteral("There isn't new mail."));
    }
    total = count;
    bool broken = false;
    for (int n = 1; n <= count && !abortRequested(); ++n) {
        Q_EMIT progressText(QStringLiteral("Receiving %1 ,the total is %2.").arg(n).arg(count), 0, false);
        const QString file = inbox + MailStamp::uniqueFileName(inbox);
        if (client.Retrieve(n, file, account.leaveCopy == 0))
            continue;
        // A cancel stops at once; a lost connection fails this number once and stops, as
        // every later one would fail the same way. A message that failed on a connection
        // still in use is reported and the loop goes on.
        if (abortRequested())
            break;
        Q_EMIT message(QStringLiteral("Fail in No. %1.").arg(n));
        if (!client.isConnected()) {
            broken = true;
            break;
        }
    }
    const bool ended = abortRequested() || broken;
    if (!ended)
        client.Quit();
    scope.end();
    // The messages stored before a cancel or a break stay and are listed.
    Q_EMIT folderChanged();
    if (ended) {
        Q_EMIT progressText(QString(), 0, true);
        return false;
    }
    Q_EMIT progressText(QStringLiteral("Succeed to receive!"), 100, true);
    return true;
}
