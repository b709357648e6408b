// The POP3 and SMTP clients against a scripted server: the replies real servers never
// send (split lines, silence, garbage, refusals, a connection that drops mid-reply).
#include "mail/DraftRecord.h"
#include "mail/MailReceiver.h"
#include "mail/MailSender.h"
#include "mail/support/MailServers.h"
#include "mail/MailSocket.h"
#include "mail/Pop3Client.h"
#include "mail/SmtpClient.h"

#include "support/TempDir.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

using S = ScriptedServer;

struct ShortTimeout : ::testing::Test
{
    void SetUp() override { MailSocket::setTimeoutMs(400); }
    void TearDown() override { MailSocket::setTimeoutMs(MailSocket::kDefaultTimeoutMs); }
    LocaleTextCodec codec{"UTF-8"};
    TempDir dir;
};

// A session up to the point of LIST for message 1.
QList<S::Step> loggedIn(QList<S::Step> rest)
{
    QList<S::Step> s{S::send("+OK ready\r\n"), S::readLine(), S::send("+OK\r\n"), S::readLine(), S::send("+OK\r\n")};
    return s + rest;
}

// The capability question before the first transfer, answered with `reply`.
QList<S::Step> capa(const QByteArray& reply = "-ERR\r\n")
{
    return {S::readLine(), S::send(reply)};
}

} // namespace

TEST_F(ShortTimeout, Pop3RepliesAreReadAsWholeLines)
{
    // The greeting in two receives, then RETR whose data comes in the same receive as
    // "+OK", with a LIST size that is far too small and one that is far too large.
    // Both with a server that takes pipelined commands and with one that does not.
    const QByteArray data = "Subject: a\r\n\r\n..dot\r\nbody\r\n";
    for (const QByteArray& capability : {QByteArray("-ERR\r\n"), QByteArray("+OK\r\nTOP\r\nPIPELINING\r\n.\r\n")})
        for (const char* listSize : {"5", "999999"}) {
            S server(loggedIn(capa(capability)
                              + QList<S::Step>{S::readLine(), S::send(QByteArray("+OK 1 ") + listSize + "\r\n"), S::readLine(),
                                               S::send("+OK message follows\r\n" + data + ".\r\n"), S::readLine(),
                                               S::send("+OK deleted\r\n"), S::readLine(), S::send("+OK bye\r\n")}));
            Pop3Client c(codec);
            ASSERT_TRUE(c.Connect(QStringLiteral("127.0.0.1"), server.port()));
            ASSERT_TRUE(c.Login(QStringLiteral("u"), QStringLiteral("p")));
            const QString file = dir.file(QStringLiteral("m.eml"));
            ASSERT_TRUE(c.Retrieve(1, file, true)) << listSize;
            EXPECT_EQ(dir.read(QStringLiteral("m.eml")), "Subject: a\r\n\r\n.dot\r\nbody\r\n") << listSize;
            EXPECT_TRUE(c.Quit());
            const QList<QByteArray> sent = server.lines();
            EXPECT_EQ(sent, (QList<QByteArray>{"USER u", "PASS p", "CAPA", "LIST 1", "RETR 1", "DELE 1", "QUIT"}));
        }

    S split({S::send("+O", 100), S::send("K hello\r\n")});
    Pop3Client c(codec);
    EXPECT_TRUE(c.Connect(QStringLiteral("127.0.0.1"), split.port()));
}

TEST_F(ShortTimeout, Pop3FailuresEndCleanly)
{
    struct Case { const char* what; QList<S::Step> script; bool connects; } cases[] = {
        {"garbage greeting", {S::send("\x01\x02 what\r\n")}, false},
        {"silent server", {S::silence()}, false},
        {"no line end, ever", {S::send(QByteArray(70000, 'x')), S::silence()}, false},
        {"closes at once", {S::close()}, false},
    };
    for (const Case& k : cases) {
        S server(k.script);
        Pop3Client c(codec);
        QElapsedTimer t;
        t.start();
        EXPECT_EQ(c.Connect(QStringLiteral("127.0.0.1"), server.port()), k.connects) << k.what;
        EXPECT_LT(t.elapsed(), 5000) << k.what;
    }

    // A long greeting (several receive buffers) is still one reply.
    S longGreeting({S::send("+OK " + QByteArray(5000, 'g') + "\r\n")});
    EXPECT_TRUE(Pop3Client(codec).Connect(QStringLiteral("127.0.0.1"), longGreeting.port()));

    // Host names of any length, and ports no socket can have.
    EXPECT_FALSE(Pop3Client(codec).Connect(QString(300, QLatin1Char('h')), 110));
    EXPECT_FALSE(Pop3Client(codec).Connect(QStringLiteral("127.0.0.1"), 70000));

    // LIST with too few tokens, a connection that drops inside the message, a silent
    // server inside the message: each fails and leaves no file.
    struct Retr { const char* what; QList<S::Step> rest; } retrs[] = {
        {"short LIST", {S::readLine(), S::send("+OK\r\n")}},
        {"drops mid-message", {S::readLine(), S::send("+OK 1 100\r\n"), S::readLine(), S::send("+OK\r\nSubject: x\r\n\r\npart"), S::close()}},
        {"silent mid-message", {S::readLine(), S::send("+OK 1 100\r\n"), S::readLine(), S::send("+OK\r\nSubject: x\r\n"), S::silence()}},
        {"RETR refused", {S::readLine(), S::send("+OK 1 100\r\n"), S::readLine(), S::send("-ERR no\r\n")}},
    };
    for (const Retr& r : retrs) {
        S server(loggedIn(capa() + r.rest));
        Pop3Client c(codec);
        ASSERT_TRUE(c.Connect(QStringLiteral("127.0.0.1"), server.port())) << r.what;
        ASSERT_TRUE(c.Login(QStringLiteral("u"), QStringLiteral("p"))) << r.what;
        EXPECT_FALSE(c.Retrieve(1, dir.file(QStringLiteral("r.eml")), false)) << r.what;
        EXPECT_FALSE(dir.exists(QStringLiteral("r.eml"))) << r.what;
        // After a failure the connection is closed: the next command fails at once.
        EXPECT_EQ(c.ListSize(1), -1) << r.what;
    }
}

TEST_F(ShortTimeout, ReceiveWithNoMailSendsNoQuit)
{
    S server(loggedIn({S::readLine(), S::send("+OK 0 0\r\n"), S::silence()}));
    MailAccount a;
    a.userName = QStringLiteral("U");
    a.pop3Server = QStringLiteral("127.0.0.1");
    a.pop3Port = server.port();
    a.pop3Account = QStringLiteral("u");
    a.password = QStringLiteral("p");
    QDir().mkpath(dir.path() + QStringLiteral("U/Inbox"));
    MailReceiver receiver;
    QSignalSpy messages(&receiver, &MailReceiver::message);
    QSignalSpy texts(&receiver, &MailReceiver::progressText);
    QSignalSpy finished(&receiver, &MailReceiver::finished);
    ASSERT_TRUE(receiver.start(a, dir.path()));
    // A second receive is refused while one runs.
    EXPECT_FALSE(receiver.start(a, dir.path()));
    ASSERT_TRUE(waitFor([&] { return finished.size() == 1; }, 10000));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0][0].toString(), QStringLiteral("There isn't new mail."));
    EXPECT_EQ(texts.last()[0].toString(), QStringLiteral("There isn't new mail."));
    EXPECT_EQ(texts.last()[1].toInt(), 100);
    EXPECT_TRUE(texts.last()[2].toBool());
    EXPECT_FALSE(server.lines().contains("QUIT"));

    // The checks before connecting, in their order.
    struct Check { void (*spoil)(MailAccount&); const char* message; } checks[] = {
        {[](MailAccount& x) { x.pop3Server.clear(); x.pop3Port = 0; }, "The setting of the server's IP address is error."},
        {[](MailAccount& x) { x.pop3Port = 0; x.password.clear(); }, "The setting of the server's port is error."},
        {[](MailAccount& x) { x.pop3Account.clear(); }, "The setting of the username is error."},
        {[](MailAccount& x) { x.password.clear(); }, "The setting of the password is error."},
        {[](MailAccount& x) { x.pop3Port = freeLoopbackPort(); }, "It isn't connected to the server."},
    };
    for (const Check& c : checks) {
        MailAccount b = a;
        c.spoil(b);
        QSignalSpy m(&receiver, &MailReceiver::message);
        QSignalSpy f(&receiver, &MailReceiver::finished);
        ASSERT_TRUE(waitFor([&] { return receiver.start(b, dir.path()); }, 5000));
        ASSERT_TRUE(waitFor([&] { return f.size() == 1; }, 10000)) << c.message;
        ASSERT_EQ(m.size(), 1) << c.message;
        EXPECT_EQ(m[0][0].toString(), QLatin1String(c.message));
    }
    QSignalSpy none(&receiver, &MailReceiver::message);
    receiver.start(std::nullopt, dir.path());
    ASSERT_EQ(none.size(), 1);
    EXPECT_EQ(none[0][0].toString(), QStringLiteral("Please select the account."));
}

// A server that claims more messages than it can give: the connection breaks on the
// first transfer, which is reported once, and the receive ends there.
TEST_F(ShortTimeout, ABrokenConnectionFailsOneNumberAndEndsTheReceive)
{
    S server(loggedIn(QList<S::Step>{S::readLine(), S::send("+OK 2147483647 99999\r\n")} + capa()
                      + QList<S::Step>{S::readLine(), S::send("+OK 1 120\r\n"), S::readLine(), S::send("+OK\r\nFrom: a"),
                                       S::close()}));
    MailAccount a;
    a.userName = QStringLiteral("U");
    a.pop3Server = QStringLiteral("127.0.0.1");
    a.pop3Port = server.port();
    a.pop3Account = QStringLiteral("u");
    a.password = QStringLiteral("p");
    QDir().mkpath(dir.path() + QStringLiteral("U/Inbox"));
    MailReceiver receiver;
    QSignalSpy messages(&receiver, &MailReceiver::message);
    QSignalSpy texts(&receiver, &MailReceiver::progressText);
    QSignalSpy finished(&receiver, &MailReceiver::finished);
    ASSERT_TRUE(receiver.start(a, dir.path()));
    ASSERT_TRUE(waitFor([&] { return finished.size() == 1; }, 10000));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages[0][0].toString(), QStringLiteral("Fail in No. 1."));
    EXPECT_TRUE(QDir(dir.path() + QStringLiteral("U/Inbox")).entryList(QDir::Files).isEmpty());
    // The progress window is hidden, and not with the text of a success.
    EXPECT_TRUE(texts.last()[2].toBool());
    for (const auto& t : texts)
        EXPECT_NE(t[0].toString(), QStringLiteral("Succeed to receive!"));
}

// A cancel given at once, before the worker has even connected, is not lost: the send
// ends without waiting for a server that says nothing.
TEST(MailSenderAbort, ACancelBeforeTheConnectionStillEndsTheSend)
{
    MailSocket::setTimeoutMs(30000);
    S server({S::send("220 hi\r\n"), S::readLine(), S::silence()});
    TempDir dir;
    QDir().mkpath(dir.path() + QStringLiteral("A/Drafts"));
    QDir().mkpath(dir.path() + QStringLiteral("A/Sent"));
    DraftRecord draft;
    draft.smtpServer = QStringLiteral("127.0.0.1");
    draft.smtpPort = server.port();
    draft.pop3Account = QStringLiteral("u");
    draft.password = QStringLiteral("p");
    draft.mailAddress = QStringLiteral("a@x");
    draft.receiverText = QStringLiteral("b@y");
    const QString path = dir.path() + QStringLiteral("A/Drafts/1.eml");
    ASSERT_TRUE(draft.store(path + QStringLiteral(".bak")));
    MailSender sender;
    QSignalSpy finished(&sender, &MailSender::finished);
    QElapsedTimer t;
    t.start();
    ASSERT_TRUE(sender.start(path));
    sender.Abort();
    ASSERT_TRUE(waitFor([&] { return finished.size() == 1; }, 20000));
    EXPECT_LT(t.elapsed(), 10000);
    EXPECT_FALSE(finished[0][0].toBool());
    MailSocket::setTimeoutMs(MailSocket::kDefaultTimeoutMs);
}

TEST_F(ShortTimeout, SmtpRepliesAndRefusals)
{
    const QList<S::Step> greet{S::send("220 hi\r\n"), S::readLine(),
                               S::send("250-smtp.test greets you\r\n250-SIZE 0\r\n", 50), S::send("250 AUTH LOGIN\r\n")};
    const QList<S::Step> auth{S::readLine(), S::send("334 VXNlcm5hbWU6\r\n"), S::readLine(), S::send("334 UGFzc3dvcmQ6\r\n"),
                              S::readLine()};
    {
        // A multi-line EHLO reply split across receives, then "535".
        S server(greet + auth + QList<S::Step>{S::send("535 5.7.8 Authentication credentials invalid\r\n")});
        SmtpClient c(codec);
        ASSERT_TRUE(c.Connect(QStringLiteral("127.0.0.1"), server.port()));
        EXPECT_FALSE(c.Authenticate(QStringLiteral("u"), QStringLiteral("p")));
        const QList<QByteArray> l = server.lines();
        ASSERT_GE(l.size(), 4);
        EXPECT_EQ(l[0], "EHLO 127.0.0.1");
        EXPECT_EQ(l[1], "AUTH LOGIN");
        EXPECT_EQ(l[2], "dQ==");
    }
    {
        // EHLO refused: HELO with the same argument; a long user name stays on one line.
        S server({S::send("220 hi\r\n"), S::readLine(), S::send("500 what\r\n"), S::readLine(), S::send("250 ok\r\n"),
                  S::readLine(), S::send("334 x\r\n"), S::readLine(), S::send("334 y\r\n"), S::readLine(), S::send("235 ok\r\n")});
        SmtpClient c(codec);
        ASSERT_TRUE(c.Connect(QStringLiteral("127.0.0.1"), server.port()));
        EXPECT_TRUE(c.Authenticate(QString(80, QLatin1Char('u')), QStringLiteral("p")));
        const QList<QByteArray> l = server.lines();
        EXPECT_EQ(l[1], "HELO 127.0.0.1");
        EXPECT_EQ(l.size(), 5);
    }
    {
        // Silence after DATA: the send ends with a failure instead of hanging.
        S server(greet + auth + QList<S::Step>{S::send("235 ok\r\n"), S::readLine(), S::send("250 ok\r\n"), S::readLine(),
                                               S::send("250 ok\r\n"), S::readLine(), S::send("354 go\r\n"), S::silence()});
        SmtpClient c(codec);
        ASSERT_TRUE(c.Connect(QStringLiteral("127.0.0.1"), server.port()));
        ASSERT_TRUE(c.Authenticate(QStringLiteral("u"), QStringLiteral("p")));
        OutgoingMail m;
        m.fromAddress = QStringLiteral("f@x");
        m.to = {QStringLiteral("t@y")};
        m.body = QStringLiteral("line\n.starts with a dot\n.");
        QElapsedTimer t;
        t.start();
        EXPECT_FALSE(c.WriteMessage(m));
        EXPECT_LT(t.elapsed(), 5000);
        // On the wire the dots are doubled, so the message does not end early.
        const QByteArray wire = server.received();
        EXPECT_TRUE(wire.contains("\r\nline\r\n..starts with a dot\r\n..\r\n\r\n"));
        EXPECT_TRUE(wire.endsWith("----\r\n.\r\n"));
    }
    {
        // A greeting that is not "220" and a connection refused.
        S server({S::send("554 go away\r\n")});
        EXPECT_FALSE(SmtpClient(codec).Connect(QStringLiteral("127.0.0.1"), server.port()));
        EXPECT_FALSE(SmtpClient(codec).Connect(QStringLiteral("127.0.0.1"), freeLoopbackPort()));
    }
}
