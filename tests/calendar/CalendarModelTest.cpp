// The world-time list with its file, and the calendar window's time keeping on a fake clock.
#include "calendar/CalendarTime.h"
#include "calendar/WorldTime.h"
#include "support/FakeClock.h"
#include "support/ScopedTimeZone.h"
#include "support/TempDir.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QString zone(const char* name)
{
    return QString::fromUtf8(name);
}

qint64 utc(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), QTimeZone::utc()).toSecsSinceEpoch();
}

TEST(WorldTimeZones, TheFiftyFourChoicesInOrder)
{
    const QStringList choices = WorldTime::zoneChoices();
    ASSERT_EQ(choices.size(), 54);
    EXPECT_EQ(choices.first(), QStringLiteral("GMT-12:Eni Weituoke Island,Kwajalein Island"));
    EXPECT_EQ(choices.at(10), zone("GMT-5:Washington,New York,Lima,Bogotá,"));
    EXPECT_EQ(choices.at(17), QStringLiteral("GMT:London,Dublin,Edinburgh"));
    EXPECT_EQ(choices.at(43), QStringLiteral("GMT+8:Beijing,Chongqing,Shanghai,Hong Kong"));
    EXPECT_EQ(choices.last(), QStringLiteral("GMT+12:Auckland,Pei Ji,the Marshall Islands"));
    // Every choice begins with the label of its own offset.
    for (const QString& c : choices)
        EXPECT_TRUE(c.startsWith(WorldTime::zoneLabel(WorldTime::parseOffset(c)))) << c.toStdString();
}

TEST(WorldTimeZones, OffsetsRemarksAndLabels)
{
    const struct { const char* name; qint32 offset; const char* remark; } cases[] = {
        {"GMT:London,Dublin,Edinburgh", 0, "GMT"},
        {"GMT-3.30:Newfoundland,", -12600, "GMT-3.30"},
        {"GMT+5.45:Kathmandu", 20700, "GMT+5.45"},
        {"GMT+8:Beijing,Chongqing,Shanghai,Hong Kong", 28800, "GMT+8"},
        {"GMT-12:Eni Weituoke Island,Kwajalein Island", -43200, "GMT-12"},
        {"GMT+12:Wellington,the Marshall Islands", 43200, "GMT+12"},
        {"Somewhere without a colon", 0, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WorldTime::parseOffset(zone(c.name)), c.offset) << c.name;
        EXPECT_EQ(WorldTime::remark(zone(c.name)), zone(c.remark)) << c.name;
    }
    const struct { int offset; const char* label; } labels[] = {
        {28800, "GMT+8:"}, {-12600, "GMT-3.30:"}, {0, "GMT:"}, {20700, "GMT+5.45:"},
        {19800, "GMT+5.30:"}, {-36000, "GMT-10:"}, {3600, "GMT+1:"},
    };
    for (const auto& l : labels)
        EXPECT_EQ(WorldTime::zoneLabel(l.offset), zone(l.label)) << l.offset;
}

TEST(WorldTimeZones, ChoiceForALabelSearchesFromTheSecondAndWraps)
{
    EXPECT_EQ(WorldTime::choiceFor(QStringLiteral("GMT+8:")), 43);
    EXPECT_EQ(WorldTime::choiceFor(QStringLiteral("GMT:")), 17);
    EXPECT_EQ(WorldTime::choiceFor(QStringLiteral("GMT-3.30:")), 12);
    EXPECT_EQ(WorldTime::choiceFor(QStringLiteral("GMT+1:")), 19);
    EXPECT_EQ(WorldTime::choiceFor(QStringLiteral("GMT-12:")), 0); // only after wrapping
    EXPECT_EQ(WorldTime::choiceFor(QStringLiteral("GMT+13:")), -1);
}

// A zone's time is the UTC time moved by the zone's offset, whatever the local zone and its
// daylight saving.
TEST(WorldTimeZones, ZoneTimeIsUtcPlusTheOffset)
{
    const qint64 noonUtc = utc(2021, 7, 1, 12, 0, 0);
    for (const char* local : {"UTC", "Europe/Berlin", "America/New_York", "Asia/Shanghai"}) {
        ScopedTimeZone tz(local);
        EXPECT_EQ(WorldTime::zoneTime(28800, noonUtc), QStringLiteral(" 20:00:00, Thursday, July 01, 2021")) << local;
        EXPECT_EQ(WorldTime::zoneTime(-12600, noonUtc), QStringLiteral(" 08:30:00, Thursday, July 01, 2021")) << local;
        EXPECT_EQ(WorldTime::zoneTime(0, noonUtc), QStringLiteral(" 12:00:00, Thursday, July 01, 2021")) << local;
        EXPECT_EQ(WorldTime::zoneTime(43200, utc(2021, 12, 31, 12, 0, 1)),
                  QStringLiteral(" 00:00:01, Saturday, January 01, 2022")) << local;
    }
}

TEST(ZoneListEdits, AddRefusesDuplicatesAndInsertsAfterTheCurrentRecord)
{
    ZoneList list;
    const QStringList c = WorldTime::zoneChoices();
    EXPECT_EQ(list.add(QString()), ZoneList::AddResult::NothingSelected);
    EXPECT_EQ(list.add(QStringLiteral("GMT:")), ZoneList::AddResult::TooShort);
    EXPECT_EQ(list.add(c[17]), ZoneList::AddResult::Added);
    EXPECT_EQ(list.records()[0], (ZoneRecord{c[17], 0}));
    EXPECT_EQ(list.add(c[17].toLower()), ZoneList::AddResult::Duplicate);
    EXPECT_EQ(list.add(c[43]), ZoneList::AddResult::Added);     // appended
    EXPECT_EQ(list.add(c[12], 1), ZoneList::AddResult::Added);  // right after record 1
    EXPECT_EQ(list.add(c[0], 3), ZoneList::AddResult::Added);   // after the last: appended
    EXPECT_EQ(list.add(c[1], 9), ZoneList::AddResult::Added);   // no such record: appended
    QStringList names;
    for (const ZoneRecord& r : list.records())
        names << r.name;
    EXPECT_EQ(names, (QStringList{c[17], c[12], c[43], c[0], c[1]}));
    EXPECT_EQ(list.records()[1].offset, -12600);

    // Two records removed at once; the rest keep their order.
    EXPECT_TRUE(list.removeNumbers({2, 4}));
    names.clear();
    for (const ZoneRecord& r : list.records())
        names << r.name;
    EXPECT_EQ(names, (QStringList{c[17], c[43], c[1]}));
    EXPECT_FALSE(list.removeNumbers({0, 4}));
    EXPECT_EQ(list.size(), 3);
}

TEST(ZoneListFile, GoldenBytesAndLoad)
{
    TempDir dir;
    const QString path = dir.file(ZoneList::fileName());
    ZoneList list;
    list.add(QStringLiteral("GMT:UK"));
    list.add(QStringLiteral("GMT-3.30:N"));
    ASSERT_TRUE(list.store(path));
    const QByteArray expected = QByteArray::fromHex(
        "02000000"
        "fffeff06" "47004d0054003a0055004b00" "00000000"
        "fffeff0a" "47004d0054002d0033002e00330030003a004e00" "c8ceffff");
    EXPECT_EQ(dir.read(ZoneList::fileName()), expected);

    ZoneList loaded;
    EXPECT_EQ(loaded.load(path), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(loaded.records(), list.records());
    // The stored offset is what counts, not the name.
    dir.write(ZoneList::fileName(), QByteArray::fromHex("01000000" "fffeff06" "47004d0054003a0055004b00" "10270000"));
    EXPECT_EQ(loaded.load(path), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(loaded.records(), (QList<ZoneRecord>{{QStringLiteral("GMT:UK"), 10000}}));
}

TEST(ZoneListFile, MissingAndDamagedFiles)
{
    TempDir dir;
    const QString path = dir.file(ZoneList::fileName());
    ZoneList list;
    list.add(QStringLiteral("GMT:UK"));
    EXPECT_EQ(list.load(path), DataFile::LoadStatus::Missing);
    EXPECT_EQ(list.size(), 1);

    QString told;
    DataFile::setDamageNotifier([&](const QString& m) { told = m; });
    // Two records announced, one there.
    const QByteArray damaged = QByteArray::fromHex("02000000" "fffeff06" "47004d0054003a0055004b00" "00000000");
    dir.write(ZoneList::fileName(), damaged);
    EXPECT_EQ(list.load(path), DataFile::LoadStatus::Damaged);
    DataFile::setDamageNotifier({});
    EXPECT_FALSE(told.isEmpty());
    EXPECT_EQ(list.size(), 1); // unchanged
    EXPECT_FALSE(dir.exists(ZoneList::fileName()));
    EXPECT_EQ(dir.read(ZoneList::fileName() + QStringLiteral(".bad")), damaged);
}

class CalendarTimeTest : public ::testing::Test
{
protected:
    ScopedTimeZone tz{"Asia/Shanghai"};
    // 2021-07-01 23:59:58 local (+8).
    FakeClock clock{utc(2021, 7, 1, 15, 59, 58)};
    CalendarTime time{clock};
};

TEST_F(CalendarTimeTest, OpeningFillsTheLinesTheZoneAndTheTray)
{
    clock.setTickMs(90 * 60000 + 999);
    QSignalSpy today(&time, &CalendarTime::todayChanged);
    time.open();
    EXPECT_EQ(time.nowText(), QStringLiteral("23:59:58, Thursday, July 01, 2021"));
    EXPECT_EQ(time.upTime(), QStringLiteral("The computer has run since 1 hours and 30 minutes ago."));
    EXPECT_EQ(time.localOffset(), 28800);
    EXPECT_EQ(time.zoneLabel(), QStringLiteral("GMT+8:"));
    EXPECT_EQ(time.trayDay(), 1);
    EXPECT_EQ(time.trayTip(), QStringLiteral("Thursday, July 01, 2021"));
    EXPECT_TRUE(time.followsClock());
    EXPECT_EQ(time.pickerValue(), clock.localNow());
    ASSERT_EQ(today.size(), 1);
    EXPECT_EQ(today[0][0].toDate(), QDate(2021, 7, 1));
}

TEST(CalendarZoneLabel, LocalStandardOffsets)
{
    const struct { const char* tz; qint64 at; const char* label; } cases[] = {
        {"Asia/Shanghai", utc(2021, 1, 10, 0, 0, 0), "GMT+8:"},
        {"America/St_Johns", utc(2021, 1, 10, 0, 0, 0), "GMT-3.30:"},
        {"America/St_Johns", utc(2021, 7, 10, 0, 0, 0), "GMT-3.30:"}, // on summer time, still the standard offset
        {"UTC", utc(2021, 1, 10, 0, 0, 0), "GMT:"},
        {"Europe/London", utc(2021, 7, 10, 0, 0, 0), "GMT:"},
    };
    for (const auto& c : cases) {
        ScopedTimeZone tz(c.tz);
        FakeClock clock(c.at);
        CalendarTime time(clock);
        time.open();
        EXPECT_EQ(time.zoneLabel(), QLatin1String(c.label)) << c.tz;
    }
}

// The uptime line is written at most once a minute, from the tick count.
TEST_F(CalendarTimeTest, UpTimeLineAtMostOnceAMinute)
{
    time.open();
    EXPECT_EQ(time.upTime(), QString()); // the computer has run less than a minute
    QSignalSpy lines(&time, &CalendarTime::upTimeChanged);
    // Ninety minutes of refreshes every 900 ms.
    while (clock.tickMs() < 90 * 60000) {
        clock.advanceMs(900);
        time.clockRefresh();
    }
    EXPECT_EQ(lines.size(), 89);
    EXPECT_EQ(time.upTime(), QStringLiteral("The computer has run since 1 hours and 29 minutes ago."));
    while (lines.size() < 90) {
        clock.advanceMs(900);
        time.clockRefresh();
    }
    EXPECT_EQ(time.upTime(), QStringLiteral("The computer has run since 1 hours and 30 minutes ago."));
}

TEST_F(CalendarTimeTest, PickerFollowsTheClockUntilEditedAndAgainAfterUpdate)
{
    time.open();
    clock.advance(1);
    time.clockRefresh();
    EXPECT_EQ(time.pickerValue(), clock.localNow());

    const QDateTime chosen(QDate(2021, 7, 20), QTime(8, 15, 0));
    time.pickerEdited(chosen);
    EXPECT_FALSE(time.followsClock());
    clock.advance(1);
    time.clockRefresh();
    EXPECT_EQ(time.pickerValue(), chosen);

    QSignalSpy mark(&time, &CalendarTime::todayMarkSet);
    QSignalSpy today(&time, &CalendarTime::todayChanged);
    time.update();
    ASSERT_EQ(clock.setTimeCalls().size(), 1);
    EXPECT_EQ(clock.setTimeCalls()[0], chosen);
    EXPECT_EQ(clock.now(), chosen.toSecsSinceEpoch());
    ASSERT_EQ(mark.size(), 1);
    EXPECT_EQ(mark[0][0].toDate(), QDate(2021, 7, 20));
    // The clock moved to another day: the tray and today follow at once.
    ASSERT_EQ(today.size(), 1);
    EXPECT_EQ(today[0][0].toDate(), QDate(2021, 7, 20));
    EXPECT_EQ(time.trayDay(), 20);
    EXPECT_TRUE(time.followsClock());
    clock.advance(1);
    time.clockRefresh();
    EXPECT_EQ(time.pickerValue(), chosen.addSecs(1));

    // A refused change still marks the day and follows again, without complaint.
    clock.setRefuseSetTime(true);
    time.pickerEdited(chosen.addDays(3));
    time.update();
    EXPECT_EQ(mark.size(), 2);
    EXPECT_EQ(mark[1][0].toDate(), QDate(2021, 7, 23));
    EXPECT_TRUE(time.followsClock());
    EXPECT_EQ(time.trayDay(), 20);
}

// Midnight is never missed: a refresh that sees a new date runs the tray-and-zone refresh,
// whether it lands on 00:00:00 or later, and also when the clock jumped over midnight.
TEST_F(CalendarTimeTest, NewDayChangesTheTrayAtTheFirstRefreshOfTheDay)
{
    time.open();
    QSignalSpy tray(&time, &CalendarTime::trayChanged);
    QSignalSpy today(&time, &CalendarTime::todayChanged);
    clock.advance(1); // 23:59:59
    time.clockRefresh();
    EXPECT_TRUE(tray.isEmpty());
    clock.advance(2); // 00:00:01: the tick at 00:00:00 came late
    time.clockRefresh();
    ASSERT_EQ(tray.size(), 1);
    EXPECT_EQ(tray[0][0].toInt(), 2);
    EXPECT_EQ(tray[0][1].toString(), QStringLiteral("Friday, July 02, 2021"));
    ASSERT_EQ(today.size(), 1);
    EXPECT_EQ(today[0][0].toDate(), QDate(2021, 7, 2));
    clock.advance(1);
    time.clockRefresh();
    EXPECT_EQ(tray.size(), 1);

    // The computer slept (the tick count stood still) through the next midnight.
    clock.setNow(clock.now() + 86400);
    QSignalSpy changed(&time, &CalendarTime::timeChanged);
    time.clockRefresh();
    ASSERT_EQ(tray.size(), 2);
    EXPECT_EQ(tray[1][0].toInt(), 3);
    EXPECT_EQ(changed.size(), 1); // the world times are due at once too
}

// A clock set on the same day refreshes the tray and the world times, and keeps the date.
TEST_F(CalendarTimeTest, ClockSetBackWithinTheDay)
{
    time.open();
    QSignalSpy tray(&time, &CalendarTime::trayChanged);
    QSignalSpy changed(&time, &CalendarTime::timeChanged);
    QSignalSpy today(&time, &CalendarTime::todayChanged);
    clock.setNow(clock.now() - 3600);
    time.clockRefresh();
    EXPECT_EQ(tray.size(), 1);
    EXPECT_EQ(changed.size(), 1);
    EXPECT_TRUE(today.isEmpty());
    // Small differences between the wall clock and the tick count are no change.
    clock.advanceMs(2000);
    time.clockRefresh();
    EXPECT_EQ(changed.size(), 1);
}

} // namespace
