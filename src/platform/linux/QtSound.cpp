#include "platform/linux/QtSound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFileInfo>
#include <QMediaDevices>
#include <QProcess>
#include <QSoundEffect>
#include <QUrl>

#include <cmath>
#include <numbers>

namespace {

constexpr int LeadMs = 40;
constexpr int TailMs = 500;

bool hasOutputDevice()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

// Runs pactl with a short time-out; the standard output, or nothing on failure.
QByteArray pactl(const QStringList& args, bool* ok = nullptr)
{
    QProcess p;
    p.start(QStringLiteral("pactl"), args);
    const bool done = p.waitForStarted(2000) && p.waitForFinished(3000) && p.exitStatus() == QProcess::NormalExit
        && p.exitCode() == 0;
    if (p.state() != QProcess::NotRunning) {
        p.kill();
        p.waitForFinished(1000);
    }
    if (ok)
        *ok = done;
    return done ? p.readAllStandardOutput() : QByteArray();
}

// A QSoundEffect made on first play, when there is a device and the file exists.
class QtSoundClip final : public SoundClip
{
public:
    explicit QtSoundClip(const QString& path) : m_path(QFileInfo(path).absoluteFilePath()) { }

    void play(bool loop) override
    {
        if (!m_effect) {
            if (!QFileInfo(m_path).isFile() || !hasOutputDevice())
                return;
            m_effect = std::make_unique<QSoundEffect>();
            m_effect->setSource(QUrl::fromLocalFile(m_path));
        }
        m_effect->stop();
        m_effect->setLoopCount(loop ? QSoundEffect::Infinite : 1);
        m_effect->play();
    }
    void stop() override
    {
        if (m_effect)
            m_effect->stop();
    }

private:
    QString m_path;
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace

std::unique_ptr<SoundClip> QtSound::clip(const QString& path)
{
    return std::make_unique<QtSoundClip>(path);
}

QtSound::QtSound(QObject* parent) : QObject(parent) {}

QtSound::~QtSound() = default;

QList<Sound::Tone> QtSound::alertTones()
{
    return {{880, 120}, {0, 40}, {660, 160}};
}

QByteArray QtSound::synthesize(const QList<Tone>& tones)
{
    qint64 total = 0;
    for (const Tone& t : tones)
        total += qint64(qMax(0, t.durationMs)) * SampleRate / 1000;
    QByteArray pcm(total * 2, Qt::Uninitialized);
    auto* out = reinterpret_cast<qint16*>(pcm.data());
    const int fade = SampleRate * 3 / 1000;
    for (const Tone& t : tones) {
        const qint64 n = qint64(qMax(0, t.durationMs)) * SampleRate / 1000;
        for (qint64 i = 0; i < n; ++i) {
            double v = 0;
            if (t.frequencyHz > 0) {
                const double ramp = std::min({1.0, double(i) / fade, double(n - 1 - i) / fade});
                v = 0.5 * ramp * std::sin(2 * std::numbers::pi * t.frequencyHz * double(i) / SampleRate);
            }
            *out++ = qint16(std::lround(v * 32767));
        }
    }
    return pcm;
}

void QtSound::playPcm(const QByteArray& pcm)
{
    if (pcm.isEmpty() || !hasOutputDevice())
        return;
    QAudioFormat format;
    format.setSampleRate(SampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (!device.isFormatSupported(format))
        return;
    auto* sink = new QAudioSink(device, format, this);
    auto* buffer = new QBuffer(sink);
    // The sink turns idle when its last bytes are handed to the server, not when they have
    // been heard, and stopping it then drops what the server still holds: a tail of silence
    // keeps the stop clear of the sound.
    // Likewise the server may drop the first milliseconds of a new stream: a short lead-in.
    buffer->setData(QByteArray(SampleRate * 2 * LeadMs / 1000, 0) + pcm + QByteArray(SampleRate * 2 * TailMs / 1000, 0));
    buffer->open(QIODevice::ReadOnly);
    // The sink reports Idle when the buffer has been played out (or it stops on an error):
    // then both go.
    connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State state) {
        if (state == QAudio::IdleState || state == QAudio::StoppedState) {
            sink->disconnect();
            sink->stop();
            sink->deleteLater();
        }
    });
    // A generous device buffer: a busy machine must not open gaps in the tones.
    sink->setBufferSize(SampleRate * 2 * 250 / 1000);
    sink->start(buffer);
    if (sink->error() != QAudio::NoError) {
        sink->disconnect();
        sink->deleteLater();
    }
}

void QtSound::playTones(const QList<Tone>& tones)
{
    playPcm(synthesize(tones));
}

void QtSound::playWave(const QString& path, int times)
{
    if (times <= 0 || !hasOutputDevice())
        return;
    if (!QFileInfo(path).isFile()) {
        QList<Tone> alert;
        for (int i = 0; i < times; ++i)
            alert += alertTones();
        playTones(alert);
        return;
    }
    auto* effect = new QSoundEffect(this);
    effect->setLoopCount(times);
    // A file the effect cannot decode gets the alert in its place; a finished play frees it.
    connect(effect, &QSoundEffect::statusChanged, this, [this, effect, times] {
        if (effect->status() == QSoundEffect::Error) {
            effect->disconnect(this);
            effect->deleteLater();
            QList<Tone> alert;
            for (int i = 0; i < times; ++i)
                alert += alertTones();
            playTones(alert);
        }
    });
    connect(effect, &QSoundEffect::playingChanged, this, [this, effect] {
        if (!effect->isPlaying() && effect->loopsRemaining() == 0) {
            effect->disconnect(this);
            effect->deleteLater();
        }
    });
    effect->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    effect->play();
}

bool QtSound::isMuted() const
{
    bool ok = false;
    const QByteArray out = pactl({QStringLiteral("get-sink-mute"), QStringLiteral("@DEFAULT_SINK@")}, &ok);
    return ok && out.contains("yes");
}

void QtSound::setMuted(bool muted)
{
    pactl({QStringLiteral("set-sink-mute"), QStringLiteral("@DEFAULT_SINK@"),
           muted ? QStringLiteral("1") : QStringLiteral("0")});
}
