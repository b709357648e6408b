// The clocks' art: the digit strips and skins of the Cartoon Clock, the Number Clock's face
// and digits, and the stopwatch's LED glyphs.
#include "assetgen/art/ClockArt.h"

#include "assetgen/art/ArtKit.h"
#include "controls/SkinArt.h"

#include <QPainter>
#include <QPainterPath>

namespace ClockArt {
namespace {
using SkinArt::canvas;
using SkinArt::vertical;

// The digit strips "bmp/Clock/<colour>.bmp": 162 x 25, digits 0..9 each 15 wide at x = 15 d,
// a colon 8 wide at x = 150, a 2-pixel edge column at x = 160.
QStringList clockDigitColours()
{
    return {QStringLiteral("Pink"),    QStringLiteral("Dark Green"), QStringLiteral("Light Yellow"),
            QStringLiteral("Lark"),    QStringLiteral("Saffron"),    QStringLiteral("Cyan"),
            QStringLiteral("Light Blue"), QStringLiteral("Liquid Crystal")};
}

QImage clockDigits(const QString& colour)
{
    // Seven-segment digits lit in the named colour on a dark glass; "Liquid Crystal" is dark
    // segments on a grey-green panel.
    const struct { const char* name; QColor lit; } inks[] = {
        {"Pink", QColor(255, 120, 190)},       {"Dark Green", QColor(30, 170, 70)},
        {"Light Yellow", QColor(255, 245, 150)}, {"Lark", QColor(200, 160, 110)},
        {"Saffron", QColor(250, 170, 30)},     {"Cyan", QColor(60, 230, 240)},
        {"Light Blue", QColor(140, 200, 255)}, {"Liquid Crystal", QColor(30, 40, 30)},
    };
    QColor lit;
    for (const auto& ink : inks)
        if (colour == QLatin1String(ink.name))
            lit = ink.lit;
    if (!lit.isValid())
        return {};
    const bool lcd = colour == u"Liquid Crystal";
    const QColor glass = lcd ? QColor(170, 190, 150) : QColor(16, 20, 28);
    QColor unlit = lcd ? QColor(156, 176, 138) : QColor(lit.red() / 6 + 14, lit.green() / 6 + 17, lit.blue() / 6 + 24);

    QImage img(162, 25, QImage::Format_RGB32);
    img.fill(glass);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Segments a..g of a 15 x 25 cell: a top, b top right, c bottom right, d bottom,
    // e bottom left, f top left, g middle.
    auto segment = [&](qreal x, qreal y, bool horizontal) {
        const qreal len = horizontal ? 8.0 : 8.5, t = 2.8;
        QPainterPath s;
        if (horizontal) {
            s.moveTo(x, y);
            s.lineTo(x + t / 2, y - t / 2);
            s.lineTo(x + len - t / 2, y - t / 2);
            s.lineTo(x + len, y);
            s.lineTo(x + len - t / 2, y + t / 2);
            s.lineTo(x + t / 2, y + t / 2);
        } else {
            s.moveTo(x, y);
            s.lineTo(x + t / 2, y + t / 2);
            s.lineTo(x + t / 2, y + len - t / 2);
            s.lineTo(x, y + len);
            s.lineTo(x - t / 2, y + len - t / 2);
            s.lineTo(x - t / 2, y + t / 2);
        }
        s.closeSubpath();
        return s;
    };
    for (int d = 0; d < 10; ++d) {
        const qreal x0 = 15.0 * d + 3, top = 3, mid = 12.5, bottom = 22;
        const QPainterPath segs[7] = {
            segment(x0 + 0.5, top, true),    segment(x0 + 9.0, top + 0.5, false),
            segment(x0 + 9.0, mid + 0.5, false), segment(x0 + 0.5, bottom, true),
            segment(x0, mid + 0.5, false),   segment(x0, top + 0.5, false),
            segment(x0 + 0.5, mid, true)};
        for (int s = 0; s < 7; ++s) {
            const bool on = ArtKit::segmentLit(d, s);
            p.setPen(Qt::NoPen);
            p.setBrush(on ? lit : unlit);
            p.drawPath(segs[s]);
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(lit);
    p.drawEllipse(QPointF(154, 8.5), 1.6, 1.6);
    p.drawEllipse(QPointF(154, 16.5), 1.6, 1.6);
    // The edge column: the clock draws it at the display's left end, and the colon's first two
    // (empty) columns at its right end, so both ends show plain glass inside the skin's frame.
    p.fillRect(QRect(160, 0, 2, 25), glass);
    return img;
}

// The Cartoon Clock's skins "bmp/Clock/<name>.bmp": the top-left pixel's colour is clear, and
// two black bars 109 pixels apart, 25 high, frame the 110 x 25 time display.
QStringList clockSkins()
{
    return {QStringLiteral("No"),           QStringLiteral("Girl"),   QStringLiteral("Fish Ash"),
            QStringLiteral("Mickey Mouse"), QStringLiteral("Little Bean"), QStringLiteral("Snoopy"),
            QStringLiteral("Donald Duck")};
}

// Finishes a clock skin drawn with transparency: the key colour (the top-left pixel) where
// the picture is clear, opaque colours elsewhere, no pure black anywhere but the two bars
// that frame the time display at origin.
QImage finishSkin(const QImage& art, QPoint origin)
{
    const QRgb key = qRgb(255, 0, 255);
    QImage out(art.size(), QImage::Format_RGB32);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x) {
            const QColor px = art.pixelColor(x, y);
            if (px.alpha() < 128) {
                out.setPixel(x, y, key);
                continue;
            }
            QRgb c = qRgb(qMax(px.red(), 12), qMax(px.green(), 12), qMax(px.blue(), 12));
            if (c == key)
                c = qRgb(250, 0, 250);
            out.setPixel(x, y, c);
        }
    out.setPixel(0, 0, key);
    for (int i = 0; i < 25; ++i) {
        out.setPixel(origin.x(), origin.y() + i, qRgb(0, 0, 0));
        out.setPixel(origin.x() + 109, origin.y() + i, qRgb(0, 0, 0));
    }
    return out;
}

// The plate holding the time display, its display origin at (x + 6, y + 6).
void drawPlate(QPainter& p, qreal x, qreal y)
{
    p.setPen(QPen(QColor(20, 60, 120), 1.5));
    p.setBrush(vertical(y, y + 37, QColor(150, 200, 245), QColor(40, 100, 175)));
    p.drawRoundedRect(QRectF(x, y, 122, 37), 8, 8);
    p.setPen(QPen(QColor(230, 245, 255), 1));
    p.setBrush(QColor(30, 40, 50));
    p.drawRect(QRectF(x + 5.5, y + 5.5, 111, 26));
}

void drawEyes(QPainter& p, QPointF left, QPointF right, qreal r)
{
    for (QPointF c : {left, right}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 30, 30));
        p.drawEllipse(c, r, r * 1.2);
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.4), r * 0.35, r * 0.35);
    }
}

void drawSmile(QPainter& p, QRectF box, const QColor& colour)
{
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(box, 200 * 16, 140 * 16);
}

QImage clockSkin(const QString& name)
{
    const int index = int(clockSkins().indexOf(name));
    if (index < 0)
        return {};
    const bool plain = index == 0;
    const int w = plain ? 126 : 150, h = plain ? 41 : 150;
    QImage art = canvas(w, h);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF plate(plain ? 2 : 14, h - 39);
    const QPen outline(QColor(50, 40, 40), 1.6);
    switch (index) {
    case 1: { // a girl with pigtails
        p.setPen(outline);
        p.setBrush(QColor(120, 70, 40));
        p.drawEllipse(QPointF(34, 58), 14, 18);
        p.drawEllipse(QPointF(116, 58), 14, 18);
        p.setBrush(QColor(230, 80, 120));
        p.drawEllipse(QPointF(44, 44), 5, 5);
        p.drawEllipse(QPointF(106, 44), 5, 5);
        p.setBrush(QColor(120, 70, 40));
        p.drawEllipse(QPointF(75, 56), 40, 42);
        p.setBrush(QColor(255, 222, 196));
        p.drawEllipse(QPointF(75, 64), 33, 33);
        p.setBrush(QColor(120, 70, 40));
        p.setPen(Qt::NoPen);
        QPainterPath bangs;
        bangs.moveTo(42, 62);
        bangs.cubicTo(44, 30, 106, 30, 108, 62);
        bangs.cubicTo(96, 46, 84, 50, 75, 44);
        bangs.cubicTo(66, 52, 54, 46, 42, 62);
        p.drawPath(bangs);
        drawEyes(p, {63, 68}, {87, 68}, 4);
        p.setBrush(QColor(255, 150, 160, 160));
        p.drawEllipse(QPointF(54, 80), 6, 3.5);
        p.drawEllipse(QPointF(96, 80), 6, 3.5);
        drawSmile(p, QRectF(66, 72, 18, 12), QColor(190, 60, 70));
        break;
    }
    case 2: { // an ash-grey fish with bubbles
        p.setPen(outline);
        p.setBrush(vertical(20, 100, QColor(200, 210, 222), QColor(110, 124, 140)));
        QPainterPath tail;
        tail.moveTo(118, 60);
        tail.lineTo(146, 34);
        tail.lineTo(140, 62);
        tail.lineTo(146, 90);
        tail.closeSubpath();
        p.drawPath(tail);
        p.drawEllipse(QPointF(74, 62), 50, 32);
        p.setBrush(QColor(150, 165, 185));
        QPainterPath fin;
        fin.moveTo(60, 32);
        fin.quadTo(80, 8, 100, 34);
        fin.closeSubpath();
        p.drawPath(fin);
        p.setPen(QPen(QColor(90, 104, 120), 1.2));
        for (int i = 0; i < 3; ++i)
            p.drawArc(QRectF(70 + i * 12, 44, 16, 36), -60 * 16, 120 * 16);
        drawEyes(p, {44, 56}, {44, 56}, 6);
        drawSmile(p, QRectF(28, 62, 16, 12), QColor(60, 50, 60));
        p.setPen(QPen(QColor(120, 180, 230), 1.4));
        p.setBrush(QColor(220, 240, 255, 200));
        p.drawEllipse(QPointF(16, 30), 5, 5);
        p.drawEllipse(QPointF(24, 14), 3.5, 3.5);
        break;
    }
    case 3: { // a grey mouse
        p.setPen(outline);
        p.setBrush(QColor(150, 150, 160));
        p.drawEllipse(QPointF(40, 34), 26, 26);
        p.drawEllipse(QPointF(110, 34), 26, 26);
        p.setBrush(QColor(250, 180, 190));
        p.drawEllipse(QPointF(40, 34), 15, 15);
        p.drawEllipse(QPointF(110, 34), 15, 15);
        p.setBrush(vertical(30, 110, QColor(190, 190, 200), QColor(130, 130, 142)));
        p.drawEllipse(QPointF(75, 70), 38, 34);
        p.setBrush(QColor(240, 236, 230));
        p.drawEllipse(QPointF(75, 84), 22, 16);
        drawEyes(p, {62, 64}, {88, 64}, 4.5);
        p.setBrush(QColor(230, 90, 110));
        p.drawEllipse(QPointF(75, 78), 5, 4);
        p.setPen(QPen(QColor(70, 70, 80), 1));
        for (int s : {-1, 1}) {
            p.drawLine(QPointF(75 + s * 10, 82), QPointF(75 + s * 34, 76));
            p.drawLine(QPointF(75 + s * 10, 85), QPointF(75 + s * 34, 86));
        }
        drawSmile(p, QRectF(68, 80, 14, 10), QColor(80, 50, 60));
        break;
    }
    case 4: { // a little bean sprout
        p.setPen(outline);
        p.setBrush(QColor(90, 180, 70));
        QPainterPath leaf;
        leaf.moveTo(75, 26);
        leaf.cubicTo(60, 2, 36, 8, 40, 20);
        leaf.cubicTo(50, 30, 66, 30, 75, 26);
        leaf.moveTo(75, 26);
        leaf.cubicTo(92, 4, 116, 10, 110, 22);
        leaf.cubicTo(100, 32, 84, 30, 75, 26);
        p.drawPath(leaf);
        p.setPen(QPen(QColor(60, 120, 40), 2.5));
        p.drawLine(QPointF(75, 26), QPointF(75, 38));
        p.setPen(outline);
        p.setBrush(vertical(34, 110, QColor(200, 235, 120), QColor(110, 175, 60)));
        QPainterPath bean;
        bean.moveTo(75, 36);
        bean.cubicTo(122, 34, 124, 106, 80, 108);
        bean.cubicTo(40, 110, 22, 80, 44, 62);
        bean.cubicTo(54, 54, 44, 38, 75, 36);
        p.drawPath(bean);
        drawEyes(p, {66, 66}, {90, 66}, 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 140, 140, 150));
        p.drawEllipse(QPointF(58, 78), 5, 3);
        p.drawEllipse(QPointF(99, 78), 5, 3);
        drawSmile(p, QRectF(70, 72, 16, 11), QColor(50, 90, 30));
        break;
    }
    case 5: { // a white puppy with a brown ear
        p.setPen(outline);
        p.setBrush(QColor(120, 80, 50));
        p.drawEllipse(QPointF(38, 58), 14, 30);
        p.setBrush(QColor(252, 250, 246));
        p.drawEllipse(QPointF(112, 58), 14, 28);
        p.drawEllipse(QPointF(75, 62), 40, 40);
        p.setBrush(QColor(120, 80, 50));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(92, 50), 10, 8);
        drawEyes(p, {62, 58}, {90, 58}, 4);
        p.setBrush(QColor(40, 30, 30));
        p.drawEllipse(QPointF(76, 74), 7, 5);
        p.setPen(QPen(QColor(50, 40, 40), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(76, 79), QPointF(76, 84));
        drawSmile(p, QRectF(64, 78, 24, 14), QColor(50, 40, 40));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 90, 100));
        p.drawEllipse(QPointF(80, 92), 5, 4);
        break;
    }
    case 6: { // a yellow duck
        p.setPen(outline);
        p.setBrush(vertical(10, 110, QColor(255, 240, 120), QColor(245, 190, 30)));
        p.drawEllipse(QPointF(75, 60), 40, 40);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(245, 190, 30));
        QPainterPath tuft;
        tuft.moveTo(70, 22);
        tuft.quadTo(66, 6, 76, 10);
        tuft.quadTo(80, 2, 84, 14);
        tuft.quadTo(80, 20, 78, 22);
        tuft.closeSubpath();
        p.drawPath(tuft);
        drawEyes(p, {60, 52}, {90, 52}, 4.5);
        p.setPen(QPen(QColor(170, 80, 10), 1.4));
        p.setBrush(vertical(62, 92, QColor(255, 170, 60), QColor(235, 110, 20)));
        p.drawEllipse(QPointF(75, 72), 22, 10);
        p.drawLine(QPointF(55, 72), QPointF(95, 72));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 140, 140, 140));
        p.drawEllipse(QPointF(46, 66), 6, 3.5);
        p.drawEllipse(QPointF(104, 66), 6, 3.5);
        break;
    }
    default:
        break;
    }
    drawPlate(p, plate.x(), plate.y());
    p.end();
    return finishSkin(art, (plate + QPointF(6, 6)).toPoint());
}


// One seven-segment glyph in cell: the segments of `lit` (bit s for segment s, a..g as in
// ArtKit::segmentLit) in the lit colour, the others in the unlit one.
void drawSegments(QPainter& p, const QRectF& cell, int lit, const QColor& on, const QColor& off)
{
    const qreal w = cell.width(), h = cell.height();
    const qreal t = qMax<qreal>(2.0, w * 0.17); // segment thickness
    const qreal x0 = cell.left() + w * 0.16, x1 = cell.right() - w * 0.16;
    const qreal y0 = cell.top() + h * 0.08, y1 = cell.top() + h * 0.5, y2 = cell.bottom() - h * 0.08;
    const qreal gap = t * 0.25;
    auto horizontal = [&](qreal y) {
        QPainterPath s;
        s.moveTo(x0 + gap, y);
        s.lineTo(x0 + gap + t / 2, y - t / 2);
        s.lineTo(x1 - gap - t / 2, y - t / 2);
        s.lineTo(x1 - gap, y);
        s.lineTo(x1 - gap - t / 2, y + t / 2);
        s.lineTo(x0 + gap + t / 2, y + t / 2);
        s.closeSubpath();
        return s;
    };
    auto vertical = [&](qreal x, qreal ya, qreal yb) {
        QPainterPath s;
        s.moveTo(x, ya + gap);
        s.lineTo(x + t / 2, ya + gap + t / 2);
        s.lineTo(x + t / 2, yb - gap - t / 2);
        s.lineTo(x, yb - gap);
        s.lineTo(x - t / 2, yb - gap - t / 2);
        s.lineTo(x - t / 2, ya + gap + t / 2);
        s.closeSubpath();
        return s;
    };
    const QPainterPath segments[7] = {horizontal(y0), vertical(x1, y0, y1), vertical(x1, y1, y2), horizontal(y2),
                                      vertical(x0, y1, y2), vertical(x0, y0, y1), horizontal(y1)};
    p.setPen(Qt::NoPen);
    for (int s = 0; s < 7; ++s) {
        p.setBrush((lit >> s) & 1 ? on : off);
        p.drawPath(segments[s]);
    }
}

int digitSegments(int digit)
{
    int mask = 0;
    for (int s = 0; s < 7; ++s)
        if (ArtKit::segmentLit(digit, s))
            mask |= 1 << s;
    return mask;
}

// The Number Clock's colours: cyan digits on dark glass in a blue frame.
const QColor NumberGlass(10, 20, 34);
const QColor NumberLit(110, 230, 255);
const QColor NumberUnlit(22, 44, 62);

// A strip of the digits 0..9, each w x h at x = w d, on the Number Clock's glass.
QImage numberDigits(int w, int h)
{
    QImage img(10 * w, h, QImage::Format_RGB32);
    img.fill(NumberGlass);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int d = 0; d < 10; ++d)
        drawSegments(p, QRectF(d * w, 0, w, h), digitSegments(d), NumberLit, NumberUnlit);
    return img;
}

// The Number Clock's face "bmp/Clock/NumberClock.bmp", 151 x 72: a rounded blue frame with two
// panes of glass, the date's above (its digits at y 5, separated by dashes) and the time's
// below (hours and minutes at y 33 with a colon between, the seconds small at the lower right).
QImage numberClockFace()
{
    QImage img(151, 72, QImage::Format_RGB32);
    img.fill(QColor(29, 90, 160));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 200, 245), 1.2));
    p.setBrush(vertical(0, 72, QColor(70, 130, 200), QColor(20, 60, 120)));
    p.drawRoundedRect(QRectF(0.6, 0.6, 149.8, 70.8), 8, 9);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QColor(120, 170, 225));
    p.setBrush(NumberGlass);
    p.drawRect(QRect(3, 3, 130, 20));   // the date's glass: y 4..22
    p.drawRect(QRect(3, 30, 144, 38));  // the time's glass: y 31..67
    p.setPen(Qt::NoPen);
    p.setBrush(NumberLit);
    p.drawRect(QRect(33, 13, 6, 2));   // day - month
    p.drawRect(QRect(69, 13, 6, 2));   // month - year
    p.setRenderHint(QPainter::Antialiasing);
    for (qreal y : {43.0, 57.0})
        p.drawEllipse(QPointF(60.5, y), 2.2, 2.2); // hours : minutes
    for (qreal y : {56.0, 62.0})
        p.drawEllipse(QPointF(118, y), 1.1, 1.1);  // minutes : seconds
    return img;
}

// The stopwatch's LED glyphs "bmp/StopWatch/LED.bmp": 17 glyphs 18 x 32 side by side, the
// digits 0..9, blank, "A", "P", ".", "|", ":" and "-".
QImage stopwatchGlyphs()
{
    const QColor glass(8, 8, 8), on(255, 54, 40), off(48, 14, 12);
    QImage img(17 * 18, 32, QImage::Format_RGB32);
    img.fill(glass);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int d = 0; d < 10; ++d)
        drawSegments(p, QRectF(18 * d, 0, 18, 32), digitSegments(d), on, off);
    drawSegments(p, QRectF(18 * 10, 0, 18, 32), 0, on, off);                           // blank
    drawSegments(p, QRectF(18 * 11, 0, 18, 32), 0b1110111, on, off);                   // A
    drawSegments(p, QRectF(18 * 12, 0, 18, 32), 0b1110011, on, off);                   // P
    p.setPen(Qt::NoPen);
    p.setBrush(on);
    p.drawEllipse(QPointF(18 * 13 + 9, 28), 2, 2);                                    // .
    p.drawRoundedRect(QRectF(18 * 14 + 7.5, 5, 3, 22), 1.5, 1.5);                       // |
    p.drawEllipse(QPointF(18 * 15 + 9, 11), 2.2, 2.2);                                // :
    p.drawEllipse(QPointF(18 * 15 + 9, 21), 2.2, 2.2);
    drawSegments(p, QRectF(18 * 16, 0, 18, 32), 1 << 6, on, off);                      // -
    return img;
}

// A clock skin is searched as the Cartoon Clock does: exactly one place where two black
// columns 109 pixels apart run 25 pixels down.
QString checkClockSkin(const QString& file)
{
    const QImage img = QImage(file).convertToFormat(QImage::Format_RGB32);
    if (img.isNull())
        return QStringLiteral("does not load as a picture");
    const QRgb clear = img.pixel(0, 0), black = qRgb(0, 0, 0);
    auto isBlack = [&](int x, int y) {
        return x < img.width() && y < img.height() && img.pixel(x, y) == black;
    };
    int found = 0;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y) {
            if (img.pixel(x, y) == clear || !isBlack(x, y))
                continue;
            bool bars = true;
            for (int i = 0; i < 25 && bars; ++i)
                bars = isBlack(x, y + i) && isBlack(x + 109, y + i);
            found += bars;
        }
    return found == 1 ? QString() : QStringLiteral("has %1 time displays, not one").arg(found);
}

} // namespace

QList<Asset> assets()
{
    QList<Asset> list;
    for (const QString& colour : clockDigitColours())
        list.append({QStringLiteral("bmp/Clock/%1.bmp").arg(colour),
                     [colour] { return bmp(clockDigits(colour)); }, pictureOfSize({162, 25})});
    for (const QString& skin : clockSkins())
        list.append({QStringLiteral("bmp/Clock/%1.bmp").arg(skin), [skin] { return bmp(clockSkin(skin)); },
                     checkClockSkin});
    list.append({QStringLiteral("bmp/Clock/NumberClock.bmp"), [] { return bmp(numberClockFace()); },
                 pictureOfSize({151, 72})});
    list.append({QStringLiteral("bmp/Clock/NumberLarge.bmp"), [] { return bmp(numberDigits(24, 34)); },
                 pictureOfSize({240, 34})});
    list.append({QStringLiteral("bmp/Clock/NumberSmall.bmp"), [] { return bmp(numberDigits(12, 17)); },
                 pictureOfSize({120, 17})});
    list.append({QStringLiteral("bmp/StopWatch/LED.bmp"), [] { return bmp(stopwatchGlyphs()); },
                 pictureOfSize({306, 32})});
    return list;
}

QList<Tile> tiles()
{
    QList<Tile> list;
    for (const QString& colour : clockDigitColours())
        list.append({colour, clockDigits(colour)});
    for (const QString& skin : clockSkins())
        list.append({skin, clockSkin(skin)});
    list.append({QStringLiteral("NumberClock"), numberClockFace()});
    list.append({QStringLiteral("NumberLarge"), numberDigits(24, 34)});
    list.append({QStringLiteral("NumberSmall"), numberDigits(12, 17)});
    list.append({QStringLiteral("LED"), stopwatchGlyphs()});
    return list;
}

} // namespace ClockArt
