// The cost of the alarm scheduler's tick and of the Alarm.tmp round trip, by list size.
// Run: build/run/bench_alarm_scheduler
#include "alarms/AlarmActions.h"
#include "alarms/AlarmList.h"
#include "alarms/AlarmScheduler.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

class SteppingClock final : public Clock
{
public:
    qint64 t = QDateTime(QDate(2024, 3, 4), QTime(10, 0, 0), Qt::LocalTime).toSecsSinceEpoch();
    qint64 now() const override { return t; }
    qint64 tickMs() const override { return t * 1000; }
    bool setSystemTime(const QDateTime&) override { return false; }
};

QList<AlarmRecord> makeAlarms(int n, qint64 base)
{
    QList<AlarmRecord> out;
    for (int i = 0; i < n; ++i) {
        AlarmRecord a;
        a.name = QStringLiteral("Alarm %1").arg(i);
        a.info = QStringLiteral("Something to remember, number %1").arg(i);
        a.repeat = 1 + i % 6;
        a.weekday = i % 7;
        // Mostly in the past (the rule decides), a few in the future (skipped early).
        a.startTime = base - 86400 * 3 + (i * 7919) % (86400 * 4);
        out.append(a);
    }
    return out;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The first tick converts every alarm's start time to local time; later ticks reuse
    // those, so it is shown apart. Every size runs the same number of ticks, so that the
    // per-tick figures compare.
    constexpr int kTicks = 200;
    std::printf("%8s %16s %16s %16s %14s %14s\n", "alarms", "first tick us", "tick us", "catch-up us", "store ms",
                "load ms");
    for (int n : {10, 100, 1000, 10000, 100000}) {
        SteppingClock clock;
        const QList<AlarmRecord> alarms = makeAlarms(n, clock.t);
        AlarmActions actions(nullptr, nullptr, nullptr, nullptr);
        AlarmScheduler scheduler(clock, alarms, actions);
        QElapsedTimer timer;
        int fired = 0;
        timer.start();
        clock.t += 1;
        fired += int(scheduler.collectDue().size());
        const double firstUs = double(timer.nsecsElapsed()) / 1000.0;
        timer.restart();
        for (int i = 0; i < kTicks; ++i) {
            clock.t += 1;
            fired += int(scheduler.collectDue().size());
        }
        const double tickUs = double(timer.nsecsElapsed()) / 1000.0 / kTicks;
        timer.restart();
        for (int i = 0; i < kTicks; ++i) {
            clock.t += AlarmScheduler::kCatchUpSeconds;
            fired += int(scheduler.collectDue().size());
        }
        const double catchUpUs = double(timer.nsecsElapsed()) / 1000.0 / kTicks;

        QTemporaryDir dir;
        AlarmList list;
        list.items = alarms;
        const QString path = dir.filePath(QStringLiteral("Alarm.tmp"));
        timer.restart();
        list.store(path);
        const double storeMs = double(timer.nsecsElapsed()) / 1e6;
        AlarmList back;
        timer.restart();
        back.load(path);
        const double loadMs = double(timer.nsecsElapsed()) / 1e6;
        std::printf("%8d %16.1f %16.1f %16.1f %14.2f %14.2f   (%d fired)\n", n, firstUs, tickUs, catchUpUs, storeMs,
                    loadMs, fired);
    }
    return 0;
}
