#include "diary/DiaryEntry.h"

#include "storage/DataArchive.h"

void DiaryEntry::serialize(DataArchive& ar)
{
    if (ar.isStoring()) {
        ar.putTime(startTime);
        ar.putTime(expireTime);
    } else {
        startTime = ar.getTime();
        expireTime = ar.getTime();
    }
    ar.io(weather);
    ar.io(schedule);
    ar.io(title);
    ar.io(content);
    ar.io(remark);
}

DiaryEntry DiaryEntry::fresh(qint64 now)
{
    DiaryEntry e;
    e.startTime = now;
    e.expireTime = now + 86400;
    e.weather = weatherWords().first();
    e.schedule = stateWords().first();
    return e;
}

QStringList DiaryEntry::weatherWords()
{
    return {QStringLiteral("Sunny"), QStringLiteral("Fine"), QStringLiteral("Bright"), QStringLiteral("Cloudy"),
            QStringLiteral("Windy"), QStringLiteral("Mist"), QStringLiteral("Foggy"), QStringLiteral("Rain"),
            QStringLiteral("Shower"), QStringLiteral("Storm"), QStringLiteral("Dew"), QStringLiteral("Snow")};
}

QStringList DiaryEntry::stateWords()
{
    return {QStringLiteral("on Schedule"), QStringLiteral("behind Schedule"), QStringLiteral("ahead of Schedule"),
            QStringLiteral("Cancellation")};
}
