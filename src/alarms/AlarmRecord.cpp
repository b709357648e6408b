#include "alarms/AlarmRecord.h"

#include "storage/DataArchive.h"

#include <QStringList>

void AlarmRecord::serialize(DataArchive& ar)
{
    ar.io(name);
    ar.io(info);
    ar.io(playSound);
    ar.io(shutDown);
    ar.io(beep);
    ar.io(popUp);
    ar.io(runApp);
    ar.io(lockScreen);
    ar.io(screenSave);
    ar.io(soundPath);
    ar.io(soundCount);
    ar.io(runPath);
    if (ar.isStoring())
        ar.putTime(startTime);
    else
        startTime = ar.getTime();
    ar.io(mode);
    // The delay is stored hours, seconds, minutes.
    ar.io(delayHours);
    ar.io(delaySeconds);
    ar.io(delayMinutes);
    ar.io(repeat);
    ar.io(weekday);
}

QStringList AlarmRecord::repeatNames()
{
    return {QStringLiteral("Never"), QStringLiteral("One Time"), QStringLiteral("Minutely"), QStringLiteral("Hourly"),
        QStringLiteral("Daily"), QStringLiteral("Weekly"), QStringLiteral("Monthly")};
}

QStringList AlarmRecord::weekdayNames()
{
    return {QStringLiteral("Sunday"), QStringLiteral("Monday"), QStringLiteral("Tuesday"), QStringLiteral("Wednesday"),
        QStringLiteral("Thursday"), QStringLiteral("Friday"), QStringLiteral("Saturday")};
}
