#include "assetgen/WaveWriter.h"

#include <QRandomGenerator>
#include <QtEndian>
#include <QtMath>

namespace WaveWriter {
namespace {
void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}
void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}
} // namespace

QByteArray encode(const QList<float>& samples, int sampleRate)
{
    const quint32 dataBytes = quint32(samples.size()) * 2;
    QByteArray out("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, quint32(sampleRate));
    put32(out, quint32(sampleRate) * 2);
    put16(out, 2);  // block align
    put16(out, 16); // bits per sample
    out.append("data");
    put32(out, dataBytes);
    for (float s : samples) {
        const float clipped = qBound(-1.0f, s, 1.0f);
        put16(out, quint16(qint16(qRound(clipped * 32767.0f))));
    }
    return out;
}

void strike(QList<double>& mix, int sampleRate, double startSeconds, double frequency,
            double ringSeconds, double gain, bool wrap)
{
    const qsizetype n = mix.size();
    if (n == 0)
        return;
    const qsizetype start = qsizetype(startSeconds * sampleRate);
    const qsizetype length = qsizetype(ringSeconds * sampleRate);
    for (qsizetype k = 0; k < length; ++k) {
        qsizetype i = start + k;
        if (i >= n) {
            if (!wrap)
                break;
            i %= n;
        }
        const double t = double(k) / sampleRate;
        // A soft 4 ms attack, an exponential ring; a few bell partials, the higher ones
        // dying away faster.
        const double attack = qMin(1.0, t / 0.004);
        double v = qSin(2 * M_PI * frequency * t) * qExp(-t * 3.2);
        v += 0.35 * qSin(2 * M_PI * frequency * 2.0 * t) * qExp(-t * 6.0);
        v += 0.18 * qSin(2 * M_PI * frequency * 2.76 * t) * qExp(-t * 9.0);
        v += 0.08 * qSin(2 * M_PI * frequency * 5.4 * t) * qExp(-t * 14.0);
        // The last 20 ms of the ring fade out, so a cut-off note does not click.
        const double tail = qMin(1.0, double(length - k) / (0.02 * sampleRate));
        mix[i] += gain * attack * tail * v;
    }
}

QList<double> sweep(double f0, double f1, double seconds, double noise, int sampleRate)
{
    const int n = int(seconds * sampleRate);
    QList<double> out(n, 0.0);
    QRandomGenerator rng(868);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / sampleRate, x = t / seconds;
        const double f = f0 * qPow(f1 / f0, x);
        phase += 2 * M_PI * f / sampleRate;
        const double attack = qMin(1.0, t / 0.003);
        const double decay = qExp(-x * 4.0) * (1 - x);
        const double hiss = rng.generateDouble() * 2 - 1;
        out[i] = attack * decay * ((1 - noise) * qSin(phase) + noise * hiss);
    }
    return out;
}

QList<float> finish(const QList<double>& mix, double peak, double fadeSeconds, int sampleRate)
{
    double top = 0;
    for (double v : mix)
        top = qMax(top, qAbs(v));
    const double gain = top > 0 ? peak / top : 0;
    const qsizetype n = mix.size();
    QList<float> out;
    out.reserve(n);
    for (qsizetype i = 0; i < n; ++i) {
        const double tail = fadeSeconds > 0 ? qMin(1.0, double(n - i) / (fadeSeconds * sampleRate)) : 1.0;
        out.append(float(mix[i] * gain * tail));
    }
    return out;
}

QList<float> chime(const QList<double>& notes, double gapSeconds, double ringSeconds, int sampleRate)
{
    const double total = gapSeconds * (notes.size() - 1) + ringSeconds;
    QList<double> mix(qsizetype(total * sampleRate), 0.0);
    for (int k = 0; k < notes.size(); ++k)
        strike(mix, sampleRate, k * gapSeconds, notes[k], ringSeconds, 1.0);
    return finish(mix, 0.6, 0.05, sampleRate);
}
} // namespace WaveWriter
