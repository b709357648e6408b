// The asset generator's file writers, read back by independent readers (Qt's GIF reader).
#include "assetgen/GifWriter.h"
#include "assetgen/WaveWriter.h"

#include <QBuffer>
#include <QImageReader>
#include <QRandomGenerator>
#include <QtEndian>

#include <algorithm>

#include <gtest/gtest.h>

namespace {
QList<QImage> decodeGif(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    QList<QImage> frames;
    while (reader.canRead()) {
        const QImage img = reader.read();
        if (img.isNull())
            break;
        frames.append(img.convertToFormat(QImage::Format_RGB32));
    }
    return frames;
}

QImage noise(int w, int h, int colours, quint32 seed)
{
    QRandomGenerator rng(seed);
    QList<QRgb> palette;
    for (int i = 0; i < colours; ++i)
        palette.append(qRgb(int(rng.bounded(256)), int(rng.bounded(256)), int(rng.bounded(256))));
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, palette[int(rng.bounded(colours))]);
    return img;
}

int maxChannelError(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            worst = std::max({worst, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)),
                          qAbs(qBlue(p) - qBlue(q))});
        }
    return worst;
}
} // namespace

TEST(GifWriter, FramesComeBackExactlyWhenTheyFitThePalette)
{
    const struct
    {
        const char* name;
        QList<QImage> frames;
    } cases[] = {
        // Noise fills the code table many times over: the table resets must be right.
        {"noise of 256 colours", {noise(300, 200, 256, 1), noise(300, 200, 256, 1).mirrored()}},
        {"noise of 7 colours", {noise(123, 77, 7, 2)}},
        {"one colour (long runs)", {[] { QImage i(640, 480, QImage::Format_RGB32); i.fill(qRgb(204, 235, 255)); return i; }()}},
        {"one pixel", {[] { QImage i(1, 1, QImage::Format_RGB32); i.fill(qRgb(1, 2, 3)); return i; }()}},
    };
    for (const auto& c : cases) {
        const QList<QImage> back = decodeGif(GifWriter::encode(c.frames, 80));
        ASSERT_EQ(back.size(), c.frames.size()) << c.name;
        for (int i = 0; i < back.size(); ++i) {
            ASSERT_EQ(back[i].size(), c.frames[i].size()) << c.name;
            EXPECT_EQ(maxChannelError(back[i], c.frames[i].convertToFormat(QImage::Format_RGB32)), 0)
                << c.name << " frame " << i;
        }
    }
}

TEST(GifWriter, MoreColoursThanThePaletteComeBackClose)
{
    QImage gradient(256, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x)
            gradient.setPixel(x, y, qRgb(x, 255 - x, y * 4));
    const QList<QImage> back = decodeGif(GifWriter::encode({gradient}, 100));
    ASSERT_EQ(back.size(), 1);
    EXPECT_LE(maxChannelError(back[0], gradient), 24);
}

TEST(GifWriter, LoopsForeverWithTheFrameDelay)
{
    QByteArray bytes = GifWriter::encode({noise(8, 8, 3, 4), noise(8, 8, 3, 5)}, 80);
    EXPECT_TRUE(bytes.startsWith("GIF89a"));
    EXPECT_TRUE(bytes.contains("NETSCAPE2.0"));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "gif");
    EXPECT_EQ(reader.loopCount(), -1);
    EXPECT_EQ(reader.imageCount(), 2);
    reader.read();
    EXPECT_EQ(reader.nextImageDelay(), 80);
}

TEST(WaveWriter, Pcm16MonoHeaderAndClippedSamples)
{
    const QByteArray wav = WaveWriter::encode({0.0f, 1.0f, -1.0f, 2.0f, -3.0f, 0.5f}, 22050);
    ASSERT_EQ(wav.size(), 44 + 12);
    const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
    const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
    const auto s16 = [&](int at) { return qFromLittleEndian<qint16>(wav.constData() + at); };
    EXPECT_EQ(wav.left(4), QByteArray("RIFF"));
    EXPECT_EQ(u32(4), 36u + 12u);
    EXPECT_EQ(wav.mid(8, 8), QByteArray("WAVEfmt "));
    EXPECT_EQ(u32(16), 16u);
    EXPECT_EQ(u16(20), 1);         // PCM
    EXPECT_EQ(u16(22), 1);         // mono
    EXPECT_EQ(u32(24), 22050u);    // sample rate
    EXPECT_EQ(u32(28), 44100u);    // bytes per second
    EXPECT_EQ(u16(32), 2);         // block align
    EXPECT_EQ(u16(34), 16);        // bits
    EXPECT_EQ(wav.mid(36, 4), QByteArray("data"));
    EXPECT_EQ(u32(40), 12u);
    const qint16 want[] = {0, 32767, -32767, 32767, -32767, 16384};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(s16(44 + 2 * i), want[i]) << i;
}

TEST(WaveWriter, ChimeRingsOutToSilence)
{
    const int rate = 8000;
    const QList<float> s = WaveWriter::chime({880.0, 1320.0}, 0.1, 0.5, rate);
    EXPECT_EQ(s.size(), int(0.6 * rate));
    float peak = 0;
    for (float v : s)
        peak = qMax(peak, qAbs(v));
    EXPECT_NEAR(peak, 0.6f, 0.01f);
    EXPECT_LT(qAbs(s.last()), 0.01f);
    EXPECT_LT(qAbs(s.first()), 0.01f) << "no click at the start";
}
