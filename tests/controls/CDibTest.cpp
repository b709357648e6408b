// The bitmap helper on real picture files.
#include "controls/CDib.h"

#include "support/TempDir.h"

#include <QBuffer>
#include <QDir>

#include <gtest/gtest.h>

namespace {
QByteArray bmpBytes(const QImage& img)
{
    QByteArray out;
    QBuffer b(&out);
    b.open(QIODevice::WriteOnly);
    img.save(&b, "BMP");
    return out;
}

// A 6 x 4 picture: magenta background with an L of blue pixels.
QImage sample()
{
    QImage img(6, 4, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 255));
    for (int y = 0; y < 4; ++y)
        img.setPixel(1, y, qRgb(0, 0, 200));
    for (int x = 1; x < 5; ++x)
        img.setPixel(x, 3, qRgb(0, 0, 200));
    return img;
}
} // namespace

TEST(CDib, LoadsBmpFilesOnly)
{
    TempDir dir;
    dir.write(QStringLiteral("ok.bmp"), bmpBytes(sample()));
    QByteArray png;
    {
        QBuffer b(&png);
        b.open(QIODevice::WriteOnly);
        sample().save(&b, "PNG");
    }
    dir.write(QStringLiteral("png.bmp"), png); // a PNG named .bmp is not a BMP
    dir.write(QStringLiteral("short.bmp"), "B");

    const QImage ok = CDib::loadBmp(dir.file(QStringLiteral("ok.bmp")));
    ASSERT_FALSE(ok.isNull());
    EXPECT_EQ(ok.size(), QSize(6, 4));
    EXPECT_EQ(ok.pixel(1, 0) & 0xFFFFFF, 0x0000C8u);
    EXPECT_TRUE(CDib::loadBmp(dir.file(QStringLiteral("png.bmp"))).isNull());
    EXPECT_TRUE(CDib::loadBmp(dir.file(QStringLiteral("short.bmp"))).isNull());
    EXPECT_TRUE(CDib::loadBmp(dir.file(QStringLiteral("missing.bmp"))).isNull());
}

TEST(CDib, CutsOutTheTransparentColour)
{
    const QImage img = sample();
    const QRgb key = img.pixel(0, 0);
    const QImage clear = CDib::withTransparentColour(img, key).toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(clear.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(clear.pixel(1, 1)), 255);

    const QRegion region = CDib::opaqueRegion(img, key);
    int inside = 0;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool opaque = (img.pixel(x, y) | 0xFF000000u) != (key | 0xFF000000u);
            EXPECT_EQ(region.contains(QPoint(x, y)), opaque) << x << "," << y;
            inside += opaque;
        }
    EXPECT_EQ(inside, 7);
    EXPECT_TRUE(CDib::opaqueRegion(QImage(), key).isEmpty());
}

TEST(CDib, GeneratedClockSkinsCutToTheirPictures)
{
    const QString skin = QDir(qEnvironmentVariable("QUILLORA_BIN_DIR")).filePath(QStringLiteral("bmp/Clock/Girl.bmp"));
    const QImage img = CDib::loadBmp(skin);
    if (img.isNull())
        GTEST_SKIP() << "the generated pictures are not built";
    const QRegion region = CDib::opaqueRegion(img, img.pixel(0, 0));
    EXPECT_FALSE(region.contains(QPoint(0, 0)));
    EXPECT_TRUE(region.contains(QPoint(img.width() / 2, img.height() - 20))); // the time display
    int area = 0;
    for (const QRect& r : region)
        area += r.width() * r.height();
    EXPECT_GT(area, img.width() * img.height() / 4);
    EXPECT_LT(area, img.width() * img.height() * 9 / 10);
}
