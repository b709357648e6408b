// Receiving from Dovecot and sending through an aiosmtpd server, both on loopback.
#include "mail/DraftRecord.h"
#include "mail/MailParser.h"
#include "mail/MailReceiver.h"
#include "mail/MailSender.h"
#include "mail/support/MailServers.h"
#include "mail/MailStore.h"

#include "support/TempDir.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

QStringList inboxFiles(const QString& inbox)
{
    QStringList names = QDir(inbox).entryList({QStringLiteral("*.eml")}, QDir::Files);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b; // stamps in time order
    });
    return names;
}

QByteArray crlf(QByteArray lf)
{
    lf.replace("\n", "\r\n");
    return lf;
}

struct Pop3Fixture : ::testing::Test
{
    TempDir program;
    LocaleTextCodec codec{"UTF-8"};
    MailStore store{program.path(), codec};
    DovecotServer server;

    void SetUp() override
    {
        ASSERT_TRUE(server.start()) << server.log().toStdString();
        ASSERT_TRUE(store.confirmNewAccount(QStringLiteral("Bob")).isEmpty());
    }
    MailAccount account(bool leaveCopy, const QString& password = DovecotServer::password()) const
    {
        MailAccount a;
        a.userName = QStringLiteral("Bob");
        a.pop3Server = QStringLiteral("127.0.0.1");
        a.pop3Port = server.port();
        a.pop3Account = DovecotServer::user();
        a.password = password;
        a.leaveCopy = leaveCopy ? 1 : 0;
        return a;
    }
    QString inbox() const { return program.path() + QStringLiteral("Bob/Inbox/"); }

    struct Report { int number, total, percent; };
    QList<Report> progress; // of the last receive
    QStringList texts;      // its progress window texts

    // Runs one receive to its end; returns the messages it showed.
    QStringList receive(const MailAccount& a, int timeoutMs = 30000)
    {
        MailReceiver receiver;
        QSignalSpy messages(&receiver, &MailReceiver::message);
        QSignalSpy finished(&receiver, &MailReceiver::finished);
        QSignalSpy reports(&receiver, &MailReceiver::progress);
        QSignalSpy textSpy(&receiver, &MailReceiver::progressText);
        EXPECT_TRUE(receiver.start(a, program.path()));
        EXPECT_TRUE(waitFor([&] { return finished.size() == 1; }, timeoutMs));
        progress.clear();
        for (const auto& r : reports)
            progress.append({r[0].toInt(), r[1].toInt(), r[2].toInt()});
        texts.clear();
        for (const auto& t : textSpy)
            texts << t[0].toString();
        QStringList out;
        for (const auto& m : messages)
            out << m[0].toString();
        return out;
    }
};

const QByteArray kMessages[] = {
    "From: alice@example.test\nTo: testuser@example.test\nSubject: Test 1\n\nHello 1.\n.leading dot\n.\n..two dots\nBye.\n",
    "From: alice@example.test\nTo: testuser@example.test\nSubject: Test 2\n\nHello 2.\n",
    "From: alice@example.test\nTo: testuser@example.test\nSubject: Test 3\n\nNo final newline",
};

} // namespace

TEST_F(Pop3Fixture, ThreeMessagesIntoInboxAndDeletedOnTheServer)
{
    for (const QByteArray& m : kMessages)
        server.deliver(m);
    EXPECT_TRUE(receive(account(false)).isEmpty());
    const QStringList files = inboxFiles(inbox());
    ASSERT_EQ(files.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QFile f(inbox() + files[i]);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        // The message as delivered, with the line ends POP3 gives it (a last line end is
        // added by the server when the message lacks one).
        QByteArray expected = crlf(kMessages[i]);
        if (!expected.endsWith("\r\n"))
            expected += "\r\n";
        EXPECT_EQ(f.readAll(), expected) << i;
    }
    // The stamps are consecutive in time.
    EXPECT_TRUE(files[0] < files[1] && files[1] < files[2]);
    // Each message reports from 0 to 100 with the total of the receive.
    for (int n = 1; n <= 3; ++n) {
        QList<Report> of;
        for (const Report& r : progress)
            if (r.number == n)
                of.append(r);
        ASSERT_FALSE(of.isEmpty()) << n;
        EXPECT_EQ(of.first().percent, 0);
        EXPECT_EQ(of.last().percent, 100);
        EXPECT_EQ(of.first().total, 3);
    }
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Start to receiving ..."), QStringLiteral("Receiving 1 ,the total is 3."),
                                  QStringLiteral("Receiving 2 ,the total is 3."), QStringLiteral("Receiving 3 ,the total is 3."),
                                  QStringLiteral("Succeed to receive!")}));
    EXPECT_EQ(server.storedCount(), 0);
}

TEST_F(Pop3Fixture, LeaveACopyKeepsThemForTheNextReceive)
{
    for (const QByteArray& m : kMessages)
        server.deliver(m);
    EXPECT_TRUE(receive(account(true)).isEmpty());
    EXPECT_EQ(server.storedCount(), 3);
    EXPECT_TRUE(receive(account(true)).isEmpty());
    EXPECT_EQ(inboxFiles(inbox()).size(), 6);
    // The listing picks them up (they lack the parts the parser wants, so all are
    // remembered as non-messages) and writes the index.
    store.AddAccount(account(true));
    store.ListFolder(0, QStringLiteral("Inbox"));
    EXPECT_EQ(store.nonMessages().size(), 6);
    EXPECT_TRUE(QFileInfo::exists(inbox() + QStringLiteral("Index")));
}

TEST_F(Pop3Fixture, WrongPasswordStoresNothing)
{
    server.deliver(kMessages[0]);
    // A failed login is delayed by the server: a generous time-out.
    EXPECT_EQ(receive(account(false, QStringLiteral("wrong")), 60000),
              QStringList{QStringLiteral("The setting of the username or the password is error.")});
    EXPECT_TRUE(inboxFiles(inbox()).isEmpty());
    EXPECT_EQ(server.storedCount(), 1);
}

TEST_F(Pop3Fixture, CancelDuringALargeMessageEndsTheReceive)
{
    QByteArray big = "From: a@x\nTo: b@y\nSubject: big\n\n";
    const QByteArray line = QByteArray(76, 'z') + "\n";
    while (big.size() < 40 * 1024 * 1024)
        big += line;
    server.deliver(kMessages[1]);
    server.deliver(big);
    for (int i = 0; i < 50; ++i)
        server.deliver(kMessages[2]);
    MailReceiver receiver;
    QSignalSpy messages(&receiver, &MailReceiver::message);
    QSignalSpy finished(&receiver, &MailReceiver::finished);
    QSignalSpy folder(&receiver, &MailReceiver::folderChanged);
    // Cancel as soon as the large transfer is under way (from the worker's own report).
    QObject::connect(&receiver, &MailReceiver::progress, &receiver, [&](int number, int, int percent) {
        if (number == 2 && percent >= 1)
            receiver.Abort();
    }, Qt::DirectConnection);
    ASSERT_TRUE(receiver.start(account(true), program.path()));
    ASSERT_TRUE(waitFor([&] { return finished.size() == 1; }, 30000));
    // The first message stays stored, the partial one is gone, nothing else was fetched,
    // and not one message box came of it.
    const QStringList files = inboxFiles(inbox());
    ASSERT_EQ(files.size(), 1);
    EXPECT_EQ(QFile(inbox() + files[0]).size(), crlf(kMessages[1]).size());
    EXPECT_TRUE(messages.isEmpty()) << messages[0][0].toString().toStdString();
    EXPECT_EQ(folder.size(), 1);
    EXPECT_EQ(server.storedCount(), 52);
}

namespace {

struct SmtpFixture : ::testing::Test
{
    TempDir program;
    LocaleTextCodec codec{"UTF-8"};
    SmtpServer server;
    MailParser parser{program.path(), codec};

    void SetUp() override
    {
        ASSERT_TRUE(server.start());
        QDir().mkpath(drafts());
        QDir().mkpath(program.path() + QStringLiteral("Ann/Sent"));
    }
    QString drafts() const { return program.path() + QStringLiteral("Ann/Drafts/"); }
    MailAccount account(const QString& password = QStringLiteral("secret")) const
    {
        MailAccount a;
        a.userName = QStringLiteral("Ann");
        a.smtpServer = QStringLiteral("127.0.0.1");
        a.smtpPort = server.port();
        a.pop3Account = QStringLiteral("testuser");
        a.password = password;
        a.senderName = QStringLiteral("Ann");
        a.mailAddress = QStringLiteral("ann@a.test");
        return a;
    }
    QString attachment(const QString& name, qint64 size)
    {
        QByteArray b(size, Qt::Uninitialized);
        for (qint64 i = 0; i < size; ++i)
            b[i] = char((i * 2654435761u) >> 13);
        program.write(name, b);
        return program.file(name);
    }
    // Saves and sends a draft; returns the progress texts and the draft's path.
    QStringList send(const MailAccount& a, const ComposedMail& m, QString* draft, int timeoutMs = 60000)
    {
        const DraftComposer::Result saved = DraftComposer::SaveDraft(a, m, drafts(), false, codec);
        EXPECT_TRUE(saved.saved) << saved.message.toStdString();
        *draft = saved.path;
        MailSender sender;
        QSignalSpy texts(&sender, &MailSender::progressText);
        QSignalSpy reports(&sender, &MailSender::progress);
        QSignalSpy finished(&sender, &MailSender::finished);
        EXPECT_TRUE(sender.start(saved.path));
        EXPECT_FALSE(sender.start(saved.path)); // one send at a time
        EXPECT_TRUE(waitFor([&] { return finished.size() == 1; }, timeoutMs));
        progress.clear();
        for (const auto& r : reports)
            progress.append({r[0].toInt(), r[1].toInt(), r[2].toInt()});
        QStringList out;
        for (const auto& t : texts)
            out << t[0].toString();
        return out;
    }
    struct Report { int number, total, percent; };
    QList<Report> progress; // of the last send
    MailRecord storedRecord(int n)
    {
        program.write(QStringLiteral("got.eml"), server.message(n));
        const MailParser::Result r = parser.Parse(program.file(QStringLiteral("got.eml")));
        EXPECT_TRUE(std::holds_alternative<MailRecord>(r));
        return std::holds_alternative<MailRecord>(r) ? std::get<MailRecord>(r) : MailRecord{};
    }
    QByteArray extracted(int k)
    {
        EXPECT_TRUE(parser.ExtractAttachment(program.file(QStringLiteral("got.eml")), k, program.file(QStringLiteral("x.bin"))));
        return program.read(QStringLiteral("x.bin"));
    }
};

} // namespace

TEST_F(SmtpFixture, AMessageWithAttachmentsArrivesIntactAndMovesToSent)
{
    const QList<qint64> sizes{0, 3, 11400, 11401};
    ComposedMail m;
    m.receiverText = QStringLiteral("bea@b.test,cy@c.test");
    m.subject = QStringLiteral("Four files");
    m.body = QStringLiteral("Hello\n.a line with a leading dot\n.\nend");
    for (qint64 s : sizes)
        m.attachments << attachment(QStringLiteral("f%1.bin").arg(s), s);
    QString draft;
    const QStringList texts = send(account(), m, &draft);
    EXPECT_EQ(texts.last(), QStringLiteral("The mail is successfully sent."));
    ASSERT_EQ(server.receivedCount(), 1);
    EXPECT_TRUE(server.envelope(1).contains("\"to\": [\"bea@b.test\", \"cy@c.test\"]")) << server.envelope(1).constData();

    const QByteArray data = server.message(1);
    EXPECT_TRUE(data.contains("\r\nTo:<bea@b.test>,<cy@c.test>\r\nCc:\r\n"));
    EXPECT_TRUE(data.contains("\r\nContent-type:text/plain;Charset=UTF-8\r\n"));
    const MailRecord r = storedRecord(1);
    EXPECT_EQ(r.bodyText, QStringLiteral("Hello\r\n.a line with a leading dot\r\n.\r\nend\r\n\r\n"));
    EXPECT_EQ(r.attachments, (QStringList{QStringLiteral("f3.bin"), QStringLiteral("f11400.bin"), QStringLiteral("f11401.bin")}));
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(extracted(k), program.read(QStringLiteral("f%1.bin").arg(sizes[k + 1]))) << k;

    // The draft went to Sent and its companion file is gone.
    const QString name = QFileInfo(draft).fileName();
    EXPECT_FALSE(QFileInfo::exists(draft));
    EXPECT_FALSE(QFileInfo::exists(draft + QStringLiteral(".bak")));
    EXPECT_TRUE(QFileInfo::exists(program.path() + QStringLiteral("Ann/Sent/") + name));
}

TEST_F(SmtpFixture, HtmlOnlyChangesTheContentType)
{
    ComposedMail m;
    m.receiverText = QStringLiteral("bea@b.test");
    m.body = QStringLiteral("<p>hi</p>");
    m.html = true;
    QString draft;
    EXPECT_EQ(send(account(), m, &draft).last(), QStringLiteral("The mail is successfully sent."));
    const QByteArray data = server.message(1);
    EXPECT_TRUE(data.contains("\r\nContent-type:text/html;Charset=UTF-8\r\n"));
    EXPECT_FALSE(data.contains("text/plain"));
}

TEST_F(SmtpFixture, RefusedPasswordLeavesTheDraft)
{
    ComposedMail m;
    m.receiverText = QStringLiteral("bea@b.test");
    m.body = QStringLiteral("x");
    QString draft;
    EXPECT_EQ(send(account(QStringLiteral("wrong")), m, &draft).last(),
              QStringLiteral("The setting of the username or the password is error."));
    EXPECT_TRUE(QFileInfo::exists(draft));
    EXPECT_TRUE(QFileInfo::exists(draft + QStringLiteral(".bak")));
    EXPECT_EQ(server.receivedCount(), 0);
}

TEST_F(SmtpFixture, FiftyMegabyteAttachment)
{
    ComposedMail m;
    m.receiverText = QStringLiteral("bea@b.test");
    m.body = QStringLiteral("big");
    m.attachments << attachment(QStringLiteral("big.bin"), 50 * 1024 * 1024);
    QString draft;
    EXPECT_EQ(send(account(), m, &draft, 120000).last(), QStringLiteral("The mail is successfully sent."));
    ASSERT_TRUE(waitFor([&] { return server.receivedCount() == 1; }, 10000));
    // Progress: (1, 0) first, then the attachment's percent in steps of more than 1,
    // and (1, 100) once the server has answered QUIT.
    ASSERT_GE(progress.size(), 3);
    EXPECT_EQ(progress.first().percent, 0);
    EXPECT_EQ(progress.last().percent, 100);
    for (qsizetype i = 1; i + 1 < progress.size(); ++i) {
        EXPECT_EQ(progress[i].number, 1);
        EXPECT_EQ(progress[i].total, 1);
        EXPECT_GT(progress[i].percent - (i > 1 ? progress[i - 1].percent : 0), 1) << i;
    }
    storedRecord(1);
    EXPECT_TRUE(extracted(0) == program.read(QStringLiteral("big.bin")));
}

TEST_F(SmtpFixture, AnAttachmentThatCannotBeOpenedStopsTheSend)
{
    ComposedMail m;
    m.receiverText = QStringLiteral("bea@b.test");
    m.body = QStringLiteral("x");
    m.attachments << attachment(QStringLiteral("gone.bin"), 200000);
    const DraftComposer::Result saved = DraftComposer::SaveDraft(account(), m, drafts(), false, codec);
    ASSERT_TRUE(saved.saved);
    QFile::remove(m.attachments[0]);
    MailSender sender;
    QSignalSpy texts(&sender, &MailSender::progressText);
    QSignalSpy finished(&sender, &MailSender::finished);
    ASSERT_TRUE(sender.start(saved.path));
    ASSERT_TRUE(waitFor([&] { return finished.size() == 1; }, 30000));
    EXPECT_FALSE(finished[0][0].toBool());
    EXPECT_EQ(texts.last()[0].toString(), QStringLiteral("The attachment \"%1\" cannot be opened.").arg(m.attachments[0]));
    EXPECT_TRUE(QFileInfo::exists(saved.path));
    EXPECT_TRUE(QFileInfo::exists(saved.path + QStringLiteral(".bak")));
    EXPECT_EQ(server.receivedCount(), 0);
}

TEST_F(SmtpFixture, CancelDuringALargeAttachmentKeepsTheDraft)
{
    ComposedMail m;
    m.receiverText = QStringLiteral("bea@b.test");
    m.body = QStringLiteral("x");
    m.attachments << attachment(QStringLiteral("large.bin"), 30 * 1024 * 1024);
    const DraftComposer::Result saved = DraftComposer::SaveDraft(account(), m, drafts(), false, codec);
    ASSERT_TRUE(saved.saved);
    MailSender sender;
    QSignalSpy texts(&sender, &MailSender::progressText);
    QSignalSpy finished(&sender, &MailSender::finished);
    // Cancel once the attachment is under way (from the worker's own report).
    QObject::connect(&sender, &MailSender::progress, &sender, [&](int, int, int percent) {
        if (percent > 1)
            sender.Abort();
    }, Qt::DirectConnection);
    ASSERT_TRUE(sender.start(saved.path));
    ASSERT_TRUE(waitFor([&] { return finished.size() == 1; }, 60000));
    EXPECT_EQ(texts.last()[0].toString(), QStringLiteral("The mail is unsuccessfully sent."));
    EXPECT_TRUE(QFileInfo::exists(saved.path));
    EXPECT_TRUE(QFileInfo::exists(saved.path + QStringLiteral(".bak")));
    EXPECT_EQ(server.receivedCount(), 0);
}
