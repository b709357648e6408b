#pragma once
#include <QDateTime>

// Wall-clock and monotonic time, and setting the system clock.
class Clock
{
public:
    virtual ~Clock() = default;
    // Whole seconds since 1970-01-01 00:00:00 UTC.
    virtual qint64 now() const = 0;
    // The same moment as local calendar fields.
    QDateTime localNow() const { return QDateTime::fromSecsSinceEpoch(now(), Qt::LocalTime); }
    // Milliseconds from an arbitrary start, never going back (the tick count).
    virtual qint64 tickMs() const = 0;
    // Sets the system clock to the given moment; false when refused or impossible.
    virtual bool setSystemTime(const QDateTime& moment) = 0;
};
