// Receiving and sending beside fetchmail and msmtp on the same servers in the same run.
//   mail_bench [CASE]     runs every case (or receive-small, receive-large, send-small,
//                         send-large alone) and prints time and peak memory
//   mail_bench receive PROGRAMDIR PORT TIMINGFILE   (one receive; used by the driver)
//   mail_bench send DRAFTPATH TIMINGFILE            (one send; used by the driver)
// "process" is the client's whole run (start-up included); "operation" is the receive or
// send inside our client alone.
#include "mail/DraftRecord.h"
#include "mail/MailReceiver.h"
#include "mail/MailSender.h"
#include "mail/support/MailServers.h"
#include "mail/MailStore.h"

#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run
{
    double seconds = 0;
    long peakKb = 0;
    int status = -1;
};

// Runs a program to its end; wall time and its peak resident memory. The program runs
// under /usr/bin/time, a small process, so the figure is the program's own and not the
// memory of this driver inherited through fork.
Run measure(const QStringList& command, const QString& stdinFile = {})
{
    QTemporaryDir scratch;
    const QString report = scratch.path() + QStringLiteral("/rss");
    QList<QByteArray> args{"/usr/bin/time", "-f", "%M", "-o", QFile::encodeName(report)};
    for (const QString& a : command)
        args.append(QFile::encodeName(a));
    QList<char*> argv;
    for (QByteArray& a : args)
        argv.append(a.data());
    argv.append(nullptr);
    const QByteArray in = QFile::encodeName(stdinFile);
    QElapsedTimer t;
    t.start();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (!in.isEmpty() && !std::freopen(in.constData(), "rb", stdin))
            ::_exit(126);
        if (!std::freopen("/dev/null", "w", stdout))
            ::_exit(126);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    Run r;
    int status = 0;
    ::waitpid(pid, &status, 0);
    r.seconds = double(t.nsecsElapsed()) / 1e9;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    QFile f(report);
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray& line : f.readAll().split('\n'))
            if (!line.isEmpty() && !line.startsWith("Command"))
                r.peakKb = line.trimmed().toLong();
    return r;
}

// The time the operation itself took inside our client, without process start-up.
double operationSeconds(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll().trimmed().toDouble() : 0.0;
}

void row(const char* what, const char* who, const Run& r, double inside = -1)
{
    char op[32] = "";
    if (inside >= 0)
        std::snprintf(op, sizeof op, "%8.3f s", inside);
    std::printf("%-32s %-10s %8.3f s %10s %9.1f MB %s\n", what, who, r.seconds, op, double(r.peakKb) / 1024.0,
                r.status == 0 ? "" : "(FAILED)");
    std::fflush(stdout);
}

QByteArray smallMessage(int i)
{
    return "From: alice@example.test\nTo: testuser@example.test\nSubject: Message " + QByteArray::number(i)
        + "\n\nHello, this is message " + QByteArray::number(i) + ".\n.a dotted line\nBye.\n";
}

QByteArray largeMessage(qint64 bytes)
{
    QByteArray m = "From: a@x\nTo: b@y\nSubject: large\nContent-Type: application/octet-stream\n\n";
    m.reserve(bytes + 100);
    const QByteArray line = "QUJDREVGR0hJSktMTU5PUFFSU1RVVldYWVphYmNkZWZnaGlqa2xtbm9wcXJzdHV2d3h5ejAxMjM0\n";
    while (m.size() < bytes)
        m += line;
    return m;
}

QString fetchmailRc(const QString& dir, int port, const QString& out)
{
    const QString rc = dir + QStringLiteral("/fetchmailrc");
    QFile f(rc);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write("set no syslog\nset no bouncemail\npoll 127.0.0.1 service " + QByteArray::number(port)
            + " protocol pop3 auth password\n  user \"testuser\" there password \"secret\" is root here\n"
              "  sslproto \"\" keep fetchall no rewrite bsmtp \"" + QFile::encodeName(out) + "\"\n");
    f.close();
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return rc;
}

int receiveCase(const char* what, const QList<QByteArray>& messages)
{
    DovecotServer server;
    if (!server.start()) {
        std::printf("%s: Dovecot did not start\n", what);
        return 1;
    }
    for (const QByteArray& m : messages)
        server.deliver(m);
    const QString self = QCoreApplication::applicationFilePath();
    // Each client once to warm the server's caches, then measured. Every pass stores into
    // a fresh program directory, kept to the end: deleting the files of the previous pass
    // would make the next one pay for the file system's reuse of their inodes.
    std::vector<std::unique_ptr<QTemporaryDir>> dirs;
    for (int pass = 0; pass < 2; ++pass) {
        dirs.push_back(std::make_unique<QTemporaryDir>());
        const QString program = dirs.back()->path();
        QDir().mkpath(program + QStringLiteral("/Bob/Inbox"));
        const QString timing = program + QStringLiteral("/timing");
        const Run ours = measure({self, QStringLiteral("receive"), program + QLatin1Char('/'), QString::number(server.port()), timing});
        const QString out = program + QStringLiteral("/fetched.bsmtp");
        const Run fetchmail = measure({QStringLiteral("fetchmail"), QStringLiteral("-N"), QStringLiteral("-s"),
                                       QStringLiteral("--nosyslog"), QStringLiteral("-f"), fetchmailRc(program, server.port(), out)});
        if (pass == 1) {
            row(what, "quillora", ours, operationSeconds(timing));
            row(what, "fetchmail", fetchmail);
        }
    }
    return 0;
}

int sendCase(const char* what, qint64 attachmentBytes)
{
    SmtpServer server;
    if (!server.start()) {
        std::printf("%s: SMTP server did not start\n", what);
        return 1;
    }
    QTemporaryDir program;
    const QString drafts = program.path() + QStringLiteral("/Ann/Drafts/");
    QDir().mkpath(drafts);
    QDir().mkpath(program.path() + QStringLiteral("/Ann/Sent"));
    const QString file = program.path() + QStringLiteral("/attachment.bin");
    {
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        QByteArray block(1 << 20, Qt::Uninitialized);
        for (qint64 i = 0; i < block.size(); ++i)
            block[i] = char((i * 2654435761u) >> 11);
        for (qint64 left = attachmentBytes; left > 0; left -= block.size())
            f.write(block.constData(), qMin<qint64>(left, block.size()));
    }
    MailAccount a;
    a.userName = QStringLiteral("Ann");
    a.smtpServer = QStringLiteral("127.0.0.1");
    a.smtpPort = server.port();
    a.pop3Account = QStringLiteral("testuser");
    a.password = QStringLiteral("secret");
    a.senderName = QStringLiteral("Ann");
    a.mailAddress = QStringLiteral("ann@a.test");
    ComposedMail m;
    m.receiverText = QStringLiteral("bea@b.test");
    m.subject = QStringLiteral("attachment");
    m.body = QStringLiteral("See the attachment.");
    m.attachments = {file};
    LocaleTextCodec codec("UTF-8");
    const QString self = QCoreApplication::applicationFilePath();
    for (int pass = 0; pass < 2; ++pass) {
        const DraftComposer::Result saved = DraftComposer::SaveDraft(a, m, drafts, false, codec);
        // msmtp gets the same data: the draft without its envelope lines and its end.
        QFile d(saved.path);
        d.open(QIODevice::ReadOnly);
        QByteArray data = d.readAll();
        d.close();
        data = data.mid(data.indexOf("\r\nFrom:") + 2);
        data.chop(3); // ".\r\n"
        const QString msmtpInput = program.path() + QStringLiteral("/msmtp.eml");
        QFile mi(msmtpInput);
        mi.open(QIODevice::WriteOnly | QIODevice::Truncate);
        mi.write(data);
        mi.close();

        const QString timing = program.path() + QStringLiteral("/timing");
        const Run ours = measure({self, QStringLiteral("send"), saved.path, timing});
        const Run msmtp = measure({QStringLiteral("msmtp"), QStringLiteral("--host=127.0.0.1"),
                                   QStringLiteral("--port=%1").arg(server.port()), QStringLiteral("--auth=login"),
                                   QStringLiteral("--user=testuser"), QStringLiteral("--passwordeval=echo secret"),
                                   QStringLiteral("--tls=off"), QStringLiteral("--from=ann@a.test"), QStringLiteral("bea@b.test")},
                                  msmtpInput);
        if (pass == 1) {
            row(what, "quillora", ours, operationSeconds(timing));
            row(what, "msmtp", msmtp);
        }
    }
    return 0;
}

void writeTiming(const QString& file, const QElapsedTimer& t)
{
    QFile f(file);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(QByteArray::number(double(t.nsecsElapsed()) / 1e9, 'f', 4));
}

int receiveOnce(const QString& programDir, int port, const QString& timing)
{
    MailAccount a;
    a.userName = QStringLiteral("Bob");
    a.pop3Server = QStringLiteral("127.0.0.1");
    a.pop3Port = port;
    a.pop3Account = QStringLiteral("testuser");
    a.password = QStringLiteral("secret");
    a.leaveCopy = 1;
    MailReceiver receiver;
    int failures = 0;
    QObject::connect(&receiver, &MailReceiver::message, &receiver, [&](const QString&) { ++failures; });
    QObject::connect(&receiver, &MailReceiver::finished, &receiver, [] { QCoreApplication::quit(); });
    QElapsedTimer t;
    t.start();
    receiver.start(a, programDir);
    QCoreApplication::exec();
    writeTiming(timing, t);
    return failures == 0 ? 0 : 1;
}

int sendOnce(const QString& draft, const QString& timing)
{
    MailSender sender;
    bool ok = false;
    QObject::connect(&sender, &MailSender::finished, &sender, [&](bool sent) {
        ok = sent;
        QCoreApplication::quit();
    });
    QElapsedTimer t;
    t.start();
    sender.start(draft);
    QCoreApplication::exec();
    writeTiming(timing, t);
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 5 && args[1] == QLatin1String("receive"))
        return receiveOnce(args[2], args[3].toInt(), args[4]);
    if (args.size() == 4 && args[1] == QLatin1String("send"))
        return sendOnce(args[2], args[3]);

    // Mail store, server mailboxes and scratch files all go to one place: MAIL_BENCH_DIR,
    // else /dev/shm, so the figures measure the clients rather than a disk's inode
    // allocator after the churn of earlier runs.
    QString place = qEnvironmentVariable("MAIL_BENCH_DIR");
    if (place.isEmpty() && QFileInfo(QStringLiteral("/dev/shm")).isDir())
        place = QStringLiteral("/dev/shm");
    if (!place.isEmpty())
        qputenv("TMPDIR", QFile::encodeName(place));
    std::printf("files in %s\n", qPrintable(QDir::tempPath()));
    std::printf("%-32s %-10s %10s %10s %12s\n", "case", "client", "process", "operation", "peak memory");
    std::fflush(stdout); // before any fork
    QList<QByteArray> small;
    for (int i = 1; i <= 1000; ++i)
        small.append(smallMessage(i));
    // A case name as argument runs that case alone.
    const QString only = args.size() == 2 ? args[1] : QString();
    auto wanted = [&](const char* name) { return only.isEmpty() || only == QLatin1String(name); };
    int rc = 0;
    if (wanted("receive-small"))
        rc |= receiveCase("receive 1,000 small messages", small);
    if (wanted("receive-large"))
        rc |= receiveCase("receive one 50 MB message", {largeMessage(50LL * 1024 * 1024)});
    if (wanted("send-small"))
        rc |= sendCase("send a 1 MB attachment", 1LL << 20);
    if (wanted("send-large"))
        rc |= sendCase("send a 50 MB attachment", 50LL << 20);
    return rc;
}
