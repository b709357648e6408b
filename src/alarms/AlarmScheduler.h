#pragma once
#include "alarms/AlarmRecord.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QTimer>

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
    static LocalFields fieldsOf(qint64 moment);
    static bool matches(const AlarmRecord& alarm, qint64 second, const LocalFields& now, const LocalFields& start);

private:
    const LocalFields& startFields(qint64 startTime);

    const Clock& m_clock;
    const QList<AlarmRecord>& m_alarms;
    AlarmActions& m_actions;
    QTimer m_timer;
    qint64 m_lastChecked;
    QHash<qint64, LocalFields> m_startFields; // by start time: the conversion is the costly part
};
