#pragma once
#include <QString>

class DataArchive;

// One alarm, its fields in the order "Alarm.tmp" stores them.
struct AlarmRecord
{
    enum Repeat : qint32 { Never = 0, OneTime = 1, Minutely = 2, Hourly = 3, Daily = 4, Weekly = 5, Monthly = 6 };
    enum Mode : qint32 { AtMoment = 0, AfterDelay = 1 };

    QString name = QStringLiteral("New Alarm");
    QString info;
    qint32 playSound = 0;
    qint32 shutDown = 0;
    qint32 beep = 0;
    qint32 popUp = 0;
    qint32 runApp = 0;
    qint32 lockScreen = 0;
    qint32 screenSave = 0;
    QString soundPath;
    qint32 soundCount = 0; // 0..100
    QString runPath;
    qint64 startTime = 0; // seconds since 1970 UTC
    qint32 mode = AtMoment; // stored and kept, not used by the scheduler
    qint32 delayHours = 0; // -30000..30000
    qint32 delaySeconds = 0; // -59..59
    qint32 delayMinutes = 0; // -59..59
    qint32 repeat = OneTime; // 0..6; anything else counts as Never
    qint32 weekday = 1; // 0 Sunday .. 6 Saturday, for Weekly

    void serialize(DataArchive& ar);
    friend bool operator==(const AlarmRecord&, const AlarmRecord&) = default;

    // The texts the dialog's combo boxes show, in the order of their values.
    static QStringList repeatNames();
    static QStringList weekdayNames();
};
