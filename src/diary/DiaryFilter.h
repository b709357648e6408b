#pragma once
#include <QString>

struct DiaryEntry;

// The seven criteria of "Select Diary". A criterion whose box is off passes every entry;
// an entry is shown when it passes all seven.
struct DiaryFilter
{
    bool byStart = false;
    qint64 startFrom = 0, startTo = 0; // From <= startTime <= To
    bool byExpire = false;
    qint64 expireFrom = 0, expireTo = 0;
    bool byWeather = false;
    QString weather; // equal, exactly
    bool bySchedule = false;
    QString schedule;
    bool byTitle = false;
    QString title; // contained, case-sensitive
    bool byContent = false;
    QString content;
    bool byRemark = false;
    QString remark;

    // The values when the diary window is created at `now`: the starting times both now,
    // the expiring times both a day later, empty texts, the first weather and state words.
    static DiaryFilter initial(qint64 now);

    bool passes(const DiaryEntry& entry) const;
    friend bool operator==(const DiaryFilter&, const DiaryFilter&) = default;
};
