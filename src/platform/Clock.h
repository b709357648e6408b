#pragma once
#include <QDateTime>
#include <QTimeZone>

// Wall-clock and monotonic time, and setting the system clock.
class Clock
{
public:
    virtual ~Clock() = default;
    // Whole seconds since 1970-01-01 00:00:00 UTC.
    virtual qint64 now() const = 0;
    // The same moment with its milliseconds (whole seconds where the clock has no finer reading).
    virtual qint64 nowMs() const { return now() * 1000; }
    // The same moment as local calendar fields.
    QDateTime localNow() const { return QDateTime::fromSecsSinceEpoch(now(), Qt::LocalTime); }
    // The local zone's standard offset east of UTC in seconds at the current moment, daylight
    // saving not applied.
    virtual int localStandardOffset() const
    {
        return QTimeZone::systemTimeZone().standardTimeOffset(QDateTime::fromSecsSinceEpoch(now(), QTimeZone::utc()));
    }
    // Milliseconds from an arbitrary start, never going back (the tick count).
    virtual qint64 tickMs() const = 0;
    // Sets the system clock to the given moment; false when refused or impossible.
    virtual bool setSystemTime(const QDateTime& moment) = 0;
};
