#pragma once
#include <QColor>
#include <QPointF>

class QPainter;

// Drawing pieces that several groups of the generator's art share and the program itself never
// draws (what both need is in the skin's drawing kit, controls/SkinArt.h).
namespace ArtKit {

// A glossy ball of radius r at c with a soft shadow below, lit from lightAngle (radians, from
// the centre; the default is the upper left).
void drawGlossyBall(QPainter& p, QPointF c, qreal r, const QColor& colour, qreal lightAngle = -2.3);

// Whether segment (0..6: a top, b top right, c bottom right, d bottom, e bottom left, f top
// left, g middle) of a seven-segment digit (0..9) is lit.
bool segmentLit(int digit, int segment);

} // namespace ArtKit
