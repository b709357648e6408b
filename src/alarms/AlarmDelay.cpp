#include "alarms/AlarmDelay.h"

#include <algorithm>

AlarmDelay AlarmDelay::fromDifference(qint64 d)
{
    AlarmDelay r;
    const qint64 hours = d / 3600;
    r.hours = qint32(hours);
    r.minutes = qint32(d / 60 - 60 * hours);
    r.seconds = qint32(d % 60);
    return r;
}

AlarmDelay AlarmDelay::clamped() const
{
    return {std::clamp(hours, -30000, 30000), std::clamp(minutes, -59, 59), std::clamp(seconds, -59, 59)};
}

qint32 AlarmDelay::clampSoundCount(qint64 count)
{
    return qint32(std::clamp<qint64>(count, 0, 100));
}
