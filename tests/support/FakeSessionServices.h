#pragma once
#include <QStringList>

#include "support/FakeJournal.h"
#include "platform/SessionServices.h"

// Records each request; a service marked missing still records the attempt but answers false.
class FakeSessionServices final : public SessionServices
{
public:
    enum class Service { PowerOff, Lock, ScreenSaver };

    explicit FakeSessionServices(FakeJournalPtr journal = {}) : m_journal(std::move(journal)) {}

    bool powerOff() override { return call(Service::PowerOff, QStringLiteral("powerOff")); }
    bool lockSession() override { return call(Service::Lock, QStringLiteral("lockSession")); }
    bool startScreenSaver() override { return call(Service::ScreenSaver, QStringLiteral("startScreenSaver")); }

    void setMissing(Service service, bool missing = true)
    {
        m_missing[int(service)] = missing;
    }
    // The calls in order: "powerOff", "lockSession", "startScreenSaver".
    const QStringList& calls() const { return m_calls; }
    int count(const QString& call) const { return int(m_calls.count(call)); }
    void clear() { m_calls.clear(); }

private:
    bool call(Service service, const QString& name)
    {
        m_calls.append(name);
        journalAdd(m_journal, name);
        return !m_missing[int(service)];
    }

    QStringList m_calls;
    bool m_missing[3] = {false, false, false};
    FakeJournalPtr m_journal;
};
