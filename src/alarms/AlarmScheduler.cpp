#include "alarms/AlarmScheduler.h"

#include "alarms/AlarmActions.h"
#include "platform/Clock.h"

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

AlarmScheduler::LocalFields AlarmScheduler::fieldsOf(qint64 moment)
{
    const QDateTime local = QDateTime::fromSecsSinceEpoch(moment, Qt::LocalTime);
    const QTime t = local.time();
    const QDate d = local.date();
    return {t.second(), t.minute(), t.hour(), d.day(), d.dayOfWeek() % 7};
}

bool AlarmScheduler::matches(const AlarmRecord& a, qint64 second, const LocalFields& n, const LocalFields& s)
{
    if (a.repeat <= AlarmRecord::Never || a.repeat > AlarmRecord::Monthly)
        return false;
    if (second < a.startTime)
        return false;
    const bool sameSecond = n.second == s.second;
    const bool sameMinute = sameSecond && n.minute == s.minute;
    const bool sameTime = sameMinute && n.hour == s.hour;
    switch (a.repeat) {
    case AlarmRecord::OneTime:
        return second == a.startTime;
    case AlarmRecord::Minutely:
        return sameSecond;
    case AlarmRecord::Hourly:
        return sameMinute;
    case AlarmRecord::Daily:
        return sameTime;
    case AlarmRecord::Weekly:
        return sameTime && n.weekday == a.weekday;
    case AlarmRecord::Monthly:
        return sameTime && n.day == s.day;
    default:
        return false;
    }
}

bool AlarmScheduler::isDueAt(const AlarmRecord& a, qint64 second)
{
    if (a.repeat <= AlarmRecord::Never || a.repeat > AlarmRecord::Monthly || second < a.startTime)
        return false;
    return matches(a, second, fieldsOf(second), fieldsOf(a.startTime));
}

const AlarmScheduler::LocalFields& AlarmScheduler::startFields(qint64 startTime)
{
    auto it = m_startFields.find(startTime);
    if (it == m_startFields.end()) {
        if (m_startFields.size() > 2 * m_alarms.size() + 64)
            m_startFields.clear(); // forget start times no alarm has any more
        it = m_startFields.insert(startTime, fieldsOf(startTime));
    }
    return *it;
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

    QList<LocalFields> seconds;
    for (qint64 second = from; second <= now; ++second)
        seconds.append(fieldsOf(second));
    QList<int> due;
    for (int i = 0; i < m_alarms.size(); ++i) {
        const AlarmRecord& a = m_alarms.at(i);
        if (a.repeat <= AlarmRecord::Never || a.repeat > AlarmRecord::Monthly || now < a.startTime)
            continue;
        const LocalFields& start = startFields(a.startTime);
        for (qint64 second = from; second <= now; ++second) {
            if (matches(a, second, seconds.at(second - from), start)) {
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
