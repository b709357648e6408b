#pragma once
#include <QList>
#include <QStringList>

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

    // A clip records "play <path>", "loop <path>" and "stop <path>" in clipEvents().
    class Clip final : public SoundClip
    {
    public:
        Clip(FakeSound& owner, QString path) : m_owner(owner), m_path(std::move(path)) { }
        void play(bool loop) override { m_owner.clipEvent((loop ? QStringLiteral("loop ") : QStringLiteral("play ")) + m_path); }
        void stop() override { m_owner.clipEvent(QStringLiteral("stop ") + m_path); }

    private:
        FakeSound& m_owner;
        QString m_path;
    };
    std::unique_ptr<SoundClip> clip(const QString& path) override
    {
        m_clips.append(path);
        return std::make_unique<Clip>(*this, path);
    }
    void clipEvent(const QString& event)
    {
        m_clipEvents.append(event);
        journalAdd(m_journal, QStringLiteral("clip ") + event);
    }

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
    // The paths of the clips loaded, and what was done with them, in order.
    const QStringList& clips() const { return m_clips; }
    const QStringList& clipEvents() const { return m_clipEvents; }
    // Sets the state the mixer reports without recording a call.
    void setMutedState(bool muted) { m_muted = muted; }
    void clear()
    {
        m_waves.clear();
        m_toneRuns.clear();
        m_muteCalls.clear();
        m_clipEvents.clear();
    }

private:
    QList<Wave> m_waves;
    QList<QList<Tone>> m_toneRuns;
    QList<bool> m_muteCalls;
    QStringList m_clips;
    QStringList m_clipEvents;
    bool m_muted = false;
    FakeJournalPtr m_journal;
};
