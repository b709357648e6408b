#include "controls/SkinArt.h"

#include "controls/SkinResources.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <array>

namespace SkinArt {

// ---------------------------------------------------------------- the drawing kit

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QFont font(qreal pixels, bool bold, const QString& family)
{
    QFont f(family);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(qMax(1, qRound(pixels)));
    f.setBold(bold);
    return f;
}

// The vertical gradient of every title bar, 20 pixels high.
QLinearGradient titleGradient(qreal top, qreal height)
{
    QLinearGradient g(0, top, 0, top + height);
    g.setColorAt(0.0, QColor(124, 186, 240));
    g.setColorAt(0.45, QColor(64, 130, 202));
    g.setColorAt(0.5, QColor(50, 114, 188));
    g.setColorAt(1.0, QColor(30, 88, 160));
    return g;
}

QPainterPath starPath(QPointF centre, qreal outer, qreal inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2) ? inner : outer;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QPainterPath gearPath(QPointF centre, qreal outer, qreal inner, int teeth)
{
    QPainterPath path;
    const int steps = teeth * 4;
    for (int i = 0; i < steps; ++i) {
        const qreal a = 2 * M_PI * i / steps;
        const qreal r = (i % 4 < 2) ? outer : inner;
        const QPointF pt(centre.x() + r * qCos(a), centre.y() + r * qSin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QLinearGradient vertical(qreal top, qreal bottom, const QColor& a, const QColor& b)
{
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

void drawQuill(QPainter& p, qreal size, const QColor& vane, const QColor& shaft)
{
    p.save();
    p.scale(size / 32.0, size / 32.0);
    QPainterPath feather;
    feather.moveTo(7, 27);
    feather.cubicTo(8, 16, 16, 6, 28, 3);
    feather.cubicTo(27, 12, 20, 21, 9, 25);
    feather.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(vane);
    p.drawPath(feather);
    // Barbs: a few notches in the vane.
    p.setPen(QPen(QColor(0, 0, 0, 0), 0));
    p.setCompositionMode(QPainter::CompositionMode_DestinationOut);
    p.setPen(QPen(QColor(0, 0, 0, 255), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20.5, 17.5), QPointF(24.5, 17.5));
    p.drawLine(QPointF(15, 22), QPointF(18.5, 22.6));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(QPen(shaft, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath spine;
    spine.moveTo(4, 30);
    spine.cubicTo(10, 20, 17, 11, 27, 4);
    p.drawPath(spine);
    p.restore();
}

namespace {

// ---------------------------------------------------------------- colours

QColor c(unsigned argb) { return QColor::fromRgba(argb); }

const QColor Deep = c(Palette::Deep);
const QColor Mid = c(Palette::Mid);
const QColor Light = c(Palette::Light);
const QColor Pale = c(Palette::Pale);
const QColor Background = c(Palette::Background);

void paintTitle(QPainter& p, const QRect& r, bool leftEnd, bool rightEnd)
{
    p.fillRect(r, titleGradient(r.top(), r.height()));
    p.setPen(QColor(255, 255, 255, 90));
    p.drawLine(r.left(), r.top(), r.right(), r.top());
    p.setPen(QColor(16, 58, 112));
    p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    if (leftEnd) {
        p.setPen(QColor(255, 255, 255, 70));
        p.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    }
    if (rightEnd) {
        p.setPen(QColor(16, 58, 112, 160));
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    }
}

// ---------------------------------------------------------------- pictograms

enum class State { Normal, Pressed, Hover, Disabled };

// Colours of a pictogram; disabled pictograms are drawn in one muted blue-grey.
struct Ink
{
    bool muted = false;
    QColor operator()(const QColor& colour) const
    {
        if (!muted)
            return colour;
        const int g = qGray(colour.rgb());
        return QColor((g + 2 * 150) / 3, (g + 2 * 168) / 3, (g + 2 * 186) / 3, colour.alpha());
    }
};

// Draws a pictogram into the 20 x 20 design box; the painter is already scaled.
void drawPict(QPainter& p, Pict pict, const Ink& ink, bool onDark)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QColor outline = ink(QColor(22, 52, 96));
    auto pen = [&](const QColor& col, qreal w) {
        QPen pn(col, w);
        pn.setJoinStyle(Qt::RoundJoin);
        pn.setCapStyle(Qt::RoundCap);
        return pn;
    };
    switch (pict) {
    case Pict::Diary: {
        // A blue notebook with ruled white pages and a pencil across it.
        p.setPen(pen(outline, 0.9));
        p.setBrush(ink(QColor(250, 250, 245)));
        p.drawRoundedRect(QRectF(5.5, 2.5, 10.5, 15), 1, 1);
        p.setBrush(vertical(2, 18, ink(QColor(90, 160, 230)), ink(QColor(30, 90, 170))));
        p.drawRoundedRect(QRectF(3.5, 2.5, 10.5, 15), 1.2, 1.2);
        p.setPen(pen(ink(QColor(255, 255, 255, 200)), 1.0));
        p.drawLine(QPointF(6, 6), QPointF(11.5, 6));
        p.drawLine(QPointF(6, 8.5), QPointF(11.5, 8.5));
        p.drawLine(QPointF(6, 11), QPointF(10, 11));
        p.setPen(pen(ink(QColor(200, 40, 40)), 1.2));
        p.drawLine(QPointF(4.6, 3.2), QPointF(4.6, 16.8));
        // Pencil.
        p.save();
        p.translate(14.5, 12.5);
        p.rotate(45);
        p.setPen(pen(outline, 0.7));
        p.setBrush(ink(QColor(250, 190, 40)));
        p.drawRect(QRectF(-1.6, -7, 3.2, 9));
        p.setBrush(ink(QColor(245, 215, 170)));
        QPainterPath tip;
        tip.moveTo(-1.6, 2);
        tip.lineTo(1.6, 2);
        tip.lineTo(0, 5);
        tip.closeSubpath();
        p.drawPath(tip);
        p.setBrush(ink(QColor(230, 110, 120)));
        p.drawRect(QRectF(-1.6, -8.6, 3.2, 1.6));
        p.restore();
        break;
    }
    case Pict::Alarm: {
        // An alarm clock: two bells, a red rim, a white face with hands.
        p.setPen(pen(outline, 0.8));
        p.setBrush(ink(QColor(250, 200, 60)));
        p.drawPie(QRectF(1.5, 1.5, 7, 7), 45 * 16, 180 * 16);
        p.drawPie(QRectF(11.5, 1.5, 7, 7), -45 * 16, 180 * 16);
        p.setPen(pen(ink(QColor(120, 30, 30)), 1.4));
        p.drawLine(QPointF(5.5, 16.5), QPointF(4, 18.5));
        p.drawLine(QPointF(14.5, 16.5), QPointF(16, 18.5));
        QRadialGradient rim(QPointF(8.5, 8.5), 9);
        rim.setColorAt(0, ink(QColor(255, 120, 100)));
        rim.setColorAt(1, ink(QColor(190, 30, 30)));
        p.setPen(pen(ink(QColor(110, 20, 20)), 0.8));
        p.setBrush(rim);
        p.drawEllipse(QPointF(10, 11), 7.3, 7.3);
        p.setPen(Qt::NoPen);
        p.setBrush(ink(QColor(255, 255, 250)));
        p.drawEllipse(QPointF(10, 11), 5.4, 5.4);
        p.setPen(pen(ink(QColor(30, 40, 60)), 1.3));
        p.drawLine(QPointF(10, 11), QPointF(10, 7.2));
        p.drawLine(QPointF(10, 11), QPointF(12.8, 12.4));
        p.setPen(Qt::NoPen);
        p.setBrush(ink(QColor(200, 30, 30)));
        p.drawEllipse(QPointF(10, 11), 0.9, 0.9);
        break;
    }
    case Pict::Favorite: {
        // A golden star.
        QRadialGradient g(QPointF(8, 7), 10);
        g.setColorAt(0, ink(QColor(255, 240, 150)));
        g.setColorAt(1, ink(QColor(240, 160, 20)));
        p.setPen(pen(ink(QColor(150, 90, 10)), 0.9));
        p.setBrush(g);
        p.drawPath(starPath(QPointF(10, 10.6), 8.6, 3.7));
        break;
    }
    case Pict::SysTool: {
        // A steel gear with a blue hub.
        QRadialGradient g(QPointF(8, 8), 10);
        g.setColorAt(0, ink(QColor(235, 240, 248)));
        g.setColorAt(1, ink(QColor(130, 148, 172)));
        p.setPen(pen(ink(QColor(50, 64, 90)), 0.8));
        p.setBrush(g);
        QPainterPath gear = gearPath(QPointF(10, 10), 8.4, 6.4, 8);
        QPainterPath hole;
        hole.addEllipse(QPointF(10, 10), 2.6, 2.6);
        p.drawPath(gear.subtracted(hole));
        p.setBrush(ink(Mid));
        p.setPen(pen(ink(Deep), 0.6));
        p.drawEllipse(QPointF(10, 10), 2.6, 2.6);
        break;
    }
    case Pict::Boot: {
        // A green power symbol on a round button.
        QRadialGradient g(QPointF(8, 7), 10);
        g.setColorAt(0, ink(QColor(150, 235, 140)));
        g.setColorAt(1, ink(QColor(40, 150, 60)));
        p.setPen(pen(ink(QColor(20, 90, 30)), 0.9));
        p.setBrush(g);
        p.drawEllipse(QPointF(10, 10), 8.2, 8.2);
        p.setBrush(Qt::NoBrush);
        p.setPen(pen(ink(QColor(255, 255, 255)), 1.9));
        p.drawArc(QRectF(5.6, 5.8, 8.8, 8.8), 120 * 16, 300 * 16);
        p.drawLine(QPointF(10, 4.2), QPointF(10, 9.6));
        break;
    }
    case Pict::Player: {
        // Two beamed notes.
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(2, 18, ink(QColor(150, 110, 230)), ink(QColor(70, 40, 160))));
        QPainterPath beam;
        beam.moveTo(7, 3.5);
        beam.lineTo(17, 1.5);
        beam.lineTo(17, 4.6);
        beam.lineTo(7, 6.6);
        beam.closeSubpath();
        p.drawPath(beam);
        p.drawRect(QRectF(7, 4, 1.6, 11));
        p.drawRect(QRectF(15.4, 2, 1.6, 11));
        p.save();
        p.translate(5.6, 15.2);
        p.rotate(-20);
        p.drawEllipse(QPointF(0, 0), 3.0, 2.2);
        p.restore();
        p.save();
        p.translate(14.0, 13.2);
        p.rotate(-20);
        p.drawEllipse(QPointF(0, 0), 3.0, 2.2);
        p.restore();
        p.setPen(pen(ink(QColor(255, 255, 255, 150)), 0.7));
        p.drawLine(QPointF(8.2, 5.1), QPointF(16.2, 3.5));
        break;
    }
    case Pict::Game: {
        // A game pad with a cross and two coloured buttons.
        QPainterPath body;
        body.addRoundedRect(QRectF(1.5, 6, 17, 9), 4.5, 4.5);
        body.addEllipse(QRectF(1.5, 9, 6, 8.5));
        body.addEllipse(QRectF(12.5, 9, 6, 8.5));
        body.setFillRule(Qt::WindingFill);
        p.setPen(pen(ink(QColor(40, 50, 80)), 0.9));
        p.setBrush(vertical(6, 17, ink(QColor(200, 210, 228)), ink(QColor(110, 124, 152))));
        p.drawPath(body.simplified());
        p.setPen(Qt::NoPen);
        p.setBrush(ink(QColor(40, 50, 80)));
        p.drawRect(QRectF(4, 9.6, 5, 1.8));
        p.drawRect(QRectF(5.6, 8, 1.8, 5));
        p.setBrush(ink(QColor(230, 50, 50)));
        p.drawEllipse(QPointF(14.6, 9.3), 1.3, 1.3);
        p.setBrush(ink(QColor(40, 170, 70)));
        p.drawEllipse(QPointF(12.6, 11.6), 1.3, 1.3);
        break;
    }
    case Pict::Mail: {
        // A white envelope with a blue flap.
        p.setPen(pen(outline, 0.9));
        p.setBrush(vertical(4, 16, ink(QColor(255, 255, 255)), ink(QColor(214, 230, 246))));
        p.drawRoundedRect(QRectF(2, 4.5, 16, 11.5), 1, 1);
        p.setBrush(ink(QColor(110, 170, 230)));
        QPainterPath flap;
        flap.moveTo(2.4, 5);
        flap.lineTo(10, 11);
        flap.lineTo(17.6, 5);
        flap.closeSubpath();
        p.drawPath(flap);
        p.setPen(pen(ink(QColor(120, 150, 190)), 0.7));
        p.drawLine(QPointF(2.6, 15.4), QPointF(8, 10.5));
        p.drawLine(QPointF(17.4, 15.4), QPointF(12, 10.5));
        break;
    }
    case Pict::Calculator: {
        // A calculator: dark body, green display, keys with an orange one.
        p.setPen(pen(ink(QColor(30, 40, 60)), 0.8));
        p.setBrush(vertical(1, 19, ink(QColor(100, 116, 146)), ink(QColor(50, 62, 90))));
        p.drawRoundedRect(QRectF(3.5, 1.5, 13, 17), 1.8, 1.8);
        p.setPen(Qt::NoPen);
        p.setBrush(ink(QColor(190, 235, 200)));
        p.drawRect(QRectF(5.3, 3.3, 9.4, 3.6));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col) {
                const bool op = (col == 2 && row == 2);
                p.setBrush(ink(op ? QColor(250, 150, 40) : QColor(235, 240, 248)));
                p.drawRoundedRect(QRectF(5.3 + col * 3.2, 8.6 + row * 3.2, 2.5, 2.3), 0.5, 0.5);
            }
        break;
    }
    case Pict::Metrology: {
        // A yellow ruler laid across, with its marks.
        p.save();
        p.translate(10, 10);
        p.rotate(-40);
        p.setPen(pen(ink(QColor(120, 80, 10)), 0.8));
        p.setBrush(vertical(-3.5, 3.5, ink(QColor(255, 226, 110)), ink(QColor(230, 170, 30))));
        p.drawRoundedRect(QRectF(-9.5, -3.4, 19, 6.8), 0.8, 0.8);
        p.setPen(pen(ink(QColor(90, 60, 10)), 0.7));
        for (int i = 0; i < 9; ++i) {
            const qreal x = -7.5 + i * 1.9;
            p.drawLine(QPointF(x, -3.3), QPointF(x, (i % 2) ? -1.6 : -0.2));
        }
        p.restore();
        break;
    }
    case Pict::Calendar: {
        // A calendar page: red header with rings, a grid of days, one marked.
        p.setPen(pen(outline, 0.8));
        p.setBrush(ink(QColor(255, 255, 255)));
        p.drawRoundedRect(QRectF(2.5, 3.5, 15, 14), 1.2, 1.2);
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(3.5, 7.5, ink(QColor(240, 90, 80)), ink(QColor(190, 30, 30))));
        p.drawRect(QRectF(3, 4, 14, 3.6));
        p.setBrush(ink(QColor(60, 70, 90)));
        p.drawRoundedRect(QRectF(6, 2, 1.5, 3.6), 0.7, 0.7);
        p.drawRoundedRect(QRectF(12.5, 2, 1.5, 3.6), 0.7, 0.7);
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 4; ++col) {
                const bool today = (row == 1 && col == 2);
                p.setBrush(ink(today ? QColor(240, 90, 80) : QColor(110, 150, 200)));
                p.drawRect(QRectF(4.6 + col * 3, 9 + row * 2.7, 1.9, 1.7));
            }
        break;
    }
    case Pict::ShortcutKey: {
        // A key cap with a lightning flash: a key that does something at once.
        p.setPen(pen(ink(QColor(40, 50, 80)), 0.9));
        p.setBrush(vertical(3, 18, ink(QColor(248, 250, 255)), ink(QColor(170, 186, 210))));
        p.drawRoundedRect(QRectF(2.5, 3, 15, 14.5), 2.5, 2.5);
        p.setPen(Qt::NoPen);
        p.setBrush(ink(QColor(255, 255, 255)));
        p.drawRoundedRect(QRectF(4.2, 4.3, 11.6, 10), 1.8, 1.8);
        p.setPen(pen(ink(QColor(170, 100, 0)), 0.6));
        p.setBrush(ink(QColor(255, 190, 30)));
        QPainterPath bolt;
        bolt.moveTo(11.6, 5);
        bolt.lineTo(7, 10.4);
        bolt.lineTo(9.8, 10.4);
        bolt.lineTo(8.2, 14);
        bolt.lineTo(13, 8.4);
        bolt.lineTo(10.2, 8.4);
        bolt.closeSubpath();
        p.drawPath(bolt);
        break;
    }
    case Pict::Play: {
        p.setPen(pen(ink(QColor(20, 100, 40)), 0.9));
        p.setBrush(vertical(3, 17, ink(QColor(140, 230, 130)), ink(QColor(40, 160, 60))));
        QPainterPath tri;
        tri.moveTo(5, 3);
        tri.lineTo(17, 10);
        tri.lineTo(5, 17);
        tri.closeSubpath();
        p.drawPath(tri);
        break;
    }
    case Pict::First:
    case Pict::Forward:
    case Pict::Pause:
    case Pict::Stop:
    case Pict::Last:
    case Pict::Menu: {
        // Transport glyphs in the skin's deep blue.
        p.setPen(Qt::NoPen);
        p.setBrush(vertical(3, 17, ink(QColor(60, 130, 210)), ink(Deep)));
        auto triangle = [&](qreal x0, qreal x1) {
            QPainterPath t;
            t.moveTo(x0, 4);
            t.lineTo(x1, 10);
            t.lineTo(x0, 16);
            t.closeSubpath();
            p.drawPath(t);
        };
        switch (pict) {
        case Pict::First:
            p.drawRect(QRectF(3, 4, 2.5, 12));
            triangle(11, 5);
            triangle(17, 11);
            break;
        case Pict::Forward:
            triangle(5, 16);
            break;
        case Pict::Pause:
            p.drawRect(QRectF(5, 4, 3.5, 12));
            p.drawRect(QRectF(11.5, 4, 3.5, 12));
            break;
        case Pict::Stop:
            p.drawRect(QRectF(5, 5, 10, 10));
            break;
        case Pict::Last:
            triangle(3, 9);
            triangle(9, 15);
            p.drawRect(QRectF(14.5, 4, 2.5, 12));
            break;
        default:
            p.setPen(ink(Deep));
            p.setFont(font(13, true));
            p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, QStringLiteral("M"));
            break;
        }
        break;
    }
    case Pict::Minimize:
    case Pict::Setting:
    case Pict::Close:
    case Pict::Help:
    case Pict::Zoom: {
        // Caption glyphs: white on the title bar, with a dark shadow.
        const QColor glyph = onDark ? ink(QColor(255, 255, 255)) : ink(Deep);
        for (int pass = 0; pass < 2; ++pass) {
            p.save();
            if (pass == 0)
                p.translate(0.7, 0.7);
            const QColor col = pass == 0 ? QColor(10, 40, 80, 120) : glyph;
            if (pict == Pict::Minimize) {
                p.setPen(Qt::NoPen);
                p.setBrush(col);
                p.drawRect(QRectF(5, 13, 10, 2.6));
            } else if (pict == Pict::Close) {
                p.setPen(pen(col, 2.4));
                p.drawLine(QPointF(5.5, 5.5), QPointF(14.5, 14.5));
                p.drawLine(QPointF(14.5, 5.5), QPointF(5.5, 14.5));
            } else if (pict == Pict::Zoom) {
                // A magnifying glass.
                p.setPen(pen(col, 2.2));
                p.setBrush(Qt::NoBrush);
                p.drawEllipse(QPointF(8.5, 8.5), 4.6, 4.6);
                p.setPen(pen(col, 3.0));
                p.drawLine(QPointF(12.0, 12.0), QPointF(16.0, 16.0));
            } else if (pict == Pict::Setting) {
                p.setPen(Qt::NoPen);
                p.setBrush(col);
                QPainterPath gear = gearPath(QPointF(10, 10), 6.6, 4.6, 7);
                QPainterPath hole;
                hole.addEllipse(QPointF(10, 10), 2.0, 2.0);
                p.drawPath(gear.subtracted(hole));
            } else {
                p.setPen(col);
                p.setFont(font(15, true));
                p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, QStringLiteral("?"));
            }
            p.restore();
        }
        break;
    }
    }
}

// ---------------------------------------------------------------- bitmap buttons

enum class Kind {
    Category, Tool, Caption, Transport,
    VideoCaption, VideoClose, // the video window's title buttons: caption buttons of its 24-pixel title
};

struct ButtonDef
{
    Pict pict;
    Kind kind;
    std::array<int, 4> numbers; // normal, pressed, hover, disabled (0 = none)
};

const std::array<ButtonDef, 25> buttons{{
    {Pict::Player, Kind::Category, Skin::PlayerButton},
    {Pict::Game, Kind::Category, Skin::GameButton},
    {Pict::Alarm, Kind::Category, Skin::AlarmButton},
    {Pict::Boot, Kind::Category, Skin::BootButton},
    {Pict::Favorite, Kind::Category, Skin::FavoriteButton},
    {Pict::SysTool, Kind::Category, Skin::SysToolButton},
    {Pict::Diary, Kind::Category, Skin::WorkButton},
    {Pict::Mail, Kind::Tool, Skin::MailButton},
    {Pict::Calculator, Kind::Tool, Skin::CalculatorButton},
    {Pict::Metrology, Kind::Tool, Skin::MetrologyButton},
    {Pict::Calendar, Kind::Tool, Skin::CalendarButton},
    {Pict::ShortcutKey, Kind::Tool, Skin::ShortcutKeyButton},
    {Pict::Minimize, Kind::Caption, Skin::MinimizeButton},
    {Pict::Setting, Kind::Caption, Skin::SettingButton},
    {Pict::Close, Kind::Caption, Skin::CloseButton},
    {Pict::Help, Kind::Caption, Skin::HelpButton},
    {Pict::First, Kind::Transport, Skin::PlayerFirstButton},
    {Pict::Forward, Kind::Transport, Skin::PlayerPlayButton},
    {Pict::Pause, Kind::Transport, Skin::PlayerPauseButton},
    {Pict::Stop, Kind::Transport, Skin::PlayerStopButton},
    {Pict::Last, Kind::Transport, Skin::PlayerLastButton},
    {Pict::Menu, Kind::Transport, Skin::PlayerMenuButton},
    {Pict::Minimize, Kind::VideoCaption, Skin::MediaHideButton},
    {Pict::Zoom, Kind::VideoCaption, Skin::MediaZoomButton},
    {Pict::Close, Kind::VideoClose, Skin::MediaCloseButton},
}};

QSize buttonSize(Kind kind)
{
    switch (kind) {
    case Kind::Category: return {29, 33};
    case Kind::Tool: return {29, 29};
    case Kind::Caption: return {17, 20};
    case Kind::Transport: return {16, 19};
    case Kind::VideoCaption: return {20, 24};
    case Kind::VideoClose: return {31, 24};
    }
    return {};
}

QImage drawButton(const ButtonDef& def, State state)
{
    const QSize size = buttonSize(def.kind);
    QImage img = canvas(size.width(), size.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, size.width() - 1, size.height() - 1);

    if (def.kind == Kind::Caption || def.kind == Kind::VideoCaption || def.kind == Kind::VideoClose) {
        // Opaque, cut from the title bar so it sits seamlessly on it.
        p.fillRect(img.rect(), titleGradient(0, size.height()));
        p.setPen(QColor(255, 255, 255, 90));
        p.drawLine(QPointF(0, 0.5), QPointF(size.width(), 0.5));
        p.setPen(QColor(16, 58, 112));
        p.drawLine(QPointF(0, size.height() - 0.5), QPointF(size.width(), size.height() - 0.5));
        const QRectF face(1.5, 2.5, size.width() - 3, size.height() - 5);
        if (state == State::Hover) {
            p.setPen(QColor(255, 255, 255, 170));
            p.setBrush(vertical(face.top(), face.bottom(), QColor(150, 205, 250), QColor(80, 150, 220)));
            p.drawRoundedRect(face, 2.5, 2.5);
        } else if (state == State::Pressed) {
            p.setPen(QColor(10, 40, 90));
            p.setBrush(vertical(face.top(), face.bottom(), QColor(20, 70, 140), QColor(50, 110, 185)));
            p.drawRoundedRect(face, 2.5, 2.5);
        }
        p.save();
        const qreal scale = 15.0 / 20.0;
        p.translate((size.width() - 20 * scale) / 2 + (state == State::Pressed ? 0.7 : 0),
                    (size.height() - 20 * scale) / 2 + (state == State::Pressed ? 0.7 : 0));
        p.scale(scale, scale);
        drawPict(p, def.pict, Ink{state == State::Disabled}, true);
        p.restore();
        return img;
    }

    // Category, tool and transport buttons: a rounded light-blue tile.
    const bool small = def.kind == Kind::Transport;
    const qreal radius = small ? 3 : 4;
    QColor border;
    QLinearGradient face(0, 0, 0, size.height());
    switch (state) {
    case State::Normal:
        face.setColorAt(0, QColor(246, 251, 255));
        face.setColorAt(0.5, QColor(216, 237, 253));
        face.setColorAt(1, QColor(178, 214, 245));
        border = QColor(104, 156, 212);
        break;
    case State::Hover:
        face.setColorAt(0, QColor(255, 252, 238));
        face.setColorAt(0.5, QColor(255, 238, 196));
        face.setColorAt(1, QColor(252, 214, 140));
        border = QColor(214, 150, 40);
        break;
    case State::Pressed:
        face.setColorAt(0, QColor(120, 176, 232));
        face.setColorAt(0.5, QColor(156, 202, 244));
        face.setColorAt(1, QColor(204, 232, 255));
        border = QColor(30, 90, 160);
        break;
    case State::Disabled:
        face.setColorAt(0, QColor(236, 242, 248));
        face.setColorAt(1, QColor(210, 222, 234));
        border = QColor(170, 188, 208);
        break;
    }
    p.setPen(QPen(border, 1));
    p.setBrush(face);
    p.drawRoundedRect(r, radius, radius);
    // Inner light line (raised) or inner shadow (pressed).
    p.setBrush(Qt::NoBrush);
    if (state == State::Pressed) {
        p.setPen(QPen(QColor(20, 60, 120, 110), 1));
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    } else {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1));
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }

    const qreal box = small ? 14 : 20;
    const qreal shift = state == State::Pressed ? 1 : 0;
    p.save();
    p.translate((size.width() - box) / 2 + shift, (size.height() - box) / 2 + shift);
    if (small)
        p.scale(box / 20.0, box / 20.0);
    drawPict(p, def.pict, Ink{state == State::Disabled}, false);
    p.restore();
    return img;
}

// ---------------------------------------------------------------- skin pieces

QImage drawSkinPiece(int number)
{
    switch (number) {
    case 247:
    case 248:
    case 249: {
        QImage img = canvas(8, 20);
        QPainter p(&img);
        paintTitle(p, img.rect(), number == 247, number == 249);
        return img;
    }
    case 250: {
        // The banner band: pale at the top, a thin blue rule at the bottom.
        QImage img = canvas(8, 59);
        QPainter p(&img);
        p.fillRect(img.rect(), vertical(0, 59, Pale, Background));
        p.fillRect(QRect(0, 56, 8, 1), Light);
        p.fillRect(QRect(0, 57, 8, 1), QColor(255, 255, 255));
        p.fillRect(QRect(0, 58, 8, 1), Background);
        return img;
    }
    case 251: {
        // The category column: a soft blue bar with a light right edge.
        QImage img = canvas(29, 8);
        QPainter p(&img);
        QLinearGradient g(0, 0, 29, 0);
        g.setColorAt(0, QColor(176, 214, 246));
        g.setColorAt(1, QColor(204, 235, 255));
        p.fillRect(img.rect(), g);
        return img;
    }
    case 252: {
        QImage img = canvas(2, 8);
        QPainter p(&img);
        p.fillRect(QRect(0, 0, 1, 8), Background);
        p.fillRect(QRect(1, 0, 1, 8), Light);
        return img;
    }
    case 253: {
        QImage img = canvas(8, 8);
        img.fill(Background);
        return img;
    }
    case 254:
    case 255:
    case 256: {
        // The bottom row behind the tool buttons: a light tray with a top rule.
        const int w = number == 255 ? 8 : 20;
        QImage img = canvas(w, 34);
        QPainter p(&img);
        p.fillRect(img.rect(), vertical(0, 34, QColor(214, 238, 255), QColor(168, 208, 244)));
        p.fillRect(QRect(0, 0, w, 1), Light);
        p.fillRect(QRect(0, 1, w, 1), QColor(255, 255, 255, 200));
        p.fillRect(QRect(0, 33, w, 1), QColor(120, 168, 220));
        return img;
    }
    case 257: {
        // Sizing grip: six raised dots in a triangle.
        QImage img = canvas(12, 12);
        QPainter p(&img);
        for (int row = 0; row < 3; ++row)
            for (int col = 2 - row; col < 3; ++col) {
                const QPoint at(2 + col * 3 + 1, 2 + row * 3 + 1);
                p.fillRect(QRect(at, QSize(2, 2)), QColor(255, 255, 255));
                p.fillRect(QRect(at - QPoint(1, 1), QSize(2, 2)), QColor(70, 120, 180));
            }
        return img;
    }
    case 263:
    case 265: {
        QImage img = canvas(8, 2);
        img.fill(Deep);
        QPainter p(&img);
        p.fillRect(QRect(0, number == 263 ? 1 : 0, 8, 1), Mid);
        return img;
    }
    case 264:
    case 266: {
        QImage img = canvas(2, 8);
        img.fill(Deep);
        QPainter p(&img);
        p.fillRect(QRect(number == 266 ? 1 : 0, 0, 1, 8), Mid);
        return img;
    }
    case 272: {
        // The player page's bottom band behind its buttons and bars, stretched across.
        QImage img = canvas(8, 57);
        QPainter p(&img);
        p.fillRect(img.rect(), vertical(0, 57, QColor(255, 255, 255), QColor(178, 214, 245)));
        p.fillRect(QRect(0, 0, 8, 1), Light);
        p.fillRect(QRect(0, 56, 8, 1), QColor(120, 168, 220));
        return img;
    }
    case 9001:
    case 9002:
    case 9003: {
        QImage img = canvas(8, 20);
        QPainter p(&img);
        paintTitle(p, img.rect(), number == 9001, number == 9003);
        return img;
    }
    default:
        return {};
    }
}

// ---------------------------------------------------------------- program icon and menus

QImage drawProgramIcon(int size)
{
    QImage img = canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    QLinearGradient g(0, 0, 0, 32);
    g.setColorAt(0, QColor(120, 190, 250));
    g.setColorAt(1, QColor(24, 82, 160));
    p.setPen(QPen(QColor(14, 50, 100), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 7, 7);
    // Gloss on the upper half.
    QLinearGradient gloss(0, 2, 0, 16);
    gloss.setColorAt(0, QColor(255, 255, 255, 150));
    gloss.setColorAt(1, QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(QRectF(3, 2.5, 26, 13), 6, 6);
    p.translate(1, 0);
    drawQuill(p, 30, QColor(255, 255, 255), QColor(250, 190, 60));
    return img;
}

QImage drawMenuImage(bool highlighted)
{
    QImage img = canvas(16, 16);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(6.5, 6), 7);
    if (highlighted) {
        g.setColorAt(0, QColor(255, 250, 220));
        g.setColorAt(1, QColor(245, 160, 30));
        p.setPen(QPen(QColor(255, 255, 255), 1));
    } else {
        g.setColorAt(0, QColor(190, 225, 255));
        g.setColorAt(1, QColor(40, 110, 190));
        p.setPen(QPen(QColor(20, 64, 120), 1));
    }
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 4.8, 4.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 190));
    p.drawEllipse(QPointF(6.6, 6.4), 1.6, 1.2);
    return img;
}

QImage drawTrayTip()
{
    // A piece of the task bar at the clock: two other tray icons, ours, and a red arrow.
    const int w = 180, h = 64;
    QImage img = canvas(w, h);
    img.fill(Background);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF bar(0, 36, w, 28);
    p.fillRect(bar, vertical(bar.top(), bar.bottom(), QColor(90, 140, 210), QColor(34, 80, 150)));
    p.fillRect(QRectF(0, 36, w, 1), QColor(160, 200, 245));
    const QRectF tray(58, 40, 120, 20);
    p.setPen(QPen(QColor(20, 55, 110), 1));
    p.setBrush(vertical(tray.top(), tray.bottom(), QColor(60, 130, 210), QColor(30, 90, 170)));
    p.drawRoundedRect(tray, 3, 3);
    // Other icons: a speaker and a network screen.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 236, 246));
    QPainterPath speaker;
    speaker.moveTo(64, 47);
    speaker.lineTo(67, 47);
    speaker.lineTo(71, 43.5);
    speaker.lineTo(71, 56.5);
    speaker.lineTo(67, 53);
    speaker.lineTo(64, 53);
    speaker.closeSubpath();
    p.drawPath(speaker);
    p.setPen(QPen(QColor(230, 236, 246), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(68, 45, 7, 10), -50 * 16, 100 * 16);
    p.setPen(QPen(QColor(20, 40, 80), 0.8));
    p.setBrush(QColor(120, 200, 250));
    p.drawRect(QRectF(80, 44, 11, 8));
    p.fillRect(QRectF(84, 52, 3, 3), QColor(220, 230, 240));
    // Ours.
    p.drawImage(QRectF(97, 42, 16, 16), drawProgramIcon(32));
    // The clock.
    p.setPen(QColor(255, 255, 255));
    p.setFont(font(11, false));
    p.drawText(QRectF(118, 40, 58, 20), Qt::AlignCenter, QStringLiteral("12:30"));
    // The red arrow pointing down-right at our icon.
    p.save();
    p.translate(105, 40);
    p.rotate(35);
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(-7, -10);
    arrow.lineTo(-2.5, -10);
    arrow.lineTo(-2.5, -30);
    arrow.lineTo(2.5, -30);
    arrow.lineTo(2.5, -10);
    arrow.lineTo(7, -10);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(120, 0, 0), 1));
    p.setBrush(vertical(-30, 0, QColor(255, 90, 70), QColor(200, 10, 10)));
    p.drawPath(arrow);
    p.restore();
    return img;
}

} // namespace

// ---------------------------------------------------------------- public

QList<int> resourceNumbers()
{
    QList<int> out{128, 138, 139, 9100};
    for (const ButtonDef& def : buttons)
        for (int n : def.numbers)
            if (n)
                out.append(n);
    for (int n = 247; n <= 257; ++n)
        out.append(n);
    for (int n = 263; n <= 266; ++n)
        out.append(n);
    out << 272 << 9001 << 9002 << 9003;
    std::sort(out.begin(), out.end());
    return out;
}

QImage resource(int number)
{
    if (number == 128)
        return drawProgramIcon(32);
    if (number == 138 || number == 139)
        return drawMenuImage(number == 139);
    if (number == 9100)
        return drawTrayTip();
    for (const ButtonDef& def : buttons) {
        for (int i = 0; i < 4; ++i)
            if (def.numbers[static_cast<size_t>(i)] == number)
                return drawButton(def, static_cast<State>(i));
    }
    return drawSkinPiece(number);
}

QImage programIcon(int size) { return drawProgramIcon(size); }

void drawPictogram(QPainter& p, Pict pict, bool muted, bool onDark)
{
    drawPict(p, pict, Ink{muted}, onDark);
}

} // namespace SkinArt
