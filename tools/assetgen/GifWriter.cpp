#include "assetgen/GifWriter.h"

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
    // Frames with at most 256 distinct colours keep them exactly.
    QHash<QRgb, qint64> exact;
    bool few = true;
    // Otherwise median cut: colours are counted in 5-bit-per-channel cells, the set of cells
    // is split at the weighted median of its widest channel until there are 256 groups,
    // and each group is represented by the mean of its colours.
    struct Cell { qint64 r = 0, g = 0, b = 0, n = 0; };
    std::vector<Cell> cells(32 * 32 * 32);
    for (const QImage& f : frames) {
        const QImage img = f.convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < img.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(img.constScanLine(y));
            for (int x = 0; x < img.width(); ++x) {
                const QRgb p = line[x] | 0xFF000000u;
                if (few) {
                    ++exact[p];
                    few = exact.size() <= 256;
                }
                Cell& cell = cells[size_t((qRed(p) >> 3) << 10 | (qGreen(p) >> 3) << 5 | (qBlue(p) >> 3))];
                cell.r += qRed(p);
                cell.g += qGreen(p);
                cell.b += qBlue(p);
                ++cell.n;
            }
        }
    }
    if (few) {
        QList<QRgb> palette = exact.keys();
        std::sort(palette.begin(), palette.end());
        if (palette.isEmpty())
            palette.append(qRgb(0, 0, 0));
        return palette;
    }

    auto channel = [](int index, int ch) { return (index >> (10 - 5 * ch)) & 31; };
    std::vector<std::vector<int>> groups(1);
    for (int i = 0; i < int(cells.size()); ++i)
        if (cells[size_t(i)].n)
            groups[0].push_back(i);
    while (groups.size() < 256) {
        // The group with the widest spread in any channel (ties: the most pixels) is split.
        int best = -1, bestChannel = 0, bestSpread = 0;
        for (int g = 0; g < int(groups.size()); ++g) {
            if (groups[size_t(g)].size() < 2)
                continue;
            for (int ch = 0; ch < 3; ++ch) {
                int lo = 31, hi = 0;
                for (int i : groups[size_t(g)]) {
                    lo = qMin(lo, channel(i, ch));
                    hi = qMax(hi, channel(i, ch));
                }
                if (hi - lo > bestSpread) {
                    bestSpread = hi - lo;
                    best = g;
                    bestChannel = ch;
                }
            }
        }
        if (best < 0)
            break;
        std::vector<int>& group = groups[size_t(best)];
        std::sort(group.begin(), group.end(),
                  [&](int a, int b) { return channel(a, bestChannel) < channel(b, bestChannel); });
        qint64 total = 0;
        for (int i : group)
            total += cells[size_t(i)].n;
        qint64 run = 0;
        size_t cut = 1;
        for (size_t k = 0; k + 1 < group.size(); ++k) {
            run += cells[size_t(group[k])].n;
            cut = k + 1;
            if (run * 2 >= total)
                break;
        }
        std::vector<int> upper(group.begin() + qsizetype(cut), group.end());
        group.resize(cut);
        groups.push_back(std::move(upper));
    }
    QList<QRgb> palette;
    for (const std::vector<int>& group : groups) {
        qint64 r = 0, g = 0, b = 0, n = 0;
        for (int i : group) {
            const Cell& cell = cells[size_t(i)];
            r += cell.r;
            g += cell.g;
            b += cell.b;
            n += cell.n;
        }
        if (n)
            palette.append(qRgb(int(r / n), int(g / n), int(b / n)));
    }
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
