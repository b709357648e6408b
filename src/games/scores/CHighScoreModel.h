#pragma once
#include "games/scores/CScoreRecord.h"

#include <QList>
#include <QString>

class DataArchive;

// The Winlinez table of best results, best first, holding at most `capacity` entries.
class CHighScoreModel
{
public:
    explicit CHighScoreModel(int capacity = 9) : m_capacity(capacity) { }

    int capacity() const { return m_capacity; }
    const QList<CScoreRecord>& entries() const { return m_entries; }
    qsizetype count() const { return m_entries.size(); }
    void clear() { m_entries.clear(); }

    // Whether a score earns a place: with nine entries or more it must beat the last one,
    // with fewer it must be above 0.
    bool accepts(qint32 score) const;
    // Inserts the entry below every entry with an equal or higher score (so among equal
    // scores the older entry stays above), then drops entries beyond the capacity.
    void add(const CScoreRecord& entry);
    // "1   120    Ann\n2    45    Bob": the rank, the score in six places and four spaces,
    // the name; the empty text for an empty table.
    QString tableText() const;

    // The integer count, then each entry from the head: its score and its name. Loading
    // replaces the entries with those of the stream, in its order, and keeps at most the
    // capacity.
    void serialize(DataArchive& ar);

private:
    int m_capacity;
    QList<CScoreRecord> m_entries;
};
