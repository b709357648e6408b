#pragma once
#include <QDateTime>
#include <QList>

#include <atomic>

#include "platform/Clock.h"
#include "support/FakeJournal.h"

// A clock that moves only when told. Accepted setSystemTime calls move now() to the moment.
// Its readings may be taken from another thread (a clock face's worker).
class FakeClock final : public Clock
{
public:
    // Default start: 2020-01-01 00:00:00 UTC, tick count 0.
    explicit FakeClock(qint64 now = 1577836800, FakeJournalPtr journal = {})
        : m_now(now), m_journal(std::move(journal))
    {
    }

    qint64 now() const override { return m_now; }
    qint64 tickMs() const override { return m_tickMs; }
    bool setSystemTime(const QDateTime& moment) override
    {
        m_setTimeCalls.append(moment);
        journalAdd(m_journal, QStringLiteral("setSystemTime %1").arg(moment.toSecsSinceEpoch()));
        if (m_refuseSetTime)
            return false;
        m_now = moment.toSecsSinceEpoch();
        return true;
    }

    void setNow(qint64 secondsSinceEpoch) { m_now = secondsSinceEpoch; }
    void setNow(const QDateTime& moment) { m_now = moment.toSecsSinceEpoch(); }
    void setTickMs(qint64 ms) { m_tickMs = ms; }
    // Moves both the wall clock and the tick count.
    void advance(qint64 seconds)
    {
        m_now += seconds;
        m_tickMs += seconds * 1000;
    }
    // Moves the tick count only (the wall clock keeps whole seconds).
    void advanceMs(qint64 ms) { m_tickMs += ms; }

    void setRefuseSetTime(bool refuse) { m_refuseSetTime = refuse; }
    const QList<QDateTime>& setTimeCalls() const { return m_setTimeCalls; }

private:
    std::atomic<qint64> m_now;
    std::atomic<qint64> m_tickMs = 0;
    bool m_refuseSetTime = false;
    QList<QDateTime> m_setTimeCalls;
    FakeJournalPtr m_journal;
};
