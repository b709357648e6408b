#include "mail/MailStamp.h"

#include "support/TempDir.h"

#include <QSet>
#include <QTimeZone>
#include <gtest/gtest.h>

namespace {
QDateTime utc(int y, int mo, int d, int h, int mi, int s, int ms)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s, ms), QTimeZone::utc());
}
} // namespace

TEST(MailStamp, IsTheTimeInUtcPlusEight)
{
    struct Case { QDateTime at; const char* stamp; } cases[] = {
        {utc(2006, 3, 5, 0, 7, 9, 45), "200603050807" "09" "45"},
        {utc(2006, 3, 5, 0, 7, 9, 5), "20060305080709" "05"},
        {utc(2006, 3, 5, 0, 7, 9, 123), "20060305080709" "123"},
        {utc(2006, 3, 5, 0, 7, 9, 0), "20060305080709" "00"},
        {utc(2006, 12, 31, 20, 0, 0, 10), "20070101040000" "10"}, // the date turns over at 16:00 UTC
    };
    for (const Case& c : cases)
        EXPECT_EQ(MailStamp::format(c.at), QLatin1String(c.stamp));
}

TEST(MailStamp, NamesWithinOneMillisecondStayDistinct)
{
    TempDir dir;
    const QDateTime frozen = utc(2026, 1, 2, 3, 4, 5, 600);
    const auto now = [&] { return frozen; };
    QSet<QString> names;
    QString previous;
    for (int i = 0; i < 50; ++i) {
        const QString name = MailStamp::uniqueFileName(dir.path(), now);
        EXPECT_TRUE(name.endsWith(QLatin1String(".eml")));
        EXPECT_FALSE(names.contains(name));
        names.insert(name);
        if (i == 0) {
            EXPECT_EQ(name, MailStamp::format(frozen) + QLatin1String(".eml"));
        }
        EXPECT_GT(name, previous);
        previous = name;
    }
    // An existing file of that name is never replaced either.
    const QDateTime later = utc(2030, 1, 1, 0, 0, 0, 500);
    dir.write(MailStamp::format(later) + QLatin1String(".eml"), "kept");
    const QString next = MailStamp::uniqueFileName(dir.path(), [&] { return later; });
    EXPECT_NE(next, MailStamp::format(later) + QLatin1String(".eml"));
    EXPECT_EQ(dir.read(MailStamp::format(later) + QLatin1String(".eml")), "kept");
}
