// Winlinez's art: the board, the balls and the score digits.
#include "assetgen/art/WinlinezArt.h"

#include "assetgen/art/ArtKit.h"
#include "controls/SkinArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace WinlinezArt {
namespace {
using namespace SkinArt;

// The inside of a Winlinez board cell (38 x 38 at r), shared by the background and the
// ball pictures, which are blitted opaquely onto the cells.
void fivePlusCellInside(QPainter& p, const QRectF& r)
{
    p.fillRect(r, vertical(r.top(), r.bottom(), QColor(226, 242, 255), QColor(196, 226, 250)));
}

const QColor fivePlusColours[7] = {QColor(230, 40, 40),  QColor(250, 160, 20), QColor(240, 220, 30),
                                   QColor(40, 170, 60),  QColor(30, 190, 220), QColor(40, 80, 220),
                                   QColor(170, 60, 200)};

// "bmp/FivePlus/BK.bmp", 360 x 410: the score band, then the 9 x 9 board of 40-pixel cells.
QImage fivePlusBackground()
{
    QImage img(360, 410, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The top band: score window on the left, the coming balls on the right.
    p.fillRect(QRect(0, 0, 360, 50), titleGradient(0, 50));
    p.setPen(QPen(QColor(10, 30, 60), 1));
    p.setBrush(QColor(20, 16, 16));
    p.drawRoundedRect(QRectF(1.5, 0.5, 123, 45), 3, 3);
    p.setBrush(QColor(230, 242, 255));
    p.drawRoundedRect(QRectF(232.5, 1.5, 125, 44), 4, 4);
    for (int i = 0; i < 3; ++i)
        fivePlusCellInside(p, QRectF(236 + 40 * i, 4, 38, 38));
    p.setPen(QColor(255, 255, 255));
    p.setFont(font(12, true));
    p.drawText(QRectF(126, 0, 106, 48), Qt::AlignCenter, QStringLiteral("Winlinez"));
    // The board: 9 x 9 cells of 40, a 1-pixel groove round each 38 x 38 inside.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 50, 360, 360), QColor(120, 168, 220));
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col) {
            const QRect cell(col * 40, 50 + row * 40, 40, 40);
            p.setPen(QColor(250, 252, 255));
            p.drawLine(cell.topLeft(), cell.topRight());
            p.drawLine(cell.topLeft(), cell.bottomLeft());
            p.setPen(QColor(80, 128, 186));
            p.drawLine(cell.bottomLeft(), cell.bottomRight());
            p.drawLine(cell.topRight(), cell.bottomRight());
            fivePlusCellInside(p, QRectF(cell.left() + 1, cell.top() + 1, 38, 38));
        }
    return img;
}

// "ALL_GRID.bmp": the nine ball kinds 38 x 38 at x = 38 (k - 1), their selected look in the row
// at y = 38.
QImage fivePlusBalls()
{
    // Row 0: the nine kinds (1..7 colours, 8 Any, 9 Crack); row 1 (y 38): their selected look.
    QImage img(9 * 38, 76, QImage::Format_RGB32);
    QPainter p(&img);
    for (int row = 0; row < 2; ++row)
        for (int k = 1; k <= 9; ++k) {
            const QRectF r(38 * (k - 1), 38 * row, 38, 38);
            fivePlusCellInside(p, r);
            if (row == 1) {
                // The selected look, pulsed over the normal one: a warm glow filling the
                // cell, a gold ring and a lifted, brighter ball, plain to see at any blend.
                p.setRenderHint(QPainter::Antialiasing);
                QRadialGradient glow(r.center(), 19);
                glow.setColorAt(0, QColor(255, 253, 232));
                glow.setColorAt(0.8, QColor(255, 232, 150));
                glow.setColorAt(0.92, QColor(255, 214, 110));
                glow.setColorAt(1, QColor(214, 234, 252));
                p.fillRect(r, glow);
                p.setPen(QPen(QColor(226, 138, 16), 2.2));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(r.center(), 17, 17);
            }
            const QPointF c = r.center() - QPointF(0, row == 1 ? 2 : 1);
            const qreal radius = row == 1 ? 15 : 14;
            if (k <= 7) {
                ArtKit::drawGlossyBall(p, c, radius, row == 1 ? fivePlusColours[k - 1].lighter(118) : fivePlusColours[k - 1]);
            } else if (k == 8) {
                // Any: a ball of every colour, in slices, with a white star.
                ArtKit::drawGlossyBall(p, c, radius, QColor(240, 240, 240));
                p.save();
                p.setRenderHint(QPainter::Antialiasing);
                for (int s = 0; s < 7; ++s) {
                    QColor col = fivePlusColours[s];
                    col.setAlpha(200);
                    p.setBrush(col);
                    p.setPen(Qt::NoPen);
                    p.drawPie(QRectF(c.x() - radius + 1, c.y() - radius + 1, 2 * radius - 2, 2 * radius - 2),
                              s * 16 * 360 / 7, 16 * 360 / 7);
                }
                p.setBrush(QColor(255, 255, 255, 230));
                p.drawPath(starPath(c, radius * 0.55, radius * 0.24));
                p.restore();
            } else {
                // Crack: a dark steel ball split by bright cracks.
                ArtKit::drawGlossyBall(p, c, radius, QColor(90, 100, 120));
                p.setRenderHint(QPainter::Antialiasing);
                p.setPen(QPen(QColor(255, 240, 160), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(Qt::NoBrush);
                QPainterPath crack;
                crack.moveTo(c + QPointF(-9, -8));
                crack.lineTo(c + QPointF(-2, -2));
                crack.lineTo(c + QPointF(-5, 3));
                crack.lineTo(c + QPointF(3, 9));
                crack.moveTo(c + QPointF(-2, -2));
                crack.lineTo(c + QPointF(7, -5));
                crack.moveTo(c + QPointF(-5, 3));
                crack.lineTo(c + QPointF(-10, 5));
                p.drawPath(crack);
            }
        }
    return img;
}

// "NUMBER.bmp": the score digits 24 x 42 at x = 24 d.
QImage fivePlusDigits()
{
    // Digits 24 x 42, lit red segments on the dark score window.
    QImage img(240, 42, QImage::Format_RGB32);
    img.fill(QColor(20, 16, 16));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor on(255, 70, 40), off(52, 26, 24);
    for (int d = 0; d < 10; ++d) {
        const qreal x0 = 24.0 * d + 5, top = 5, mid = 21, bottom = 37, w = 14, t = 3.6;
        auto hseg = [&](qreal y) {
            QPainterPath s;
            s.moveTo(x0 + 1, y);
            s.lineTo(x0 + 1 + t / 2, y - t / 2);
            s.lineTo(x0 + w - 1 - t / 2, y - t / 2);
            s.lineTo(x0 + w - 1, y);
            s.lineTo(x0 + w - 1 - t / 2, y + t / 2);
            s.lineTo(x0 + 1 + t / 2, y + t / 2);
            s.closeSubpath();
            return s;
        };
        auto vseg = [&](qreal x, qreal y0, qreal y1) {
            QPainterPath s;
            s.moveTo(x, y0 + 1);
            s.lineTo(x + t / 2, y0 + 1 + t / 2);
            s.lineTo(x + t / 2, y1 - 1 - t / 2);
            s.lineTo(x, y1 - 1);
            s.lineTo(x - t / 2, y1 - 1 - t / 2);
            s.lineTo(x - t / 2, y0 + 1 + t / 2);
            s.closeSubpath();
            return s;
        };
        const QPainterPath segs[7] = {hseg(top), vseg(x0 + w, top, mid), vseg(x0 + w, mid, bottom),
                                      hseg(bottom), vseg(x0, mid, bottom), vseg(x0, top, mid), hseg(mid)};
        for (int s = 0; s < 7; ++s) {
            p.setPen(Qt::NoPen);
            p.setBrush(ArtKit::segmentLit(d, s) ? on : off);
            p.drawPath(segs[s]);
        }
    }
    return img;
}

} // namespace

QList<Asset> assets()
{
    return {
        {QStringLiteral("bmp/FivePlus/BK.bmp"), [] { return bmp(fivePlusBackground()); },
         pictureOfSize({360, 410})},
        {QStringLiteral("bmp/FivePlus/ALL_GRID.bmp"), [] { return bmp(fivePlusBalls()); },
         pictureOfSize({342, 76})},
        {QStringLiteral("bmp/FivePlus/NUMBER.bmp"), [] { return bmp(fivePlusDigits()); },
         pictureOfSize({240, 42})},
    };
}

QList<Tile> tiles()
{
    return {{QStringLiteral("ALL_GRID"), fivePlusBalls()},
            {QStringLiteral("NUMBER"), fivePlusDigits()},
            {QStringLiteral("BK"), fivePlusBackground(), true}};
}

} // namespace WinlinezArt
