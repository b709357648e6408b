#pragma once
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>

class Clock;

// The calendar window's time keeping, apart from its controls: the "Now" and "SYSTIME"
// lines, the date-and-time picker that follows the clock until the user edits it, "Update",
// the zone label of the local offset, and the tray icon's day and tool tip.
//
// The window calls clockRefresh() on its 900 ms timer. A refresh notices a new local date
// (midnight, also when the computer slept through it or the clock jumped over it), a clock
// that was set, and a new local offset, and then runs the tray-and-zone refresh.
class CalendarTime : public QObject
{
    Q_OBJECT
public:
    static constexpr int RefreshMs = 900;
    static constexpr qint64 UpTimePeriodMs = 60000;
    // A wall clock that moved this much further than the tick count was set.
    static constexpr qint64 ClockJumpMs = 2000;

    explicit CalendarTime(Clock& clock, QObject* parent = nullptr);

    // "HH:MM:SS, Weekday, Month DD, YYYY" of a local time.
    static QString nowText(const QDateTime& local);
    // "The computer has run since H hours and M minutes ago." for a tick count.
    static QString upTimeText(qint64 tickMs);
    // The tray icon's tool tip, "Weekday, Month DD, YYYY".
    static QString trayTip(const QDate& date);

    // At opening: one clock refresh, then the tray-and-zone refresh.
    void open();
    // Timer 1: "Now", "SYSTIME" at most once a minute, the picker, and the checks above.
    void clockRefresh();
    // The local offset and zone label, the tray icon, the picker; a new local date is announced.
    void trayAndZoneRefresh();
    // The program set the clock (the system's announcement of a time change).
    void clockWasSet();

    // The user changed the picker: it keeps the user's value until "Update".
    void pickerEdited(const QDateTime& value);
    // "Update": the picker's value becomes the day marked as today and the computer's time,
    // and the picker follows the clock again. A refused change is not reported.
    void update();

    bool followsClock() const { return m_follow; }
    QDateTime pickerValue() const { return m_picker; }
    QString nowText() const { return m_now; }
    QString upTime() const { return m_upTime; }
    int localOffset() const { return m_localOffset; }
    QString zoneLabel() const { return m_zoneLabel; }
    int trayDay() const { return m_trayDay; }
    QString trayTip() const { return m_trayTip; }

Q_SIGNALS:
    void nowTextChanged(const QString& text);
    void upTimeChanged(const QString& text);
    void pickerValueChanged(const QDateTime& value);
    void zoneLabelChanged(const QString& label);
    void trayChanged(int day, const QString& tip);
    // A new local date: at opening and whenever the date the refreshes see changes.
    void todayChanged(const QDate& date);
    // "Update" marks the picker's day as today.
    void todayMarkSet(const QDate& date);
    // The clock was set or jumped: the world times are due now.
    void timeChanged();

private:
    void followClock();
    void rememberReadings();

    Clock& m_clock;
    bool m_follow = true;
    QDateTime m_picker;
    QString m_now;
    QString m_upTime;
    qint64 m_lastUpTime = 0;
    int m_localOffset = 0;
    QString m_zoneLabel;
    int m_trayDay = 0;
    QString m_trayTip;
    QDate m_refreshDate;
    bool m_haveReadings = false;
    qint64 m_lastNow = 0;
    qint64 m_lastTick = 0;
};
