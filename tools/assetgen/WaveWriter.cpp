#include "WaveWriter.h"

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

QList<float> chime(const QList<double>& notes, double gapSeconds, double ringSeconds, int sampleRate)
{
    const double total = gapSeconds * (notes.size() - 1) + ringSeconds;
    const int n = int(total * sampleRate);
    QList<double> mix(n, 0.0);
    for (int k = 0; k < notes.size(); ++k) {
        const int start = int(k * gapSeconds * sampleRate);
        const double f = notes[k];
        for (int i = start; i < n; ++i) {
            const double t = double(i - start) / sampleRate;
            if (t > ringSeconds)
                break;
            // A soft 4 ms attack, an exponential ring; a few bell partials, the higher
            // ones dying away faster.
            const double attack = qMin(1.0, t / 0.004);
            const double body = qExp(-t * 3.2);
            double v = qSin(2 * M_PI * f * t) * body;
            v += 0.35 * qSin(2 * M_PI * f * 2.0 * t) * qExp(-t * 6.0);
            v += 0.18 * qSin(2 * M_PI * f * 2.76 * t) * qExp(-t * 9.0);
            v += 0.08 * qSin(2 * M_PI * f * 5.4 * t) * qExp(-t * 14.0);
            mix[i] += attack * v;
        }
    }
    double peak = 0;
    for (double v : mix)
        peak = qMax(peak, qAbs(v));
    QList<float> out;
    out.reserve(n);
    const double gain = peak > 0 ? 0.6 / peak : 0;
    for (int i = 0; i < n; ++i) {
        // Fade the last 50 ms to silence.
        const double tail = qMin(1.0, double(n - i) / (0.05 * sampleRate));
        out.append(float(mix[i] * gain * tail));
    }
    return out;
}
} // namespace WaveWriter
