#pragma once
#include <QList>
#include <QString>

// Sound output: wave files, tones and the speaker mute. Every call returns at once;
// without a sound device the sound is skipped silently.
class Sound
{
public:
    struct Tone
    {
        int frequencyHz;
        int durationMs;
        friend bool operator==(const Tone&, const Tone&) = default;
    };
    virtual ~Sound() = default;
    // Plays a wave file `times` times one after another, without blocking.
    virtual void playWave(const QString& path, int times = 1) = 0;
    // Plays the tones one after another, without blocking.
    virtual void playTones(const QList<Tone>& tones) = 0;
    virtual bool isMuted() const = 0;
    virtual void setMuted(bool muted) = 0;
};
