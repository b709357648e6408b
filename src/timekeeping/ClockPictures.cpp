#include "timekeeping/ClockPictures.h"

#include <QFile>

namespace ClockPictures {

QImage load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("BM"))
        return {};
    return QImage::fromData(bytes, "BMP").convertToFormat(QImage::Format_RGB32);
}

} // namespace ClockPictures
