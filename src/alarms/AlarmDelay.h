#pragma once
#include <QtGlobal>

// The dialog's "Alarm After" fields, linked to the start time through a base moment.
struct AlarmDelay
{
    qint32 hours = 0; // -30000..30000
    qint32 minutes = 0; // -59..59
    qint32 seconds = 0; // -59..59

    // The fields for a start time `difference` seconds after the base: whole hours (may
    // exceed 23), then minutes, then seconds; every division truncates toward zero and the
    // parts take the sign of the difference.
    static AlarmDelay fromDifference(qint64 difference);
    // The fields held to their ranges.
    AlarmDelay clamped() const;
    // The difference the fields stand for (unclamped).
    qint64 totalSeconds() const { return qint64(hours) * 3600 + qint64(minutes) * 60 + seconds; }

    static qint32 clampSoundCount(qint64 count);

    friend bool operator==(const AlarmDelay&, const AlarmDelay&) = default;
};
