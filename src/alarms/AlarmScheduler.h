#pragma once
#include "alarms/AlarmRecord.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QTimer>

#include <vector>

class AlarmActions;
class Clock;

// Checks the alarms once a second against the clock and runs the due ones' actions.
// Each tick checks every whole second since the previous tick, up to five seconds back,
// so a late tick loses nothing; a larger jump of the clock, forward or back, checks only
// the current second. Seconds before the scheduler started are never checked.
class AlarmScheduler : public QObject
{
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 1000;
    static constexpr qint64 kCatchUpSeconds = 5;

    // `alarms` is read on every tick and must outlive the scheduler.
    AlarmScheduler(const Clock& clock, const QList<AlarmRecord>& alarms, AlarmActions& actions, QObject* parent = nullptr);

    void start();
    void stop();
    bool isActive() const { return m_timer.isActive(); }

    // Whether the alarm comes due at that second by its repetition rule.
    static bool isDueAt(const AlarmRecord& alarm, qint64 second);

    // Advances to the clock's current second and returns the indexes (list order) of the
    // alarms due in the seconds this tick covers, each at most once.
    QList<int> collectDue();
    // One tick: collectDue(), then the due alarms' actions (on copies of the records).
    void tick();

    // The local calendar fields the repetition rules compare.
    struct LocalFields
    {
        int second, minute, hour, day, weekday; // weekday 0 = Sunday
    };
    // The C library's local time of a moment, in the zone of the last tzset() (each tick
    // calls it once, so a changed zone is seen from the next tick on).
    static LocalFields fieldsOf(qint64 moment);
    static bool matches(const AlarmRecord& alarm, qint64 second, const LocalFields& now, const LocalFields& start);

    // How many moments ticks have converted to local time so far (the costly part of a tick).
    qint64 conversions() const { return m_conversions; }

private:
    const LocalFields& startFields(int index, qint64 startTime);

    struct StartFields
    {
        bool known = false;
        qint64 startTime = 0;
        LocalFields fields{};
    };

    const Clock& m_clock;
    const QList<AlarmRecord>& m_alarms;
    AlarmActions& m_actions;
    QTimer m_timer;
    qint64 m_lastChecked;
    // The local fields of each alarm's start time, by list position, converted again only
    // when the start time there changes (or the time zone does).
    std::vector<StartFields> m_startFields;
    QByteArray m_zone;
    qint64 m_conversions = 0;
};
