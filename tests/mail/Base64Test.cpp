#include "mail/Base64.h"

#include <gtest/gtest.h>

TEST(Base64, EncodesWithPaddingAndLineBreaks)
{
    struct Case { QByteArray in, out; } cases[] = {
        {"", ""},
        {"a", "YQ=="},
        {"ab", "YWI="},
        {"abc", "YWJj"},
        {"\xff\xfe\xfd", "//79"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Base64Encode(c.in), c.out) << c.in.constData();

    // 57 bytes fill one line of 76 characters, which gets its CRLF; a short last line none.
    const QByteArray line(57, 'x');
    EXPECT_EQ(Base64Encode(line).size(), 78);
    EXPECT_TRUE(Base64Encode(line).endsWith("\r\n"));
    const QByteArray more = Base64Encode(line + "abc");
    EXPECT_EQ(more, Base64Encode(line) + "YWJj");
    // One 11400-byte block: 200 lines of 76 characters, each ending in CRLF.
    const QByteArray block = Base64Encode(QByteArray(11400, '\x01'));
    EXPECT_EQ(block.size(), 200 * 78);
    EXPECT_EQ(block.count("\r\n"), 200);
    EXPECT_FALSE(Base64EncodeLine(QByteArray(100, 'y')).contains('\r'));
}

TEST(Base64, DecodesTheRulesOfTheCoder)
{
    struct Case { QByteArray in, out; } cases[] = {
        {"YWJj", "abc"},
        {"YQ==", "a"},
        {"YWI=", "ab"},
        {"\r\nYWJj\r\nYWJj", "abcabc"},     // line ends where a group starts are skipped
        {"YQ==YWJj", "aabc"},               // "=" ends only its own group
        {"Y!Jj", QByteArray("\x60\x02\x63", 3)}, // outside the alphabet counts as 0
        {"YW", "a"},                        // a short last group gives what it holds
        {"Y", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Base64Decode(c.in), c.out) << c.in.constData();
}

TEST(Base64, RoundTripsAnyBytesAndDecodesPieceByPiece)
{
    QByteArray all;
    for (int i = 0; i < 5000; ++i)
        all.append(char((i * 7919) & 0xff));
    for (int n : {0, 1, 2, 3, 56, 57, 58, 11399, 11400, 11401})
        EXPECT_EQ(Base64Decode(Base64Encode(all.left(n))), all.left(n)) << n;

    const QByteArray text = Base64Encode(all);
    for (qsizetype step : {1, 3, 77, 78, 1000}) {
        Base64Decoder d;
        QByteArray out;
        for (qsizetype i = 0; i < text.size(); i += step)
            d.feed(text.mid(i, step), out);
        d.finish(out);
        EXPECT_EQ(out, all) << step;
    }
}
