#pragma once
#include <QObject>

#include "platform/Sound.h"

class QAudioSink;

// Wave files through QSoundEffect (repeated with its loop count, so the plays follow each other
// at once), tones synthesised as 16-bit PCM and played through QAudioSink, the mute of the
// default PulseAudio/PipeWire sink through pactl. Without an output device nothing is played.
class QtSound final : public QObject, public Sound
{
    Q_OBJECT
public:
    static constexpr int SampleRate = 44100;

    explicit QtSound(QObject* parent = nullptr);
    ~QtSound() override;

    void playWave(const QString& path, int times = 1) override;
    void playTones(const QList<Tone>& tones) override;
    std::unique_ptr<SoundClip> clip(const QString& path) override;
    bool isMuted() const override;
    void setMuted(bool muted) override;

    // The tones as mono signed 16-bit samples at SampleRate, each exactly its duration
    // (frequency 0 is silence). Short fades at both ends of each tone avoid clicks.
    static QByteArray synthesize(const QList<Tone>& tones);
    // The short alert played in place of a wave file that cannot be played.
    static QList<Tone> alertTones();

private:
    void playPcm(const QByteArray& pcm);
};
