#include "calendar/CalendarTime.h"

#include "calendar/WorldTime.h"
#include "platform/Clock.h"

#include <QLocale>

CalendarTime::CalendarTime(Clock& clock, QObject* parent)
    : QObject(parent), m_clock(clock), m_picker(clock.localNow())
{
}

QString CalendarTime::nowText(const QDateTime& local)
{
    return QLocale::c().toString(local, QStringLiteral("HH:mm:ss, dddd, MMMM dd, yyyy"));
}

QString CalendarTime::upTimeText(qint64 tickMs)
{
    return QStringLiteral("The computer has run since %1 hours and %2 minutes ago.")
        .arg(tickMs / 3600000)
        .arg((tickMs / 60000) % 60);
}

QString CalendarTime::trayTip(const QDate& date)
{
    return QLocale::c().toString(date, QStringLiteral("dddd, MMMM dd, yyyy"));
}

void CalendarTime::open()
{
    clockRefresh();
    trayAndZoneRefresh();
}

void CalendarTime::followClock()
{
    if (!m_follow)
        return;
    m_picker = m_clock.localNow();
    Q_EMIT pickerValueChanged(m_picker);
}

void CalendarTime::rememberReadings()
{
    m_lastNow = m_clock.now();
    m_lastTick = m_clock.tickMs();
    m_haveReadings = true;
}

void CalendarTime::clockRefresh()
{
    const QDateTime local = m_clock.localNow();
    m_now = nowText(local);
    Q_EMIT nowTextChanged(m_now);

    const qint64 tick = m_clock.tickMs();
    if (tick - m_lastUpTime > UpTimePeriodMs) {
        m_lastUpTime = tick;
        m_upTime = upTimeText(tick);
        Q_EMIT upTimeChanged(m_upTime);
    }

    followClock();

    // Was the clock set or moved since the last refresh? The wall clock then went further
    // (or less far) than the tick count.
    bool jumped = false;
    if (m_haveReadings) {
        const qint64 wallMs = (m_clock.now() - m_lastNow) * 1000;
        jumped = std::abs(wallMs - (tick - m_lastTick)) > ClockJumpMs;
    }
    rememberReadings();

    if (!m_refreshDate.isValid())
        return; // the opening runs the tray-and-zone refresh itself
    if (jumped || local.date() != m_refreshDate || m_clock.localStandardOffset() != m_localOffset)
        trayAndZoneRefresh();
    if (jumped)
        Q_EMIT timeChanged();
}

void CalendarTime::trayAndZoneRefresh()
{
    m_localOffset = m_clock.localStandardOffset();
    m_zoneLabel = WorldTime::zoneLabel(m_localOffset);
    Q_EMIT zoneLabelChanged(m_zoneLabel);

    const QDate today = m_clock.localNow().date();
    m_trayDay = today.day();
    m_trayTip = trayTip(today);
    followClock();
    Q_EMIT trayChanged(m_trayDay, m_trayTip);

    if (today != m_refreshDate) {
        m_refreshDate = today;
        Q_EMIT todayChanged(today);
    }
}

void CalendarTime::clockWasSet()
{
    rememberReadings();
    trayAndZoneRefresh();
    Q_EMIT timeChanged();
}

void CalendarTime::pickerEdited(const QDateTime& value)
{
    m_picker = value;
    m_follow = false;
}

void CalendarTime::update()
{
    Q_EMIT todayMarkSet(m_picker.date());
    const bool set = m_clock.setSystemTime(m_picker);
    m_follow = true;
    if (set)
        clockWasSet();
}
