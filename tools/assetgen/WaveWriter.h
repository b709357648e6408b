#pragma once
#include <QByteArray>
#include <QList>

// Wave files as every player takes them: RIFF, PCM, 16 bits, mono; and the small
// synthesiser the program's sounds are made with.
namespace WaveWriter {
// samples in -1..1, clipped.
QByteArray encode(const QList<float>& samples, int sampleRate);

// A soft chime: bell-like notes (Hz) struck one after another every gapSeconds, each
// ringing out over ringSeconds.
QList<float> chime(const QList<double>& notes, double gapSeconds, double ringSeconds, int sampleRate);

// Mixes one bell-like note into mix from startSeconds on, ringing over ringSeconds. With
// wrap, what runs past the end continues at the start (for sounds played in a loop).
void strike(QList<double>& mix, int sampleRate, double startSeconds, double frequency,
            double ringSeconds, double gain, bool wrap = false);

// A sweep from f0 to f1 Hz with a quick decay, some noise mixed in (0..1): pops and blips.
QList<double> sweep(double f0, double f1, double seconds, double noise, int sampleRate);

// Scales mix to the given peak and fades its last fadeSeconds (0: no fade) to silence.
QList<float> finish(const QList<double>& mix, double peak, double fadeSeconds, int sampleRate);
}
