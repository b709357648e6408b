#include "controls/CDib.h"

#include <QBitmap>
#include <QFile>

namespace CDib {

QImage loadBmp(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("BM"))
        return {};
    return QImage::fromData(bytes, "BMP");
}

QPixmap withTransparentColour(const QImage& image, QRgb transparent)
{
    if (image.isNull())
        return {};
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent | 0xFF000000u;
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] | 0xFF000000u) == key)
                line[x] = 0;
    }
    return QPixmap::fromImage(out);
}

QRegion opaqueRegion(const QImage& image, QRgb transparent)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QRgb key = transparent | 0xFF000000u;
    // One rectangle per run of opaque pixels in a row; QRegion merges them.
    QRegion region;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        int x = 0;
        while (x < rgb.width()) {
            while (x < rgb.width() && (line[x] | 0xFF000000u) == key)
                ++x;
            const int start = x;
            while (x < rgb.width() && (line[x] | 0xFF000000u) != key)
                ++x;
            if (x > start)
                region += QRect(start, y, x - start, 1);
        }
    }
    return region;
}

} // namespace CDib
