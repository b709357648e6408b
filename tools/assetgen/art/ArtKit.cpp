#include "assetgen/art/ArtKit.h"

#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <cstring>

namespace ArtKit {

void drawGlossyBall(QPainter& p, QPointF c, qreal r, const QColor& colour, qreal lightAngle)
{
    p.setRenderHint(QPainter::Antialiasing);
    // Shadow.
    QRadialGradient shadow(c + QPointF(r * 0.15, r * 0.85), r * 0.9);
    shadow.setColorAt(0, QColor(0, 0, 40, 70));
    shadow.setColorAt(1, QColor(0, 0, 40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(r * 0.15, r * 0.85), r * 0.9, r * 0.3);
    const QPointF light = c + QPointF(qCos(lightAngle), qSin(lightAngle)) * r * 0.45;
    QRadialGradient g(light, r * 1.5, light);
    g.setColorAt(0, colour.lighter(180));
    g.setColorAt(0.35, colour);
    g.setColorAt(1, colour.darker(260));
    p.setBrush(g);
    p.setPen(QPen(colour.darker(300), 0.8));
    p.drawEllipse(c, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 170));
    p.drawEllipse(light, r * 0.28, r * 0.18);
}

bool segmentLit(int digit, int segment)
{
    static const char* const patterns[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg",
                                             "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
    return digit >= 0 && digit < 10 && segment >= 0 && segment < 7
        && std::strchr(patterns[digit], 'a' + segment) != nullptr;
}

} // namespace ArtKit
