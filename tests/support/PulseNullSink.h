#pragma once
#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <memory>

#include "support/ChildProcess.h"

// A private PulseAudio server whose only sink is the null sink "nullsink", so sound played
// by the process can be recorded from "nullsink.monitor". start() sets XDG_RUNTIME_DIR and
// PULSE_SERVER for the process (before any sound object is made); stop() ends it.
//
//   PulseNullSink pulse;
//   if (!pulse.start()) GTEST_SKIP() << pulse.error().toStdString();
//   pulse.startRecording();  ...play...  QByteArray pcm = pulse.stopRecording();
class PulseNullSink
{
public:
    static constexpr int SampleRate = 44100; // recordings: signed 16-bit little endian, mono

    PulseNullSink() = default;
    ~PulseNullSink() { stop(); }

    bool start(int timeoutMs = 15000);
    void stop();
    QString error() const { return m_error; }
    QString serverAddress() const { return m_server; }

    // Records the null sink's monitor until stopRecording(), which returns the samples.
    bool startRecording();
    QByteArray stopRecording();
    // The samples recorded so far (the recorder keeps running).
    QByteArray recordedSoFar() const;

    // Runs pactl against this server; the standard output, or empty on failure.
    QByteArray pactl(const QStringList& arguments, bool* ok = nullptr) const;
    bool sinkMuted() const;

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    ChildProcess m_serverProcess;
    ChildProcess m_recorder;
    QString m_server;
    QString m_error;
};
