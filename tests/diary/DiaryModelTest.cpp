// The diary's records and files, the state colours and the filter.
#include "diary/DiaryBook.h"
#include "diary/DiaryColors.h"
#include "diary/DiaryFilter.h"
#include "storage/DataArchive.h"
#include "support/TempDir.h"

#include <QFile>

#include <cstdlib>
#include <ctime>

#include <gtest/gtest.h>

namespace {

QByteArray le32(qint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((quint32(v) >> (8 * i)) & 0xFF);
    return b;
}

QByteArray str(const QString& s)
{
    return ArchiveString::encode(s);
}

DiaryEntry entry(qint64 start, const QString& title, const QString& schedule = QStringLiteral("on Schedule"))
{
    DiaryEntry e;
    e.startTime = start;
    e.expireTime = start + 86400;
    e.weather = QStringLiteral("Rain");
    e.schedule = schedule;
    e.title = title;
    e.content = QStringLiteral("line 1\r\nline 2");
    e.remark = QStringLiteral("r");
    return e;
}

QByteArray entryBytes(const DiaryEntry& e)
{
    return le32(qint32(e.startTime)) + le32(qint32(e.expireTime)) + str(e.weather) + str(e.schedule) + str(e.title)
        + str(e.content) + str(e.remark);
}

class LocalTimeUtc : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_old = qgetenv("TZ");
        qputenv("TZ", "UTC");
        tzset();
    }
    void TearDown() override
    {
        qputenv("TZ", m_old);
        tzset();
    }

private:
    QByteArray m_old;
};

} // namespace

TEST(DiaryFile, GoldenBytesOfTwoEntries)
{
    TempDir dir;
    DiaryBook book;
    book.entries = {entry(1700000000, QStringLiteral("Weekly plan")), entry(1700100000, QStringLiteral("Überblick"), QStringLiteral("Cancellation"))};
    ASSERT_TRUE(book.store(dir.file(QStringLiteral("Diary.tmp"))));
    const QByteArray expected = le32(2) + entryBytes(book.entries.at(0)) + entryBytes(book.entries.at(1));
    EXPECT_EQ(dir.read(QStringLiteral("Diary.tmp")).toHex(), expected.toHex());
    // One entry spelled out byte by byte: times, then the five marked UTF-16 strings.
    EXPECT_EQ(expected.left(12).toHex(), QByteArray("02000000" "00f15365" "80425565"));
    EXPECT_EQ(str(QStringLiteral("Rain")).toHex(), QByteArray("fffeff045200610069006e00"));

    DiaryBook back;
    ASSERT_EQ(back.load(dir.file(QStringLiteral("Diary.tmp"))), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(back.entries, book.entries);
}

TEST(DiaryFile, EmptyBookIsOneZeroCount)
{
    TempDir dir;
    ASSERT_TRUE(DiaryBook().store(dir.file(QStringLiteral("Diary.tmp"))));
    EXPECT_EQ(dir.read(QStringLiteral("Diary.tmp")), le32(0));
}

TEST(DiaryFile, ReadsEightBitStringsAndNegativeCounts)
{
    TempDir dir;
    // A file whose strings have no Unicode marker: 8-bit text.
    dir.write(QStringLiteral("Diary.tmp"), le32(1) + le32(100) + le32(200) + QByteArray("\x04Rain", 5) + QByteArray("\x0bon Schedule", 12)
        + QByteArray("\x04plan", 5) + QByteArray("\x00", 1) + QByteArray("\x01x", 2));
    DiaryBook book;
    ASSERT_EQ(book.load(dir.file(QStringLiteral("Diary.tmp"))), DataFile::LoadStatus::Loaded);
    ASSERT_EQ(book.size(), 1);
    EXPECT_EQ(book.entries.at(0).title, QStringLiteral("plan"));
    EXPECT_EQ(book.entries.at(0).expireTime, 200);
    EXPECT_EQ(book.entries.at(0).remark, QStringLiteral("x"));

    dir.write(QStringLiteral("Diary.tmp"), le32(-3));
    ASSERT_EQ(book.load(dir.file(QStringLiteral("Diary.tmp"))), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(book.size(), 0);
}

TEST(DiaryFile, DamagedFilesAreMovedAsideAndLeaveTheDefaults)
{
    TempDir dir;
    // Count 2, but the second entry is cut off inside its title.
    const QByteArray cut = le32(2) + entryBytes(entry(1, QStringLiteral("a"))) + entryBytes(entry(2, QStringLiteral("bbbb"))).left(30);
    dir.write(QStringLiteral("Diary.tmp"), cut);
    DiaryBook book;
    book.entries = {entry(5, QStringLiteral("kept"))};
    EXPECT_EQ(book.load(dir.file(QStringLiteral("Diary.tmp"))), DataFile::LoadStatus::Damaged);
    EXPECT_EQ(book.size(), 1) << "a damaged file changes nothing";
    EXPECT_FALSE(dir.exists(QStringLiteral("Diary.tmp")));
    EXPECT_EQ(dir.read(QStringLiteral("Diary.tmp.bad")), cut);

    dir.write(QStringLiteral("DiaryColor.tmp"), le32(0x0000FF) + le32(0x00FF00));
    DiaryColors colors;
    EXPECT_FALSE(colors.load(dir.file(QStringLiteral("DiaryColor.tmp"))));
    EXPECT_EQ(colors.colours(), DiaryColors::defaults);
    EXPECT_TRUE(dir.exists(QStringLiteral("DiaryColor.tmp.bad")));
}

TEST(DiaryColorFile, GoldenBytesAndDefaults)
{
    TempDir dir;
    DiaryColors colors;
    EXPECT_EQ(colors.colour(DiaryColors::OnSchedule), DiaryColors::rgb(255, 255, 255));
    EXPECT_EQ(colors.colour(DiaryColors::Cancellation), DiaryColors::rgb(200, 200, 200));
    colors.setColour(DiaryColors::BehindSchedule, DiaryColors::rgb(255, 0, 0));
    colors.setColour(DiaryColors::AheadOfSchedule, DiaryColors::rgb(1, 2, 3));
    ASSERT_TRUE(colors.store(dir.file(QStringLiteral("DiaryColor.tmp"))));
    EXPECT_EQ(dir.read(QStringLiteral("DiaryColor.tmp")).toHex(),
        QByteArray("ffffff00" "ff000000" "01020300" "c8c8c800"));

    DiaryColors back;
    ASSERT_TRUE(back.load(dir.file(QStringLiteral("DiaryColor.tmp"))));
    EXPECT_EQ(back.colours(), colors.colours());
    EXPECT_FALSE(back.load(dir.file(QStringLiteral("missing.tmp"))));
    EXPECT_EQ(back.colours(), colors.colours());
}

TEST(DiaryColors, TextIsTheInverseWithRedAndBlueExchanged)
{
    struct Case
    {
        quint32 background, text;
    };
    const Case cases[] = {
        {DiaryColors::rgb(255, 255, 255), DiaryColors::rgb(0, 0, 0)},
        {DiaryColors::rgb(200, 200, 200), DiaryColors::rgb(55, 55, 55)},
        {DiaryColors::rgb(255, 0, 0), DiaryColors::rgb(255, 255, 0)},
        {DiaryColors::rgb(10, 20, 30), DiaryColors::rgb(225, 235, 245)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DiaryColors::textColourFor(c.background), c.text) << std::hex << c.background;
}

TEST(DiaryColors, StateWordsAreComparedWithoutCase)
{
    EXPECT_EQ(DiaryColors::stateOf(QStringLiteral("on Schedule")), DiaryColors::OnSchedule);
    EXPECT_EQ(DiaryColors::stateOf(QStringLiteral("BEHIND SCHEDULE")), DiaryColors::BehindSchedule);
    EXPECT_EQ(DiaryColors::stateOf(QStringLiteral("ahead of schedule")), DiaryColors::AheadOfSchedule);
    EXPECT_EQ(DiaryColors::stateOf(QStringLiteral("cancellation")), DiaryColors::Cancellation);
    EXPECT_EQ(DiaryColors::stateOf(QStringLiteral("Cancelled")), -1);
}

TEST(DiaryBook, RecordNumbersCloseUpAfterDeleting)
{
    DiaryBook book;
    for (int i = 1; i <= 5; ++i)
        book.append(entry(i, QStringLiteral("e%1").arg(i)));
    EXPECT_EQ(book.newestFirst(), (QList<int>{4, 3, 2, 1, 0}));
    EXPECT_EQ(book.oldestFirst(), (QList<int>{0, 1, 2, 3, 4}));
    // Repeats and numbers that are no records are ignored.
    EXPECT_EQ(book.removeRecords({2, 4, 4, 0, 9}), 2);
    QStringList titles;
    for (const DiaryEntry& e : book.entries)
        titles << e.title;
    EXPECT_EQ(titles, (QStringList{QStringLiteral("e1"), QStringLiteral("e3"), QStringLiteral("e5")}));
    EXPECT_EQ(book.cellText(1, DiaryBook::RecordNo), QStringLiteral("2"));
    EXPECT_FALSE(book.replace(4, entry(0, QString())));
    EXPECT_TRUE(book.replace(3, entry(0, QStringLiteral("new"))));
    EXPECT_EQ(book.entries.at(2).title, QStringLiteral("new"));
}

TEST_F(LocalTimeUtc, CellsShowEachColumnAndTheTimesInLocalTime)
{
    DiaryBook book;
    DiaryEntry e = entry(1709543100, QStringLiteral("Plan"), QStringLiteral("behind Schedule")); // 2024-03-04 09:05:00 UTC
    book.append(e);
    EXPECT_EQ(DiaryBook::columnTitles(),
        (QStringList{QStringLiteral("Record No."), QStringLiteral("Title"), QStringLiteral("State"), QStringLiteral("Starting Time"),
            QStringLiteral("Expiring Time"), QStringLiteral("Content"), QStringLiteral("Remark"), QStringLiteral("Weather")}));
    const QStringList expected = {QStringLiteral("1"), QStringLiteral("Plan"), QStringLiteral("behind Schedule"),
        QStringLiteral("09:05:00, Monday, March 04, 2024"), QStringLiteral("09:05:00, Tuesday, March 05, 2024"),
        QStringLiteral("line 1\r\nline 2"), QStringLiteral("r"), QStringLiteral("Rain")};
    for (int c = 0; c < DiaryBook::ColumnCount; ++c)
        EXPECT_EQ(book.cellText(0, c), expected.at(c)) << c;
    EXPECT_EQ(book.cellText(1, DiaryBook::Title), QString());
}

TEST(DiaryFilter, EachCriterionAndTheirCombination)
{
    const DiaryEntry e = entry(1000, QStringLiteral("Weekly plan"));
    const DiaryFilter start = DiaryFilter::initial(5000);
    EXPECT_EQ(start.startFrom, 5000);
    EXPECT_EQ(start.startTo, 5000);
    EXPECT_EQ(start.expireFrom, 5000 + 86400);
    EXPECT_EQ(start.weather, QStringLiteral("Sunny"));
    EXPECT_EQ(start.schedule, QStringLiteral("on Schedule"));
    EXPECT_TRUE(start.passes(e)) << "every box off passes everything";

    struct Case
    {
        const char* what;
        std::function<void(DiaryFilter&)> set;
        bool passes;
    };
    const Case cases[] = {
        {"start inside", [](DiaryFilter& f) { f.byStart = true; f.startFrom = 1000; f.startTo = 1000; }, true},
        {"start after", [](DiaryFilter& f) { f.byStart = true; f.startFrom = 1001; f.startTo = 2000; }, false},
        {"start before", [](DiaryFilter& f) { f.byStart = true; f.startFrom = 0; f.startTo = 999; }, false},
        {"expire inside", [](DiaryFilter& f) { f.byExpire = true; f.expireFrom = 87400; f.expireTo = 90000; }, true},
        {"expire outside", [](DiaryFilter& f) { f.byExpire = true; f.expireFrom = 0; f.expireTo = 87399; }, false},
        {"weather equal", [](DiaryFilter& f) { f.byWeather = true; f.weather = QStringLiteral("Rain"); }, true},
        {"weather other case", [](DiaryFilter& f) { f.byWeather = true; f.weather = QStringLiteral("rain"); }, false},
        {"schedule equal", [](DiaryFilter& f) { f.bySchedule = true; f.schedule = QStringLiteral("on Schedule"); }, true},
        {"schedule other", [](DiaryFilter& f) { f.bySchedule = true; f.schedule = QStringLiteral("Cancellation"); }, false},
        {"title contains", [](DiaryFilter& f) { f.byTitle = true; f.title = QStringLiteral("plan"); }, true},
        {"title case-sensitive", [](DiaryFilter& f) { f.byTitle = true; f.title = QStringLiteral("Plan"); }, false},
        {"title empty text", [](DiaryFilter& f) { f.byTitle = true; f.title.clear(); }, true},
        {"content contains", [](DiaryFilter& f) { f.byContent = true; f.content = QStringLiteral("1\r\nline"); }, true},
        {"remark missing", [](DiaryFilter& f) { f.byRemark = true; f.remark = QStringLiteral("zz"); }, false},
        {"value set but box off", [](DiaryFilter& f) { f.title = QStringLiteral("zz"); }, true},
        {"two boxes, one fails",
            [](DiaryFilter& f) {
                f.byTitle = true;
                f.title = QStringLiteral("plan");
                f.byWeather = true;
                f.weather = QStringLiteral("Snow");
            },
            false},
    };
    for (const Case& c : cases) {
        DiaryFilter f = start;
        c.set(f);
        EXPECT_EQ(f.passes(e), c.passes) << c.what;
    }

    DiaryBook book;
    book.entries = {entry(1, QStringLiteral("plan A")), entry(2, QStringLiteral("other")), entry(3, QStringLiteral("B plan"))};
    DiaryFilter f = start;
    f.byTitle = true;
    f.title = QStringLiteral("plan");
    EXPECT_EQ(book.matching(f), (QList<int>{0, 2})) << "oldest first";
    EXPECT_EQ(book.matching(start), book.oldestFirst());
}
