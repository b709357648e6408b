#pragma once
#include <QList>

#include "support/FakeJournal.h"
#include "platform/Sound.h"

// Records waves (with their repeat counts) and tone runs; holds the mute state.
class FakeSound final : public Sound
{
public:
    struct Wave
    {
        QString path;
        int times;
        friend bool operator==(const Wave&, const Wave&) = default;
    };

    explicit FakeSound(FakeJournalPtr journal = {}) : m_journal(std::move(journal)) {}

    void playWave(const QString& path, int times = 1) override
    {
        m_waves.append({path, times});
        journalAdd(m_journal, QStringLiteral("playWave %1 %2").arg(path).arg(times));
    }
    void playTones(const QList<Tone>& tones) override
    {
        m_toneRuns.append(tones);
        journalAdd(m_journal, QStringLiteral("playTones %1").arg(tones.size()));
    }
    bool isMuted() const override { return m_muted; }
    void setMuted(bool muted) override
    {
        m_muted = muted;
        m_muteCalls.append(muted);
        journalAdd(m_journal, QStringLiteral("setMuted %1").arg(muted ? 1 : 0));
    }

    const QList<Wave>& waves() const { return m_waves; }
    // Each playTones call, in order.
    const QList<QList<Tone>>& toneRuns() const { return m_toneRuns; }
    // Every tone of every run, flattened.
    QList<Tone> tones() const
    {
        QList<Tone> all;
        for (const auto& run : m_toneRuns)
            all += run;
        return all;
    }
    const QList<bool>& muteCalls() const { return m_muteCalls; }
    // Sets the state the mixer reports without recording a call.
    void setMutedState(bool muted) { m_muted = muted; }
    void clear()
    {
        m_waves.clear();
        m_toneRuns.clear();
        m_muteCalls.clear();
    }

private:
    QList<Wave> m_waves;
    QList<QList<Tone>> m_toneRuns;
    QList<bool> m_muteCalls;
    bool m_muted = false;
    FakeJournalPtr m_journal;
};
