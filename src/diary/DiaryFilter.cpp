#include "diary/DiaryFilter.h"

#include "diary/DiaryEntry.h"

DiaryFilter DiaryFilter::initial(qint64 now)
{
    DiaryFilter f;
    f.startFrom = f.startTo = now;
    f.expireFrom = f.expireTo = now + 86400;
    f.weather = DiaryEntry::weatherWords().first();
    f.schedule = DiaryEntry::stateWords().first();
    return f;
}

bool DiaryFilter::passes(const DiaryEntry& e) const
{
    if (byStart && (e.startTime < startFrom || e.startTime > startTo))
        return false;
    if (byExpire && (e.expireTime < expireFrom || e.expireTime > expireTo))
        return false;
    if (byWeather && e.weather != weather)
        return false;
    if (bySchedule && e.schedule != schedule)
        return false;
    if (byTitle && !e.title.contains(title, Qt::CaseSensitive))
        return false;
    if (byContent && !e.content.contains(content, Qt::CaseSensitive))
        return false;
    if (byRemark && !e.remark.contains(remark, Qt::CaseSensitive))
        return false;
    return true;
}
