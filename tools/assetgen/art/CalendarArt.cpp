// The calendar's art: the tray icons "ico/Day/<day>.png", a leaf of a tear-off calendar
// with the day of the month on it, for the days 1 to 31.
#include "assetgen/art/CalendarArt.h"

#include "controls/SkinArt.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>

namespace CalendarArt {
namespace {

constexpr int IconSize = 32;

QImage dayIcon(int day)
{
    QImage img = SkinArt::canvas(IconSize, IconSize);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The leaf, a blue band at its top with two rings.
    const QRectF leaf(1.5, 3.5, 29, 27);
    p.setPen(QPen(QColor(SkinArt::Palette::Deep), 1.4));
    p.setBrush(SkinArt::vertical(leaf.top(), leaf.bottom(), QColor(255, 255, 255), QColor(226, 238, 250)));
    p.drawRoundedRect(leaf, 4, 4);
    QPainterPath band;
    band.addRoundedRect(leaf, 4, 4);
    p.save();
    p.setClipPath(band);
    p.fillRect(QRectF(leaf.left(), leaf.top(), leaf.width(), 7.5), SkinArt::titleGradient(leaf.top(), 7.5));
    p.restore();
    p.setPen(QPen(QColor(90, 100, 115), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 7.5));
    p.drawLine(QPointF(22.5, 1.5), QPointF(22.5, 7.5));
    // The day, as large as the leaf allows.
    const QString text = QString::number(day);
    QFont f = SkinArt::font(day < 10 ? 20 : 18, true);
    if (day >= 10)
        f.setStretch(QFont::SemiCondensed);
    p.setFont(f);
    p.setPen(QColor(170, 30, 30));
    p.drawText(QRectF(1, 11, 30, 20), Qt::AlignCenter, text);
    return img;
}

QByteArray png(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return out;
}

} // namespace

QList<Asset> assets()
{
    QList<Asset> list;
    for (int day = 1; day <= 31; ++day)
        list.append({QStringLiteral("ico/Day/%1.png").arg(day), [day] { return png(dayIcon(day)); },
                     pictureOfSize({IconSize, IconSize})});
    return list;
}

QList<Tile> tiles()
{
    QList<Tile> list;
    for (int day : {1, 9, 10, 22, 28, 31})
        list.append({QStringLiteral("day %1").arg(day), dayIcon(day)});
    return list;
}

} // namespace CalendarArt
