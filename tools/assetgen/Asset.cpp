#include "assetgen/Asset.h"

#include <QBuffer>
#include <QFile>

QByteArray bmp(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return out;
}

std::function<QString(const QString&)> pictureOfSize(QSize size)
{
    return [size](const QString& file) -> QString {
        const QImage img(file);
        if (img.isNull())
            return QStringLiteral("does not load as a picture");
        if (img.size() != size)
            return QStringLiteral("is %1 x %2, not %3 x %4")
                .arg(img.width()).arg(img.height()).arg(size.width()).arg(size.height());
        return {};
    };
}

QString checkWave(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read");
    const QByteArray head = f.read(44);
    if (head.size() < 44 || !head.startsWith("RIFF") || head.mid(8, 8) != "WAVEfmt ")
        return QStringLiteral("is not a RIFF wave file");
    const auto u16 = [&](int at) { return quint8(head[at]) | quint8(head[at + 1]) << 8; };
    if (u16(20) != 1 || u16(34) != 16)
        return QStringLiteral("is not 16-bit PCM");
    return {};
}
