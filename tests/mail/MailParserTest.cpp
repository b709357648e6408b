#include "mail/MailParser.h"

#include "mail/Base64.h"
#include "mail/DraftRecord.h"
#include "mail/SmtpClient.h"
#include "support/TempDir.h"
#include "platform/TextCodec.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

struct ParserFixture : ::testing::Test
{
    TempDir dir;
    LocaleTextCodec codec{"UTF-8"};
    MailParser parser{dir.path(), codec};

    MailParser::Result parse(const QByteArray& bytes)
    {
        dir.write(QStringLiteral("m.eml"), bytes);
        return parser.Parse(dir.file(QStringLiteral("m.eml")));
    }
    MailRecord mail(const QByteArray& bytes)
    {
        const MailParser::Result r = parse(bytes);
        EXPECT_TRUE(std::holds_alternative<MailRecord>(r));
        return std::holds_alternative<MailRecord>(r) ? std::get<MailRecord>(r) : MailRecord{};
    }
    bool rejected(const QByteArray& bytes) { return std::holds_alternative<NonMailRecord>(parse(bytes)); }
};

const QByteArray kHead = "From: Ann <a@x>\r\nTo: <b@y>\r\nSubject: Hi\r\nDate: Mon, 1 Jan 2024 10:00:00 +0000\r\n";

// Base64 of text, as an encoded word.
QByteArray word(const char* text)
{
    return "=?utf-8?B?" + Base64EncodeLine(QByteArray(text)) + "?=";
}

} // namespace

TEST_F(ParserFixture, HeaderValuesAndTheirDecoding)
{
    struct Case { QString in, out; } cases[] = {
        {QStringLiteral("  plain  "), QStringLiteral("plain")},
        {QString::fromLatin1(word("Grüße")), QStringLiteral("Grüße")},
        {QStringLiteral("Re: ") + QString::fromLatin1(word("x")), QStringLiteral("x")}, // text before the word is lost
        {QStringLiteral("what?"), QStringLiteral("what?")},                              // one "?" is no encoded word
        {QString::fromLatin1("=?gb2312?B?" + Base64EncodeLine(QByteArray(300, 'L')) + "?="), QString(300, QLatin1Char('L'))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(parser.DecodeHeader(c.in), c.out) << c.in.toStdString();

    const MailRecord r = mail("Subject: " + word("Über") + "\r\nTo: " + word("Bea") + " <b@y>\r\nFrom: Ann <a@x>\r\n"
                              "Content-Transfer-Encoding: 8bit\r\n\r\nText\r\n--\r\n");
    EXPECT_EQ(r.subject, QStringLiteral("Über")); // found on the very first line too
    EXPECT_EQ(r.sender, QStringLiteral("Ann <a@x>"));
    EXPECT_EQ(r.date, QString());
    EXPECT_EQ(r.state, QStringLiteral("all"));
}

TEST_F(ParserFixture, BodyAndRejections)
{
    const MailRecord r = mail(kHead + "Content-Transfer-Encoding: 8bit\r\n\r\nLine one\r\nLine -- two\r\n");
    EXPECT_EQ(r.bodyText, QStringLiteral("Line one\r\nLine ")); // cut at the first "--"
    EXPECT_EQ(r.date, QStringLiteral("Mon, 1 Jan 2024 10:00:00 +0000"));
    EXPECT_EQ(r.size, qint32(QFileInfo(dir.file(QStringLiteral("m.eml"))).size()));
    EXPECT_EQ(r.path, dir.file(QStringLiteral("m.eml")));

    const QByteArray b64 = "Content-Transfer-Encoding: base64\r\n\r\n" + Base64Encode("decoded text") + "\r\n--b\r\n";
    EXPECT_EQ(mail(kHead + b64).bodyText, QStringLiteral("decoded text"));
    QByteArray capital = b64;
    capital.replace("base64", "Base64");
    EXPECT_EQ(mail(kHead + capital).bodyText, QString::fromLatin1(Base64Encode("decoded text") + "\r\n"));

    EXPECT_TRUE(rejected(kHead + "Content-Transfer-Encoding: 7bit\r\n\r\nNo delimiter at all.\r\n"));
    EXPECT_TRUE(rejected("From: a@x\r\nTo: undisclosed-recipients:;\r\nCc: c@z\r\n\r\n--\r\n"));
    EXPECT_TRUE(rejected(""));
    EXPECT_TRUE(std::holds_alternative<std::monostate>(parser.Parse(dir.file(QStringLiteral("missing.eml")))));
}

TEST_F(ParserFixture, OurOwnDraftReadsBack)
{
    dir.write(QStringLiteral("a.txt"), "abc");
    dir.write(QStringLiteral("empty.bin"), "");
    QByteArray big;
    for (int i = 0; i < 11401; ++i)
        big.append(char(i * 31));
    dir.write(QStringLiteral("big.bin"), big);
    OutgoingMail m;
    m.fromAddress = QStringLiteral("ann@x");
    m.to = {QStringLiteral("b@y"), QStringLiteral("c@z")};
    m.senderName = QStringLiteral("Ann");
    m.subject = QStringLiteral("Test");
    m.body = QStringLiteral("Hi\n.dot line");
    m.attachments = {dir.file(QStringLiteral("a.txt")), dir.file(QStringLiteral("empty.bin")), dir.file(QStringLiteral("big.bin"))};
    m.toFile = true;
    m.filePath = dir.file(QStringLiteral("d.eml"));
    SmtpClient writer(codec);
    ASSERT_TRUE(writer.WriteMessage(m));

    const MailParser::Result res = parser.Parse(m.filePath);
    ASSERT_TRUE(std::holds_alternative<MailRecord>(res));
    const MailRecord r = std::get<MailRecord>(res);
    EXPECT_EQ(r.sender, QStringLiteral("Ann<ann@x>"));
    EXPECT_EQ(r.subject, QStringLiteral("Test"));
    EXPECT_EQ(r.date, QString());
    EXPECT_EQ(r.bodyText, QStringLiteral("Hi\r\n.dot line\r\n\r\n"));
    // The empty attachment is not listed.
    EXPECT_EQ(r.attachments, (QStringList{QStringLiteral("a.txt"), QStringLiteral("big.bin")}));

    ASSERT_TRUE(parser.ExtractAttachment(m.filePath, 0, dir.file(QStringLiteral("out0"))));
    EXPECT_EQ(dir.read(QStringLiteral("out0")), "abc");
    ASSERT_TRUE(parser.ExtractAttachment(m.filePath, 1, dir.file(QStringLiteral("out1"))));
    EXPECT_EQ(dir.read(QStringLiteral("out1")), big);
    EXPECT_FALSE(parser.ExtractAttachment(m.filePath, 2, dir.file(QStringLiteral("out2"))));
    EXPECT_FALSE(dir.exists(MailParser::scratchName()));

    // A destination that cannot be created: the fallback file in the program directory.
    ASSERT_TRUE(parser.ExtractAttachment(m.filePath, 0, dir.file(QStringLiteral("no/such/dir/a.txt"))));
    EXPECT_EQ(dir.read(QStringLiteral("file0")), "abc");
}

TEST_F(ParserFixture, RealWorldShapes)
{
    // Multipart as a common mail client writes it: a boundary, a quoted file name, a
    // text part in quoted-printable, an attachment with padding.
    const QByteArray client =
        "Return-Path: <ann@example.org>\r\n"
        "Message-ID: <1@example.org>\r\n"
        "Date: Tue, 2 Jan 2024 09:30:00 +0100\r\n"
        "MIME-Version: 1.0\r\n"
        "User-Agent: Mozilla Thunderbird\r\n"
        "To: Bea <bea@example.net>\r\n"
        "From: Ann <ann@example.org>\r\n"
        "Subject: " + word("Bericht für März") + "\r\n"
        "Content-Type: multipart/mixed;\r\n boundary=\"------------0123456789\"\r\n"
        "\r\n"
        "This is a multi-part message in MIME format.\r\n"
        "--------------0123456789\r\n"
        "Content-Type: text/plain; charset=UTF-8; format=flowed\r\n"
        "Content-Transfer-Encoding: 7bit\r\n"
        "\r\n"
        "See the file.\r\n"
        "\r\n"
        "--------------0123456789\r\n"
        "Content-Type: application/pdf; name=\"report.pdf\"\r\n"
        "Content-Disposition: attachment; filename=\"report.pdf\"\r\n"
        "Content-Transfer-Encoding: base64\r\n"
        "\r\n" + Base64Encode("%PDF-1.4 tiny") + "\r\n"
        "\r\n"
        "--------------0123456789--\r\n";
    const MailRecord r = mail(client);
    EXPECT_EQ(r.sender, QStringLiteral("Ann <ann@example.org>"));
    EXPECT_EQ(r.subject, QStringLiteral("Bericht für März"));
    EXPECT_EQ(r.bodyText, QStringLiteral("See the file.\r\n\r\n"));
    EXPECT_EQ(r.attachments, QStringList{QStringLiteral("report.pdf")});
    ASSERT_TRUE(parser.ExtractAttachment(dir.file(QStringLiteral("m.eml")), 0, dir.file(QStringLiteral("r.pdf"))));
    EXPECT_EQ(dir.read(QStringLiteral("r.pdf")), "%PDF-1.4 tiny");

    // A base64 text part of a single-part message ending in its delimiter.
    const QByteArray b64 = kHead + "Content-Type: text/plain; charset=utf-8\r\nContent-Transfer-Encoding: base64\r\n\r\n"
        + Base64Encode("Grüße aus Köln") + "\r\n--end\r\n";
    EXPECT_EQ(mail(b64).bodyText, QStringLiteral("Grüße aus Köln"));

    // A folded Content-Disposition header still names its file.
    QByteArray folded = client;
    folded.replace("Content-Disposition: attachment; filename=\"report.pdf\"",
                   "Content-Disposition: attachment;\r\n filename=\"report.pdf\"");
    EXPECT_EQ(mail(folded).attachments, QStringList{QStringLiteral("report.pdf")});
}

// Attachment names from received messages, as proposed when saving.
TEST(MailParserNames, PlainFileName)
{
    const struct { const char16_t* in; const char16_t* out; } cases[] = {
        {u"report.pdf", u"report.pdf"},
        {u"../../evil.txt", u"evil.txt"},
        {u"/etc/passwd", u"passwd"},
        {u"C:\\Windows\\win.ini", u"win.ini"},
        {u"a\u0001b\tc\u007f.txt", u"abc.txt"},
        {u"..", u"attachment"},
        {u"dir/", u"attachment"},
        {u"  spaced name.doc ", u"spaced name.doc"},
        {u"", u"attachment"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MailParser::plainFileName(QString::fromUtf16(c.in)), QString::fromUtf16(c.out)) << QString::fromUtf16(c.in).toStdString();
}
