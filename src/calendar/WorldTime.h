#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "storage/DataFile.h"

class DataArchive;

// One zone of the user's world-time list.
struct ZoneRecord
{
    QString name;      // the zone's text as chosen, e.g. "GMT+8:Beijing,Chongqing,Shanghai,Hong Kong"
    qint32 offset = 0; // seconds east of GMT, parsed from the name when the zone was added

    void serialize(DataArchive& ar);
    friend bool operator==(const ZoneRecord&, const ZoneRecord&) = default;
};

namespace WorldTime {

// The 54 zones the user chooses from, in list order.
QStringList zoneChoices();
// The offset written in a zone's name ("GMT-3.30:..." gives -12600); 0 for "GMT:..." and for
// names without a ":" after the "GMT".
qint32 parseOffset(const QString& name);
// The part of the name before its first ":" ("GMT+8"), or empty.
QString remark(const QString& name);
// The zone's current date and time, " HH:MM:SS, Weekday, Month DD, YYYY": the current UTC time
// moved by the zone's offset.
QString zoneTime(qint32 offset, qint64 utcNow);
// The label of a local offset: "GMT", the signed whole hours unless 0, then ".<minutes>:" or
// ":" ("GMT+8:", "GMT-3.30:", "GMT:").
QString zoneLabel(int offsetSeconds);
// The index in zoneChoices() of the first zone whose text begins with the label, searching
// from the second zone and wrapping round to the first; -1 when none does.
int choiceFor(const QString& label);

} // namespace WorldTime

// The user's list of zones and its file "TimeZone.tmp": the number of records, then each
// record's name and offset.
class ZoneList
{
public:
    enum class AddResult { Added, NothingSelected, TooShort, Duplicate };

    static QString fileName() { return QStringLiteral("TimeZone.tmp"); }

    const QList<ZoneRecord>& records() const { return m_records; }
    qsizetype size() const { return m_records.size(); }
    void clear() { m_records.clear(); }

    // Adds the chosen zone (empty: nothing chosen). It goes right after record number
    // `afterRecord` (1-based) when that is a record, at the end otherwise. Names of 4
    // characters or fewer are ignored; a name already in the list (compared without regard
    // to case) is refused.
    AddResult add(const QString& choice, int afterRecord = 0);
    // Removes the records with these 1-based numbers; false when none of them is a record.
    bool removeNumbers(QList<int> numbers);

    // Reads the file by the data file rules: only a complete read replaces the list.
    DataFile::LoadStatus load(const QString& path);
    bool store(const QString& path) const;

private:
    QList<ZoneRecord> m_records;
};
