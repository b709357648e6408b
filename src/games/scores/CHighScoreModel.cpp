#include "games/scores/CHighScoreModel.h"

#include "storage/DataArchive.h"

namespace {
// The table of the game always asks for nine entries before it compares with the last.
constexpr qsizetype FullTable = 9;
}

bool CHighScoreModel::accepts(qint32 score) const
{
    if (m_entries.size() >= FullTable)
        return score > m_entries.last().score;
    return score > 0;
}

void CHighScoreModel::add(const CScoreRecord& entry)
{
    qsizetype at = 0;
    for (qsizetype i = m_entries.size() - 1; i >= 0; --i) {
        if (m_entries.at(i).score >= entry.score) {
            at = i + 1;
            break;
        }
    }
    m_entries.insert(at, entry);
    while (m_entries.size() > m_capacity)
        m_entries.removeLast();
}

QString CHighScoreModel::tableText() const
{
    QStringList lines;
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        lines.append(QString::asprintf("%d%6d    ", int(i + 1), int(m_entries.at(i).score)) + m_entries.at(i).name);
    return lines.join(QLatin1Char('\n'));
}

void CHighScoreModel::serialize(DataArchive& ar)
{
    if (ar.isStoring()) {
        ar.putInt(qint32(m_entries.size()));
        for (CScoreRecord& entry : m_entries)
            entry.serialize(ar);
        return;
    }
    const qint32 count = ar.getInt();
    QList<CScoreRecord> read;
    // A negative count reads nothing; a count beyond the file ends with the end-of-file
    // error, since every entry needs bytes.
    for (qint32 i = 0; i < count; ++i) {
        CScoreRecord entry;
        entry.serialize(ar);
        read.append(entry);
    }
    while (read.size() > m_capacity)
        read.removeLast();
    m_entries = read;
}
