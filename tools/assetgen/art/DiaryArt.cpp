// The diary's art: the seven face pictures a day's entry can wear.
#include "assetgen/art/DiaryArt.h"

#include "controls/SkinArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace DiaryArt {
namespace {
using SkinArt::font;

// The face "ico/<number>.bmp", 32 x 32.
QImage diaryFace(int number)
{
    // Seven moods: happy, laughing, calm, sad, surprised, winking, sleepy.
    if (number < 1 || number > 7)
        return {};
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(12, 10), 20);
    g.setColorAt(0, QColor(255, 246, 170));
    g.setColorAt(1, QColor(246, 186, 40));
    p.setPen(QPen(QColor(170, 110, 10), 1.2));
    p.setBrush(g);
    p.drawEllipse(QPointF(16, 16), 14, 14);
    const QColor ink(70, 40, 10);
    auto eye = [&](qreal x, bool open) {
        if (open) {
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(QPointF(x, 12.5), 1.8, 2.4);
        } else {
            p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawLine(QPointF(x - 2.2, 13), QPointF(x + 2.2, 13));
        }
    };
    const QPen mouth(ink, 1.8, Qt::SolidLine, Qt::RoundCap);
    switch (number) {
    case 1: // happy
        eye(11, true);
        eye(21, true);
        p.setPen(mouth);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(9, 12, 14, 11), 200 * 16, 140 * 16);
        break;
    case 2: { // laughing
        eye(11, false);
        eye(21, false);
        QPainterPath open;
        open.moveTo(9, 18);
        open.quadTo(16, 28, 23, 18);
        open.closeSubpath();
        p.setPen(QPen(ink, 1.2));
        p.setBrush(QColor(190, 50, 50));
        p.drawPath(open);
        break;
    }
    case 3: // calm
        eye(11, true);
        eye(21, true);
        p.setPen(mouth);
        p.drawLine(QPointF(11, 21), QPointF(21, 21));
        break;
    case 4: // sad
        eye(11, true);
        eye(21, true);
        p.setPen(mouth);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(10, 19, 12, 9), 20 * 16, 140 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 160, 230));
        p.drawEllipse(QPointF(9.5, 17.5), 1.3, 1.9);
        break;
    case 5: // surprised
        eye(11, true);
        eye(21, true);
        p.setPen(QPen(ink, 1.4));
        p.setBrush(QColor(120, 40, 40));
        p.drawEllipse(QPointF(16, 22), 2.8, 3.4);
        break;
    case 6: // winking
        eye(11, false);
        eye(21, true);
        p.setPen(mouth);
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(10, 13, 12, 10), 200 * 16, 140 * 16);
        break;
    case 7: // sleepy
        eye(11, false);
        eye(21, false);
        p.setPen(mouth);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16, 22), 1.6, 1.6);
        p.setPen(QColor(40, 90, 170));
        p.setFont(font(7, true));
        p.drawText(QPointF(23, 11), QStringLiteral("z"));
        p.drawText(QPointF(26, 7), QStringLiteral("z"));
        break;
    }
    return img;
}


} // namespace

QList<Asset> assets()
{
    QList<Asset> list;
    for (int n = 1; n <= 7; ++n)
        list.append({QStringLiteral("ico/%1.bmp").arg(n), [n] { return bmp(diaryFace(n)); },
                     pictureOfSize({32, 32})});
    return list;
}

QList<Tile> tiles()
{
    QList<Tile> list;
    for (int n = 1; n <= 7; ++n)
        list.append({QStringLiteral("ico %1").arg(n), diaryFace(n)});
    return list;
}

} // namespace DiaryArt
