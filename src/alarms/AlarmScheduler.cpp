#include "AlarmScheduler.h"

#include "AlarmActions.h"
#include "Clock.h"

#include <QDateTime>

AlarmScheduler::AlarmScheduler(const Clock& clock, const QList<AlarmRecord>& alarms, AlarmActions& actions, QObject* parent)
    : QObject(parent), m_clock(clock), m_alarms(alarms), m_actions(actions), m_lastChecked(clock.now())
{
    m_timer.setInterval(kIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &AlarmScheduler::tick);
}

void AlarmScheduler::start()
{
    m_lastChecked = m_clock.now();
    m_timer.start();
}

void AlarmScheduler::stop()
{
    m_timer.stop();
}

bool AlarmScheduler::isDueAt(const AlarmRecord& a, qint64 second)
{
    if (a.repeat <= AlarmRecord::Never || a.repeat > AlarmRecord::Monthly)
        return false;
    if (second < a.startTime)
        return false;
    if (a.repeat == AlarmRecord::OneTime)
        return second == a.startTime;
    const QDateTime now = QDateTime::fromSecsSinceEpoch(second, Qt::LocalTime);
    const QDateTime start = QDateTime::fromSecsSinceEpoch(a.startTime, Qt::LocalTime);
    const QTime n = now.time();
    const QTime s = start.time();
    const bool sameSecond = n.second() == s.second();
    const bool sameMinute = sameSecond && n.minute() == s.minute();
    const bool sameTime = sameMinute && n.hour() == s.hour();
    switch (a.repeat) {
    case AlarmRecord::Minutely:
        return sameSecond;
    case AlarmRecord::Hourly:
        return sameMinute;
    case AlarmRecord::Daily:
        return sameTime;
    case AlarmRecord::Weekly:
        return sameTime && now.date().dayOfWeek() % 7 == a.weekday;
    case AlarmRecord::Monthly:
        return sameTime && now.date().day() == start.date().day();
    default:
        return false;
    }
}

QList<int> AlarmScheduler::collectDue()
{
    const qint64 now = m_clock.now();
    const qint64 step = now - m_lastChecked;
    qint64 from;
    if (step >= 1 && step <= kCatchUpSeconds) {
        from = m_lastChecked + 1; // the seconds since the previous tick
    } else if (step <= 0 && step >= -kCatchUpSeconds) {
        // The same second again, or the clock stepped back a little: those seconds were
        // checked already. Keep the newest one so none is checked twice.
        return {};
    } else {
        from = now; // a jump: nothing for the span skipped
    }
    m_lastChecked = now;

    QList<int> due;
    for (int i = 0; i < m_alarms.size(); ++i) {
        for (qint64 second = from; second <= now; ++second) {
            if (isDueAt(m_alarms.at(i), second)) {
                due.append(i);
                break;
            }
        }
    }
    return due;
}

void AlarmScheduler::tick()
{
    const QList<int> due = collectDue();
    QList<AlarmRecord> firing;
    for (int i : due)
        firing.append(m_alarms.at(i));
    // Actions may open a modal box whose loop delivers further ticks; they see the clock
    // already advanced and the records as copied here.
    for (const AlarmRecord& alarm : firing)
        m_actions.run(alarm);
}
