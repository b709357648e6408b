#pragma once
#include <QByteArray>
#include <QList>

// Wave files as every player takes them: RIFF, PCM, 16 bits, mono.
namespace WaveWriter {
// samples in -1..1, clipped.
QByteArray encode(const QList<float>& samples, int sampleRate);

// A soft chime: bell-like notes (Hz) struck one after another every gapSeconds, each
// ringing out over ringSeconds.
QList<float> chime(const QList<double>& notes, double gapSeconds, double ringSeconds, int sampleRate);
}
