#pragma once
#include <QList>
#include <QSet>
#include <QStringList>

#include "support/FakeJournal.h"
#include "platform/Launcher.h"

// Records what would be opened or run; can be told to fail (always or for some targets).
class FakeLauncher final : public Launcher
{
public:
    struct Opened
    {
        QString target;
        QString verb;
        friend bool operator==(const Opened&, const Opened&) = default;
    };

    explicit FakeLauncher(FakeJournalPtr journal = {}) : m_journal(std::move(journal)) {}

    bool open(const QString& target, const QString& verb = QStringLiteral("open")) override
    {
        m_opened.append({target, verb});
        journalAdd(m_journal, QStringLiteral("open %1 %2").arg(target, verb));
        return !m_failAll && !m_failing.contains(target);
    }
    bool runCommand(const QString& commandLine) override
    {
        m_commands.append(commandLine);
        journalAdd(m_journal, QStringLiteral("runCommand %1").arg(commandLine));
        return !m_failAll && !m_failing.contains(commandLine);
    }

    void setFailing(bool failAll) { m_failAll = failAll; }
    void failFor(const QString& targetOrCommand) { m_failing.insert(targetOrCommand); }

    const QList<Opened>& opened() const { return m_opened; }
    const QStringList& commands() const { return m_commands; }
    void clear()
    {
        m_opened.clear();
        m_commands.clear();
    }

private:
    QList<Opened> m_opened;
    QStringList m_commands;
    QSet<QString> m_failing;
    bool m_failAll = false;
    FakeJournalPtr m_journal;
};
