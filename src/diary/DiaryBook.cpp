#include "diary/DiaryBook.h"

#include "diary/DiaryFilter.h"
#include "storage/DataArchive.h"

#include <QDateTime>
#include <QLocale>

#include <algorithm>

bool DiaryBook::replace(int recordNo, const DiaryEntry& entry)
{
    if (!isRecord(recordNo))
        return false;
    entries[recordNo - 1] = entry;
    return true;
}

int DiaryBook::removeRecords(QList<int> recordNos)
{
    std::sort(recordNos.begin(), recordNos.end(), std::greater<int>());
    recordNos.erase(std::unique(recordNos.begin(), recordNos.end()), recordNos.end());
    int removed = 0;
    for (int no : recordNos)
        if (isRecord(no)) {
            entries.removeAt(no - 1);
            ++removed;
        }
    return removed;
}

QList<int> DiaryBook::newestFirst() const
{
    QList<int> rows;
    for (int i = int(entries.size()) - 1; i >= 0; --i)
        rows.append(i);
    return rows;
}

QList<int> DiaryBook::oldestFirst() const
{
    QList<int> rows;
    for (int i = 0; i < entries.size(); ++i)
        rows.append(i);
    return rows;
}

QList<int> DiaryBook::matching(const DiaryFilter& filter) const
{
    QList<int> rows;
    for (int i = 0; i < entries.size(); ++i)
        if (filter.passes(entries.at(i)))
            rows.append(i);
    return rows;
}

QStringList DiaryBook::columnTitles()
{
    return {QStringLiteral("Record No."), QStringLiteral("Title"), QStringLiteral("State"), QStringLiteral("Starting Time"),
            QStringLiteral("Expiring Time"), QStringLiteral("Content"), QStringLiteral("Remark"), QStringLiteral("Weather")};
}

QString DiaryBook::formatTime(qint64 t)
{
    // The C library's "%H:%M:%S, %A, %B %d, %Y": English names whatever the user's locale.
    return QLocale::c().toString(QDateTime::fromSecsSinceEpoch(t, Qt::LocalTime), QStringLiteral("HH:mm:ss, dddd, MMMM dd, yyyy"));
}

QString DiaryBook::cellText(int index, int column) const
{
    if (index < 0 || index >= entries.size())
        return {};
    const DiaryEntry& e = entries.at(index);
    switch (column) {
    case RecordNo: return QString::number(index + 1);
    case Title: return e.title;
    case State: return e.schedule;
    case StartingTime: return formatTime(e.startTime);
    case ExpiringTime: return formatTime(e.expireTime);
    case Content: return e.content;
    case Remark: return e.remark;
    case Weather: return e.weather;
    default: return {};
    }
}

void DiaryBook::serialize(DataArchive& ar)
{
    if (ar.isStoring()) {
        ar.putInt(qint32(entries.size()));
        for (DiaryEntry& e : entries)
            e.serialize(ar);
        return;
    }
    const qint32 count = ar.getInt();
    entries.clear();
    // A negative count reads nothing; a count larger than the file ends with the
    // end-of-file error, since every entry needs bytes.
    for (qint32 i = 0; i < count; ++i) {
        DiaryEntry e;
        e.serialize(ar);
        entries.append(e);
    }
}

DataFile::LoadStatus DiaryBook::load(const QString& path, const TextCodec* codec)
{
    DiaryBook scratch;
    const auto status = DataFile::load(path, [&scratch](DataArchive& ar) { scratch.serialize(ar); }, codec);
    if (status == DataFile::LoadStatus::Loaded)
        *this = std::move(scratch);
    return status;
}

bool DiaryBook::store(const QString& path) const
{
    return DataFile::store(path, [this](DataArchive& ar) { const_cast<DiaryBook*>(this)->serialize(ar); });
}
