#pragma once
#include <QList>
#include <QString>

#include <memory>

// A wave file held ready to be played again and again, as a game plays its effects and its
// background music. Playing a clip that is already playing starts it over; a looping clip
// plays until stopped. A missing or unreadable file, or no sound device: silence.
class SoundClip
{
public:
    virtual ~SoundClip() = default;
    virtual void play(bool loop = false) = 0;
    virtual void stop() = 0;
};

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
    // Loads a wave file as a clip; the clip stops when it is destroyed.
    virtual std::unique_ptr<SoundClip> clip(const QString& path) = 0;
    virtual bool isMuted() const = 0;
    virtual void setMuted(bool muted) = 0;
};
