#pragma once
#include "diary/DiaryEntry.h"
#include "storage/DataFile.h"

#include <QList>
#include <QString>
#include <QStringList>

class TextCodec;
struct DiaryFilter;

// The diary's entries and "Diary.tmp": a 32-bit count, then each entry. An entry's record
// number is its position counting from 1, so numbers close up when one is deleted.
class DiaryBook
{
public:
    QList<DiaryEntry> entries;

    qsizetype size() const { return entries.size(); }
    bool isRecord(int recordNo) const { return recordNo >= 1 && recordNo <= entries.size(); }

    void append(const DiaryEntry& entry) { entries.append(entry); }
    // Replaces the entry with that record number; false when there is none.
    bool replace(int recordNo, const DiaryEntry& entry);
    // Removes the entries with those record numbers, highest first (numbers that are not
    // records, and repeats, are ignored); returns how many went.
    int removeRecords(QList<int> recordNos);

    // The entry indexes the grid shows, top to bottom: after a change (newest first), for
    // "Show All" (oldest first), and for "Select" (oldest first, those passing the filter).
    QList<int> newestFirst() const;
    QList<int> oldestFirst() const;
    QList<int> matching(const DiaryFilter& filter) const;

    // The grid's column titles, in order, and the text of one cell for the entry at
    // `index` (counting from 0).
    enum Column : int { RecordNo, Title, State, StartingTime, ExpiringTime, Content, Remark, Weather, ColumnCount };
    static QStringList columnTitles();
    QString cellText(int index, int column) const;
    // A time value as the grid shows it, in local time: "09:05:00, Monday, March 04, 2024".
    static QString formatTime(qint64 t);

    // Reads the file by the data file rules: only a complete read replaces the entries (a
    // damaged file is moved aside and the book stays as it was).
    DataFile::LoadStatus load(const QString& path, const TextCodec* codec = nullptr);
    bool store(const QString& path) const;
    void serialize(DataArchive& ar);
};
