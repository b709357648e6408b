#pragma once
#include <QString>
#include <QStringList>

class DataArchive;

// One work diary entry, its fields in the order "Diary.tmp" stores them.
struct DiaryEntry
{
    qint64 startTime = 0;  // "Starting Time", seconds since 1970 UTC
    qint64 expireTime = 0; // "Expiring Time"
    QString weather;
    QString schedule; // the state: one of stateWords()
    QString title;
    QString content;
    QString remark;

    void serialize(DataArchive& ar);
    friend bool operator==(const DiaryEntry&, const DiaryEntry&) = default;

    // A new entry as the editor starts it: now, expiring a day later, "Sunny", "on Schedule".
    static DiaryEntry fresh(qint64 now);

    // The editor's lists, in their order.
    static QStringList weatherWords();
    static QStringList stateWords();
};
