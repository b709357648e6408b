#include "GifWriter.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace {
void put16(QByteArray& out, int v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

class BitWriter
{
public:
    void write(unsigned code, int bits)
    {
        m_acc |= quint32(code) << m_count;
        m_count += bits;
        while (m_count >= 8) {
            m_out.append(char(m_acc & 0xFF));
            m_acc >>= 8;
            m_count -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_count > 0)
            m_out.append(char(m_acc & 0xFF));
        m_acc = 0;
        m_count = 0;
        return m_out;
    }

private:
    QByteArray m_out;
    quint32 m_acc = 0;
    int m_count = 0;
};

int distance(QRgb a, QRgb b)
{
    const int dr = qRed(a) - qRed(b), dg = qGreen(a) - qGreen(b), db = qBlue(a) - qBlue(b);
    // Weighted towards green, as the eye is.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}
} // namespace

QList<QRgb> GifWriter::choosePalette(const QList<QImage>& frames)
{
    // Popularity over 5-bit-per-channel boxes; each chosen box is represented by the mean
    // of the colours that fell into it.
    struct Box { qint64 r = 0, g = 0, b = 0, n = 0; };
    std::vector<Box> boxes(32 * 32 * 32);
    for (const QImage& f : frames) {
        const QImage img = f.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = line[x];
                Box& b = boxes[size_t((qRed(p) >> 3) << 10 | (qGreen(p) >> 3) << 5 | (qBlue(p) >> 3))];
                b.r += qRed(p);
                b.g += qGreen(p);
                b.b += qBlue(p);
                ++b.n;
            }
        }
    }
    std::vector<int> order;
    for (int i = 0; i < int(boxes.size()); ++i)
        if (boxes[size_t(i)].n)
            order.push_back(i);
    std::sort(order.begin(), order.end(),
              [&](int a, int b) { return boxes[size_t(a)].n > boxes[size_t(b)].n; });
    QList<QRgb> palette;
    for (int i : order) {
        if (palette.size() == 256)
            break;
        const Box& b = boxes[size_t(i)];
        palette.append(qRgb(int(b.r / b.n), int(b.g / b.n), int(b.b / b.n)));
    }
    if (palette.isEmpty())
        palette.append(qRgb(0, 0, 0));
    return palette;
}

QByteArray GifWriter::indexPixels(const QImage& frame, const QList<QRgb>& palette)
{
    const QImage img = frame.convertToFormat(QImage::Format_RGB32);
    QByteArray out;
    out.reserve(img.width() * img.height());
    QHash<QRgb, char> cache;
    for (int y = 0; y < img.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = line[x] | 0xFF000000u;
            auto it = cache.constFind(p);
            if (it == cache.constEnd()) {
                int best = 0, bestDistance = INT_MAX;
                for (int i = 0; i < palette.size(); ++i) {
                    const int d = distance(p, palette[i]);
                    if (d < bestDistance) {
                        bestDistance = d;
                        best = i;
                    }
                }
                it = cache.insert(p, char(best));
            }
            out.append(*it);
        }
    }
    return out;
}

QByteArray GifWriter::lzw(const QByteArray& indices)
{
    constexpr int minCodeSize = 8;
    constexpr unsigned clearCode = 1u << minCodeSize;
    constexpr unsigned endCode = clearCode + 1;
    // The code table as a tree: child[code * 256 + byte] is the code of that string plus byte.
    std::vector<quint16> child(4096 * 256, 0);
    BitWriter bits;
    int codeSize = minCodeSize + 1;
    unsigned maxCode = endCode;
    bits.write(clearCode, codeSize);
    int current = -1;
    for (char ch : indices) {
        const unsigned value = quint8(ch);
        if (current < 0) {
            current = int(value);
            continue;
        }
        const size_t slot = size_t(current) * 256 + value;
        if (child[slot]) {
            current = child[slot];
            continue;
        }
        bits.write(unsigned(current), codeSize);
        child[slot] = quint16(++maxCode);
        if (maxCode >= (1u << codeSize))
            ++codeSize;
        if (maxCode == 4095) {
            bits.write(clearCode, codeSize);
            std::fill(child.begin(), child.end(), 0);
            codeSize = minCodeSize + 1;
            maxCode = endCode;
        }
        current = int(value);
    }
    if (current >= 0)
        bits.write(unsigned(current), codeSize);
    bits.write(clearCode, codeSize);
    bits.write(endCode, minCodeSize + 1);
    return bits.finish();
}

QByteArray GifWriter::encode(const QList<QImage>& frames, int delayMs)
{
    if (frames.isEmpty())
        return {};
    const int width = frames.first().width(), height = frames.first().height();
    QList<QRgb> palette = choosePalette(frames);
    while (palette.size() < 256)
        palette.append(qRgb(0, 0, 0));

    QByteArray out("GIF89a");
    put16(out, width);
    put16(out, height);
    out.append(char(0xF7)); // global colour table of 256 entries, 8 bits per primary
    out.append(char(0));    // background colour index
    out.append(char(0));    // pixel aspect ratio
    for (QRgb p : palette) {
        out.append(char(qRed(p)));
        out.append(char(qGreen(p)));
        out.append(char(qBlue(p)));
    }
    // Loop forever.
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);

    const int delay = qMax(2, (delayMs + 5) / 10);
    for (const QImage& frame : frames) {
        out.append("\x21\xF9\x04", 3);
        out.append(char(0x04)); // leave the frame in place, no transparency
        put16(out, delay);
        out.append(char(0));
        out.append(char(0));

        out.append(char(0x2C));
        put16(out, 0);
        put16(out, 0);
        put16(out, width);
        put16(out, height);
        out.append(char(0)); // no local colour table, not interlaced

        out.append(char(8)); // LZW minimum code size
        const QByteArray data = lzw(indexPixels(frame.scaled(width, height), palette));
        for (qsizetype at = 0; at < data.size(); at += 255) {
            const qsizetype n = qMin<qsizetype>(255, data.size() - at);
            out.append(char(n));
            out.append(data.constData() + at, n);
        }
        out.append(char(0));
    }
    out.append(char(0x3B));
    return out;
}
