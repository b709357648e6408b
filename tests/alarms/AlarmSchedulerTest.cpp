#include "alarms/AlarmActions.h"
#include "alarms/AlarmScheduler.h"
#include "support/FakePlatform.h"
#include "alarms/PopUpHost.h"

#include <QDateTime>

#include <functional>
#include <gtest/gtest.h>

namespace {

qint64 at(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s), Qt::LocalTime).toSecsSinceEpoch();
}

QString show(qint64 t)
{
    return QDateTime::fromSecsSinceEpoch(t, Qt::LocalTime).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QList<qint64> everySecond(qint64 from, qint64 to)
{
    QList<qint64> out;
    for (qint64 t = from; t <= to; ++t)
        out << t;
    return out;
}

// The same seconds around a time of day, on each day from `first` for `days` days.
QList<qint64> dailyWindows(QDate first, int days, QTime time, int before, int after)
{
    QList<qint64> out;
    for (int i = 0; i < days; ++i) {
        const qint64 t = QDateTime(first.addDays(i), time, Qt::LocalTime).toSecsSinceEpoch();
        out += everySecond(t - before, t + after);
    }
    return out;
}

AlarmRecord alarm(qint32 repeat, qint64 start, qint32 weekday = 1)
{
    AlarmRecord a;
    a.repeat = repeat;
    a.startTime = start;
    a.weekday = weekday;
    return a;
}

// Starts a scheduler at `startedAt` over one alarm, ticks at each of `ticks` in turn and
// returns the tick moments at which the alarm came due, as text.
QStringList fired(const AlarmRecord& a, qint64 startedAt, const QList<qint64>& ticks)
{
    FakePlatform fake;
    fake.clock().setNow(startedAt);
    const QList<AlarmRecord> alarms = {a};
    AlarmActions actions(fake.platform());
    AlarmScheduler scheduler(fake.clock(), alarms, actions);
    QStringList out;
    for (qint64 t : ticks) {
        fake.clock().setNow(t);
        if (!scheduler.collectDue().isEmpty())
            out << show(t);
    }
    return out;
}

QStringList shown(const QList<qint64>& moments)
{
    QStringList out;
    for (qint64 t : moments)
        out << show(t);
    return out;
}

} // namespace

TEST(AlarmScheduler, RepetitionRules)
{
    const qint64 ten = at(2024, 3, 4, 10, 0, 0);
    struct Case
    {
        const char* what;
        AlarmRecord alarm;
        qint64 startedAt;
        QList<qint64> ticks;
        QList<qint64> expected;
    };
    const Case cases[] = {
        {"One Time fires at its exact second and never again", alarm(AlarmRecord::OneTime, ten), ten - 20,
            everySecond(ten - 10, ten + 120) + QList<qint64>{ten + 86400, ten + 7 * 86400}, {ten}},
        {"One Time is not fired when the program starts after it", alarm(AlarmRecord::OneTime, ten), ten + 5,
            everySecond(ten + 6, ten + 60), {}},
        {"Daily fires every day, across the month end", alarm(AlarmRecord::Daily, at(2024, 1, 20, 7, 30, 0)),
            at(2024, 1, 20, 7, 0, 0), dailyWindows(QDate(2024, 1, 19), 15, QTime(7, 30, 0), 3, 3),
            {at(2024, 1, 20, 7, 30, 0), at(2024, 1, 21, 7, 30, 0), at(2024, 1, 22, 7, 30, 0), at(2024, 1, 23, 7, 30, 0),
                at(2024, 1, 24, 7, 30, 0), at(2024, 1, 25, 7, 30, 0), at(2024, 1, 26, 7, 30, 0), at(2024, 1, 27, 7, 30, 0),
                at(2024, 1, 28, 7, 30, 0), at(2024, 1, 29, 7, 30, 0), at(2024, 1, 30, 7, 30, 0), at(2024, 1, 31, 7, 30, 0),
                at(2024, 2, 1, 7, 30, 0), at(2024, 2, 2, 7, 30, 0)}},
        {"Weekly goes by the weekday field, not the start date's weekday",
            // 2024-01-01 is a Monday; the field says Friday.
            alarm(AlarmRecord::Weekly, at(2024, 1, 1, 9, 0, 0), 5), at(2024, 1, 1, 8, 0, 0),
            dailyWindows(QDate(2024, 1, 1), 21, QTime(9, 0, 0), 2, 2),
            {at(2024, 1, 5, 9, 0, 0), at(2024, 1, 12, 9, 0, 0), at(2024, 1, 19, 9, 0, 0)}},
        {"Monthly on the 31st fires only in months that have one",
            alarm(AlarmRecord::Monthly, at(2024, 1, 31, 10, 0, 0)), at(2024, 1, 31, 9, 0, 0),
            dailyWindows(QDate(2024, 1, 30), 337, QTime(10, 0, 0), 1, 1),
            {at(2024, 1, 31, 10, 0, 0), at(2024, 3, 31, 10, 0, 0), at(2024, 5, 31, 10, 0, 0), at(2024, 7, 31, 10, 0, 0),
                at(2024, 8, 31, 10, 0, 0), at(2024, 10, 31, 10, 0, 0), at(2024, 12, 31, 10, 0, 0)}},
        {"Hourly matches minute and second", alarm(AlarmRecord::Hourly, at(2024, 3, 4, 10, 20, 30)), ten,
            everySecond(ten, ten + 3 * 3600), {at(2024, 3, 4, 10, 20, 30), at(2024, 3, 4, 11, 20, 30), at(2024, 3, 4, 12, 20, 30)}},
        {"Never does not fire", alarm(AlarmRecord::Never, ten), ten - 5, everySecond(ten - 4, ten + 130), {}},
        {"a repeat above the range counts as Never", alarm(7, ten), ten - 5, everySecond(ten - 4, ten + 130), {}},
        {"a negative repeat counts as Never", alarm(-1, ten), ten - 5, everySecond(ten - 4, ten + 130), {}},
        {"a late tick still fires the second it skipped", alarm(AlarmRecord::OneTime, ten), ten - 10,
            {ten - 3, ten + 2, ten + 3}, {ten + 2}},
        {"a tick five seconds late still catches up", alarm(AlarmRecord::OneTime, ten), ten - 10, {ten - 1, ten + 4}, {ten + 4}},
        {"a jump of six seconds skips the span", alarm(AlarmRecord::OneTime, ten), ten - 10, {ten - 1, ten + 5, ten + 6}, {}},
        {"a jump forward over the alarm fires nothing", alarm(AlarmRecord::OneTime, ten), ten - 3600,
            {ten - 3600 + 1, ten + 3600, ten + 3601}, {}},
        {"a jump landing on the due second fires it", alarm(AlarmRecord::Daily, ten), ten - 3600, {ten - 3599, ten + 86400},
            {ten + 86400}},
        {"a small step back does not fire the same second twice", alarm(AlarmRecord::Daily, ten), ten - 5,
            {ten - 1, ten, ten - 2, ten - 1, ten, ten + 1}, {ten}},
        {"a large jump back fires nothing for the span", alarm(AlarmRecord::Daily, ten), ten - 5,
            {ten - 1, ten, ten - 86400 - 600, ten - 86400 - 599}, {ten}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fired(c.alarm, c.startedAt, c.ticks), shown(c.expected)) << c.what;
}

TEST(AlarmScheduler, MinutelyAtQuarterPast)
{
    const qint64 start = at(2024, 3, 4, 10, 30, 15);
    const QStringList got = fired(alarm(AlarmRecord::Minutely, start), start - 20, everySecond(start - 15, at(2024, 3, 4, 11, 30, 0)));
    ASSERT_EQ(got.size(), 60);
    for (const QString& t : got)
        EXPECT_TRUE(t.endsWith(QStringLiteral(":15"))) << t.toStdString();
    for (qint64 t : {at(2024, 3, 4, 10, 31, 15), at(2024, 3, 4, 10, 59, 15), at(2024, 3, 4, 11, 0, 15), at(2024, 3, 4, 11, 29, 15)})
        EXPECT_TRUE(got.contains(show(t))) << show(t).toStdString();
}

TEST(AlarmScheduler, ACatchUpTickFiresEachAlarmOnceInListOrder)
{
    FakePlatform fake;
    const qint64 ten = at(2024, 3, 4, 10, 0, 0);
    fake.clock().setNow(ten - 1);
    AlarmRecord first = alarm(AlarmRecord::OneTime, ten + 2);
    first.runApp = 1;
    first.runPath = QStringLiteral("/first");
    AlarmRecord never = first;
    never.repeat = AlarmRecord::Never;
    never.runPath = QStringLiteral("/never");
    AlarmRecord second = alarm(AlarmRecord::Minutely, ten);
    second.runApp = 1;
    second.runPath = QStringLiteral("/second");
    const QList<AlarmRecord> alarms = {first, never, second};
    AlarmActions actions(fake.platform());
    AlarmScheduler scheduler(fake.clock(), alarms, actions);
    fake.clock().setNow(ten + 4); // one late tick covering ten .. ten+4
    scheduler.tick();
    EXPECT_EQ(fake.journal(), (QStringList{QStringLiteral("open /first open"), QStringLiteral("open /second open")}));
}

namespace {

// A panel whose message box runs further ticks while it is open, as a modal box's own
// message loop does.
class NestingHost final : public PopUpHost
{
public:
    std::function<void()> whileOpen;
    QStringList messages;
    void bringPanelForward() override {}
    void showAlarmMessage(const QString& info) override
    {
        messages << info;
        if (whileOpen)
            whileOpen();
    }
};

} // namespace

TEST(AlarmScheduler, TicksKeepFiringWhileAPopUpIsOpen)
{
    FakePlatform fake;
    const qint64 ten = at(2024, 3, 4, 10, 0, 0);
    fake.clock().setNow(ten - 1);
    AlarmRecord popUp = alarm(AlarmRecord::Minutely, ten);
    popUp.popUp = 1;
    popUp.info = QStringLiteral("every minute");
    popUp.runApp = 1;
    popUp.runPath = QStringLiteral("/after");
    AlarmRecord other = alarm(AlarmRecord::OneTime, ten + 30);
    other.lockScreen = 1;
    QList<AlarmRecord> alarms = {popUp, other};
    NestingHost host;
    AlarmActions actions(fake.platform(), &host);
    AlarmScheduler scheduler(fake.clock(), alarms, actions);
    int nested = 0;
    host.whileOpen = [&] {
        // The user leaves the first box open for a while: thirty seconds and then a
        // minute pass, one tick each second.
        if (nested++ > 0)
            return;
        for (int i = 0; i < 60; ++i) {
            fake.clock().advance(1);
            scheduler.tick();
        }
    };
    fake.clock().setNow(ten);
    scheduler.tick();
    EXPECT_EQ(host.messages, (QStringList{QStringLiteral("every minute"), QStringLiteral("every minute")}));
    EXPECT_EQ(fake.journal(),
        (QStringList{QStringLiteral("lockSession"), QStringLiteral("open /after open"), QStringLiteral("open /after open")}));
}

TEST(AlarmScheduler, TimerRunsEverySecond)
{
    FakePlatform fake;
    const QList<AlarmRecord> alarms;
    AlarmActions actions(fake.platform());
    AlarmScheduler scheduler(fake.clock(), alarms, actions);
    EXPECT_FALSE(scheduler.isActive());
    scheduler.start();
    EXPECT_TRUE(scheduler.isActive());
    EXPECT_EQ(AlarmScheduler::kIntervalMs, 1000);
}

namespace {

// Sets the process's time zone for a test and puts the previous one back.
class ZoneScope
{
public:
    explicit ZoneScope(const char* zone) : m_had(qEnvironmentVariableIsSet("TZ")), m_old(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ZoneScope()
    {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }
    static void set(const char* zone) { qputenv("TZ", zone); }

private:
    bool m_had;
    QByteArray m_old;
};

} // namespace

TEST(AlarmScheduler, AnOrdinaryTickConvertsItsSecondAndOnlyTheStartTimesThatChanged)
{
    FakePlatform fake;
    const qint64 ten = at(2024, 3, 4, 10, 0, 0);
    fake.clock().setNow(ten);
    QList<AlarmRecord> alarms;
    for (int i = 0; i < 1000; ++i)
        alarms << alarm(1 + i % 6, ten - 86400 + i * 7919 % 86400, i % 7);
    AlarmActions actions(fake.platform());
    AlarmScheduler scheduler(fake.clock(), alarms, actions);

    // The first tick converts its second and each start time once ...
    fake.clock().advance(1);
    scheduler.collectDue();
    EXPECT_EQ(scheduler.conversions(), 1 + 1000);
    // ... each later one only its own seconds, however long the list.
    for (qint64 step : std::initializer_list<qint64>{1, 1, 1, AlarmScheduler::kCatchUpSeconds, 1}) {
        const qint64 before = scheduler.conversions();
        fake.clock().advance(step);
        scheduler.collectDue();
        EXPECT_EQ(scheduler.conversions() - before, step);
    }
    // An edited alarm, one added at the end: their start times are converted.
    alarms[10].startTime += 60;
    alarms << alarm(AlarmRecord::Daily, ten);
    const qint64 before = scheduler.conversions();
    fake.clock().advance(1);
    scheduler.collectDue();
    EXPECT_EQ(scheduler.conversions() - before, 1 + 2);
}

TEST(AlarmScheduler, AChangedTimeZoneIsSeenByTheNextTick)
{
    // POSIX zone rules, so no zone files are needed: UTC, then two hours east of it.
    ZoneScope zone("UTC0");
    FakePlatform fake;
    const qint64 start = at(2024, 3, 4, 10, 0, 0);
    fake.clock().setNow(start + 86400 - 1);
    const QList<AlarmRecord> alarms = {alarm(AlarmRecord::Daily, start)};
    AlarmActions actions(fake.platform());
    AlarmScheduler scheduler(fake.clock(), alarms, actions);
    fake.clock().advance(1);
    EXPECT_EQ(scheduler.collectDue(), QList<int>{0}); // 10:00 the next day

    // In the new zone the alarm's start is 12:00, and so is the moment a day later.
    ZoneScope::set("XST-2");
    fake.clock().setNow(start + 2 * 86400 - 1);
    scheduler.collectDue();
    fake.clock().advance(1);
    EXPECT_EQ(scheduler.collectDue(), QList<int>{0});
}
