#include "alarms/AlarmScheduler.h"

#include "alarms/AlarmActions.h"
#include "platform/Clock.h"

#include <ctime>

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
    // localtime_r rather than QDateTime: Qt calls tzset() for every conversion, and with
    // TZ unset that looks at /etc/localtime each time, forty times the cost of the
    // conversion itself.
    const std::time_t t = std::time_t(moment);
    std::tm local{};
    if (!localtime_r(&t, &local))
        return {-1, -1, -1, -1, -1};
    return {local.tm_sec, local.tm_min, local.tm_hour, local.tm_mday, local.tm_wday};
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
    tzset();
    return matches(a, second, fieldsOf(second), fieldsOf(a.startTime));
}

const AlarmScheduler::LocalFields& AlarmScheduler::startFields(int index, qint64 startTime)
{
    StartFields& cached = m_startFields[std::size_t(index)];
    if (!cached.known || cached.startTime != startTime) {
        cached = {true, startTime, fieldsOf(startTime)};
        ++m_conversions;
    }
    return cached.fields;
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

    // One look at the time zone per tick; the start fields of another zone are stale.
    tzset();
    const QByteArray zone = QByteArray(tzname[0]) + '/' + tzname[1] + '/' + QByteArray::number(qint64(timezone));
    if (zone != m_zone) {
        m_zone = zone;
        m_startFields.clear();
    }
    // The list may have changed since the last tick: positions whose start time differs
    // are converted again.
    m_startFields.resize(std::size_t(m_alarms.size()));

    QList<LocalFields> seconds;
    for (qint64 second = from; second <= now; ++second) {
        seconds.append(fieldsOf(second));
        ++m_conversions;
    }
    QList<int> due;
    for (int i = 0; i < m_alarms.size(); ++i) {
        const AlarmRecord& a = m_alarms.at(i);
        if (a.repeat <= AlarmRecord::Never || a.repeat > AlarmRecord::Monthly || now < a.startTime)
            continue;
        const LocalFields& start = startFields(i, a.startTime);
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
