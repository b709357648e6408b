#include "mail/Base64.h"
#include "mail/DraftRecord.h"
#include "mail/MailAccount.h"
#include "mail/Pop3Client.h"
#include "mail/SmtpClient.h"

#include "storage/DataArchive.h"
#include "support/TempDir.h"
#include "platform/TextCodec.h"

#include <QDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

QByteArray lines(std::initializer_list<const char*> list)
{
    QByteArray b;
    for (const char* l : list)
        b += QByteArray(l) + "\r\n";
    return b;
}

// The data of the worked example: one attachment a.txt holding abc, no copy, body "Hi".
QByteArray exampleData(const char* charset)
{
    return lines({"From:Ann<ann@a.test>", "To:<bea@b.test>", "Cc:", "Subject:Test", "MIME-Version:1.0", "X-Mailer:",
                  "Content-type:multipart/mixed;Boundary=", "", ""})
        + "Content-type:text/plain;Charset=" + charset + "\r\n"
        + lines({"Content-Transfer-Encoding:8bit", "", "Hi", "", "--", "Content-Type:application/octet-stream;Name=a.txt",
                 "Content-Disposition:attachment;FileName=a.txt", "Content-Transfer-Encoding:Base64", "", "YWJj", "", "----"});
}

MailAccount account()
{
    MailAccount a;
    a.smtpServer = QStringLiteral("127.0.0.1");
    a.smtpPort = 2525;
    a.pop3Account = QStringLiteral("testuser");
    a.password = QStringLiteral("secret");
    a.senderName = QStringLiteral("Ann");
    a.mailAddress = QStringLiteral("ann@a.test");
    a.userName = QStringLiteral("Ann");
    return a;
}

mode_t modeOf(const QString& path)
{
    struct stat st;
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_mode & 0777 : 0;
}

} // namespace

TEST(MailLayout, TheWorkedExampleComesOutExactly)
{
    TempDir dir;
    dir.write(QStringLiteral("a.txt"), "abc");
    for (const char* charset : {"gb2312", "UTF-8"}) {
        LocaleTextCodec codec{QByteArray(charset)};
        OutgoingMail m;
        m.fromAddress = QStringLiteral("ann@a.test");
        m.to = {QStringLiteral("bea@b.test")};
        m.senderName = QStringLiteral("Ann");
        m.subject = QStringLiteral("Test");
        m.body = QStringLiteral("Hi");
        m.attachments = {dir.file(QStringLiteral("a.txt"))};
        m.toFile = true;
        m.filePath = dir.file(QStringLiteral("d.eml"));
        ASSERT_TRUE(SmtpClient(codec).WriteMessage(m));
        // The draft holds the envelope lines, the data and the end, but no DATA line.
        EXPECT_EQ(dir.read(QStringLiteral("d.eml")),
                  "MAIL FROM:<ann@a.test>\r\nRCPT To:<bea@b.test>\r\n" + exampleData(charset) + ".\r\n")
            << charset;
    }
}

TEST(MailLayout, AddressListsHtmlAndBlocks)
{
    struct Split { QString in; QStringList out; } splits[] = {
        {QStringLiteral("a@x,b@y"), {QStringLiteral("a@x"), QStringLiteral("b@y")}},
        {QStringLiteral("a@x, b@y"), {QStringLiteral("a@x"), QStringLiteral(" b@y")}},
        {QStringLiteral("a@x,,b@y"), {QStringLiteral("a@x"), QString(), QStringLiteral("b@y")}},
        {QStringLiteral("a@x,"), {QStringLiteral("a@x")}},
        {QStringLiteral(","), {QStringLiteral(",")}},
        {QStringLiteral("a"), {}},
        {QString(), {}},
    };
    for (const Split& s : splits)
        EXPECT_EQ(SplitAddresses(s.in), s.out) << s.in.toStdString();

    TempDir dir;
    LocaleTextCodec codec("UTF-8");
    QByteArray exact(11400, 'x');
    dir.write(QStringLiteral("exact.bin"), exact);
    OutgoingMail m;
    m.fromAddress = QStringLiteral("f@x");
    m.to = SplitAddresses(QStringLiteral("a@x, b@y"));
    m.senderName = QStringLiteral("F");
    m.body = QStringLiteral("<b>x</b>");
    m.html = true;
    m.attachments = {dir.file(QStringLiteral("exact.bin"))};
    m.toFile = true;
    m.filePath = dir.file(QStringLiteral("h.eml"));
    ASSERT_TRUE(SmtpClient(codec).WriteMessage(m));
    const QByteArray d = dir.read(QStringLiteral("h.eml"));
    EXPECT_TRUE(d.contains("\r\nTo:<a@x>,< b@y>\r\nCc:\r\n"));
    EXPECT_TRUE(d.contains("\r\nContent-type:text/html;Charset=UTF-8\r\n"));
    // Exactly one block: 200 lines and then at once the closing delimiter.
    const qsizetype start = d.indexOf("Base64\r\n\r\n") + 10;
    EXPECT_EQ(d.mid(start), Base64Encode(exact) + "----\r\n.\r\n");
    EXPECT_EQ(modeOf(m.filePath), 0600u);
}

TEST(MailLayout, DotStuffingOnTheWireOnly)
{
    struct Case { QList<QByteArray> pieces; QByteArray out; } cases[] = {
        {{"a\r\n.b\r\n"}, "a\r\n..b\r\n"},
        {{".\r\n"}, "..\r\n"},
        {{"x\r\n", ".y"}, "x\r\n..y"},
        {{"x", ".y\r\n"}, "x.y\r\n"},
        {{"a.\r\n..\r\n"}, "a.\r\n...\r\n"},
    };
    for (const Case& c : cases) {
        DotStuffer s;
        QByteArray out;
        for (const QByteArray& p : c.pieces)
            s.apply(p, out);
        EXPECT_EQ(out, c.out);
    }
}

TEST(Pop3Data, TerminatorAndUnstuffingAcrossAnySplit)
{
    // Split anywhere, the reply gives the message unstuffed, without its terminating line,
    // and leaves the bytes of the next reply untouched.
    const QByteArray wire = "Subject: x\r\n\r\n..leading dot\r\n...two\r\nend\r\n.\r\n+OK next";
    for (qsizetype cut = 0; cut <= wire.size(); ++cut) {
        Pop3DataReader r;
        QByteArray out, pending;
        for (const QByteArray& piece : {wire.left(cut), wire.mid(cut)}) {
            pending += piece;
            pending.remove(0, r.feed(pending.constData(), pending.size(), out));
            if (r.done())
                break;
        }
        ASSERT_TRUE(r.done()) << cut;
        EXPECT_EQ(out, "Subject: x\r\n\r\n.leading dot\r\n..two\r\nend\r\n") << cut;
        EXPECT_TRUE(QByteArray("+OK next").startsWith(pending)) << cut;
    }

    struct Case { QByteArray wire, out; bool done; } cases[] = {
        {".\r\n", "", true},
        {"a\n.\n", "a\n", true},
        {"no end\r\n", "no end\r\n", false},
        {"..\r\n.\r\n", ".\r\n", true},
        {".x\r\n.\r\n", "x\r\n", true},
    };
    for (const Case& c : cases) {
        Pop3DataReader r;
        QByteArray out;
        r.feed(c.wire.constData(), c.wire.size(), out);
        EXPECT_EQ(out, c.out) << c.wire.constData();
        EXPECT_EQ(r.done(), c.done) << c.wire.constData();
    }

    struct Tok { QByteArray line; QList<QByteArray> tokens; qint64 third; } toks[] = {
        {"+OK 3 4500", {"+OK", "3", "4500"}, 4500},
        {"+OK  1   320x", {"+OK", "1", "320x"}, 320},
    };
    for (const Tok& t : toks) {
        EXPECT_EQ(Pop3Client::tokens(t.line), t.tokens);
        EXPECT_EQ(Pop3Client::leadingNumber(Pop3Client::tokens(t.line)[2]), t.third);
    }
    EXPECT_EQ(Pop3Client::leadingNumber("99999999999999999999999"), Pop3Client::leadingNumber("9999999999999999999"));
}

TEST(Drafts, TheSevenChecksInOrder)
{
    TempDir dir;
    LocaleTextCodec codec("UTF-8");
    ComposedMail mail{QStringLiteral("bea@b.test"), QString(), QStringLiteral("S"), QStringLiteral("B"), {}, false};
    struct Case { void (*spoil)(MailAccount&, ComposedMail&, bool&); const char* message; } cases[] = {
        {[](MailAccount&, ComposedMail&, bool& sending) { sending = true; }, "Now, it is sending."},
        {[](MailAccount& a, ComposedMail&, bool&) { a.smtpServer.clear(); }, "The setting of the smtp server's IP address is error"},
        {[](MailAccount& a, ComposedMail&, bool&) { a.smtpPort = 0; }, "The setting of the smtp server's port is error"},
        {[](MailAccount& a, ComposedMail&, bool&) { a.pop3Account.clear(); }, "The setting of the username is error."},
        {[](MailAccount& a, ComposedMail&, bool&) { a.password.clear(); }, "The setting of the password is error."},
        {[](MailAccount& a, ComposedMail&, bool&) { a.senderName.clear(); }, "The setting of the sender's name is error."},
        {[](MailAccount& a, ComposedMail&, bool&) { a.mailAddress.clear(); }, "The setting of the sender's E-Mail is error."},
        {[](MailAccount&, ComposedMail& m, bool&) { m.receiverText.clear(); }, "The setting of the receiver's E-Mail is error."},
        {[](MailAccount&, ComposedMail& m, bool&) { m.attachments = {QStringLiteral("/nonexistent/x.bin")}; },
         "The attachment \"/nonexistent/x.bin\" cannot be opened."},
    };
    for (const Case& c : cases) {
        MailAccount a = account();
        ComposedMail m = mail;
        bool sending = false;
        c.spoil(a, m, sending);
        // Spoil everything after this check too, to prove the order.
        const DraftComposer::Result r = DraftComposer::SaveDraft(a, m, dir.path(), sending, codec);
        EXPECT_FALSE(r.saved);
        EXPECT_EQ(r.message, QLatin1String(c.message));
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty()) << c.message; // nothing half-written
    }
    MailAccount a = account();
    a.smtpServer.clear();
    a.password.clear();
    EXPECT_EQ(DraftComposer::SaveDraft(a, mail, dir.path(), false, codec).message,
              QStringLiteral("The setting of the smtp server's IP address is error"));
}

TEST(Drafts, SavedDraftAndCompanionFile)
{
    TempDir dir;
    LocaleTextCodec codec("UTF-8");
    dir.write(QStringLiteral("a.txt"), "abc");
    ComposedMail mail{QStringLiteral("bea@b.test,cy@c.test"), QStringLiteral("dd@d.test"), QStringLiteral("Subj"),
                      QStringLiteral("Body"), {dir.file(QStringLiteral("a.txt"))}, true};
    const DraftComposer::Result r = DraftComposer::SaveDraft(account(), mail, dir.path(), false, codec);
    ASSERT_TRUE(r.saved) << r.message.toStdString();
    EXPECT_EQ(r.path, dir.path() + r.fileName);
    EXPECT_TRUE(r.fileName.endsWith(QLatin1String(".eml")));
    const QByteArray draft = dir.read(r.fileName);
    EXPECT_TRUE(draft.startsWith("MAIL FROM:<ann@a.test>\r\nRCPT To:<bea@b.test>\r\nRCPT To:<cy@c.test>\r\nRCPT To:<dd@d.test>\r\n"));
    EXPECT_TRUE(draft.endsWith("----\r\n.\r\n"));
    EXPECT_FALSE(draft.contains("DATA"));

    // The companion file, byte-exact, owner-only.
    const QString bak = r.path + QStringLiteral(".bak");
    EXPECT_EQ(modeOf(bak), 0600u);
    QByteArray expected;
    auto str = [&](const QString& s) { expected += ArchiveString::encode(s); };
    auto num = [&](qint32 v) {
        for (int i = 0; i < 4; ++i)
            expected += char((quint32(v) >> (8 * i)) & 0xff);
    };
    str(QStringLiteral("127.0.0.1"));
    str(QStringLiteral("testuser"));
    str(QStringLiteral("secret"));
    str(QStringLiteral("ann@a.test"));
    str(mail.receiverText);
    str(mail.copyText);
    str(QStringLiteral("Ann"));
    str(QString());
    str(mail.subject);
    str(mail.body);
    num(2525);
    num(1);
    num(1);
    str(dir.file(QStringLiteral("a.txt")));
    EXPECT_EQ(dir.read(r.fileName + QStringLiteral(".bak")), expected);
    DraftRecord back;
    ASSERT_TRUE(DraftRecord::load(bak, back));
    EXPECT_EQ(back.receiverText, mail.receiverText);
    EXPECT_EQ(back.attachments, mail.attachments);
    EXPECT_EQ(back.html, 1);
}
