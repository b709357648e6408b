#pragma once
#include <QString>
#include <QStringList>

#include <memory>

// One ordered list of what every fake did, shared by the fakes of one FakePlatform, so a test
// can check the order of actions across seams ("playWave a.wav 3", "powerOff", "open x open").
class FakeJournal
{
public:
    void add(const QString& entry) { m_entries.append(entry); }
    const QStringList& entries() const { return m_entries; }
    void clear() { m_entries.clear(); }

private:
    QStringList m_entries;
};

using FakeJournalPtr = std::shared_ptr<FakeJournal>;

inline void journalAdd(const FakeJournalPtr& journal, const QString& entry)
{
    if (journal)
        journal->add(entry);
}
