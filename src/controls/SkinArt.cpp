#include "controls/SkinArt.h"

#include "controls/SkinResources.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <array>
#include <cstring>

namespace SkinArt {
namespace {

// ---------------------------------------------------------------- colours and helpers

QColor c(unsigned argb) { return QColor::fromRgba(argb); }

const QColor Deep = c(Palette::Deep);
const QColor Mid = c(Palette::Mid);
const QColor Light = c(Palette::Light);
const QColor Pale = c(Palette::Pale);
const QColor Background = c(Palette::Background);
const QColor Accent = c(Palette::Accent);

QImage canvas(int w, int h)
{
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QFont font(qreal pixels, bool bold, const QString& family = QStringLiteral("Verdana"))
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

enum class Pict {
    Diary, Alarm, Favorite, SysTool, Boot, Player, Game,
    Mail, Calculator, Metrology, Calendar, ShortcutKey,
    Minimize, Setting, Close, Help, Play,
    First, Forward, Pause, Stop, Last, Menu, // the player's transport buttons
};

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
    case Pict::Help: {
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

enum class Kind { Category, Tool, Caption, Transport };

struct ButtonDef
{
    Pict pict;
    Kind kind;
    std::array<int, 4> numbers; // normal, pressed, hover, disabled (0 = none)
};

const std::array<ButtonDef, 22> buttons{{
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
}};

QSize buttonSize(Kind kind)
{
    switch (kind) {
    case Kind::Category: return {29, 33};
    case Kind::Tool: return {29, 29};
    case Kind::Caption: return {17, 20};
    case Kind::Transport: return {16, 19};
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

    if (def.kind == Kind::Caption) {
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

// The feather of the quill, along the diagonal of a box of the given size.
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

QStringList faceNames()
{
    return {QStringLiteral("work"), QStringLiteral("alarm"), QStringLiteral("favorite"),
            QStringLiteral("boot"), QStringLiteral("player"), QStringLiteral("game"),
            QStringLiteral("systool")};
}

QImage faceIcon(const QString& name, int number)
{
    Pict pict = Pict::Diary;
    if (name == u"work")
        pict = Pict::Diary;
    else if (name == u"alarm")
        pict = Pict::Alarm;
    else if (name == u"favorite")
        pict = Pict::Favorite;
    else if (name == u"boot")
        pict = Pict::Boot;
    else if (name == u"player")
        pict = number == 2 ? Pict::Play : Pict::Player;
    else if (name == u"game")
        pict = Pict::Game;
    else if (name == u"systool")
        pict = Pict::SysTool;
    else
        return {};

    QImage art = canvas(16, 16);
    {
        QPainter p(&art);
        p.scale(16.0 / 20.0, 16.0 / 20.0);
        drawPict(p, pict, Ink{}, false);
    }
    // Black is the transparent colour of the list: faint edge pixels become black, the rest
    // is laid on the white list background, and no drawn pixel stays pure black.
    QImage out(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QColor px = art.pixelColor(x, y);
            const qreal a = px.alphaF();
            if (a < 0.3) {
                out.setPixel(x, y, qRgb(0, 0, 0));
                continue;
            }
            const QColor rgb = px.toRgb();
            auto blend = [a](qreal v) { return qBound(1, qRound(v * 255 * a + 255 * (1 - a)), 255); };
            // Premultiplied colours come back un-premultiplied from pixelColor.
            out.setPixel(x, y, qRgb(blend(rgb.redF()), blend(rgb.greenF()), blend(rgb.blueF())));
        }
    return out;
}

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
    static const char* const patterns[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg",
                                             "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
    for (int d = 0; d < 10; ++d) {
        const qreal x0 = 15.0 * d + 3, top = 3, mid = 12.5, bottom = 22;
        const QPainterPath segs[7] = {
            segment(x0 + 0.5, top, true),    segment(x0 + 9.0, top + 0.5, false),
            segment(x0 + 9.0, mid + 0.5, false), segment(x0 + 0.5, bottom, true),
            segment(x0, mid + 0.5, false),   segment(x0, top + 0.5, false),
            segment(x0 + 0.5, mid, true)};
        for (int s = 0; s < 7; ++s) {
            const bool on = std::strchr(patterns[d], 'a' + s) != nullptr;
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

QStringList clockSkins()
{
    return {QStringLiteral("No"),           QStringLiteral("Girl"),   QStringLiteral("Fish Ash"),
            QStringLiteral("Mickey Mouse"), QStringLiteral("Little Bean"), QStringLiteral("Snoopy"),
            QStringLiteral("Donald Duck")};
}

namespace {
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
} // namespace

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

namespace {
// The inside of a Winlinez board cell (38 x 38 at r), shared by the background and the
// ball pictures, which are blitted opaquely onto the cells.
void fivePlusCellInside(QPainter& p, const QRectF& r)
{
    p.fillRect(r, vertical(r.top(), r.bottom(), QColor(226, 242, 255), QColor(196, 226, 250)));
}

const QColor fivePlusColours[7] = {QColor(230, 40, 40),  QColor(250, 160, 20), QColor(240, 220, 30),
                                   QColor(40, 170, 60),  QColor(30, 190, 220), QColor(40, 80, 220),
                                   QColor(170, 60, 200)};

void drawGlossyBall(QPainter& p, QPointF c, qreal r, const QColor& colour, qreal lightAngle = -2.3)
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
} // namespace

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
                p.setRenderHint(QPainter::Antialiasing);
                QRadialGradient glow(r.center(), 19);
                glow.setColorAt(0.6, QColor(255, 220, 90, 200));
                glow.setColorAt(1, QColor(255, 220, 90, 0));
                p.setPen(Qt::NoPen);
                p.setBrush(glow);
                p.drawEllipse(r.center(), 19, 19);
            }
            const QPointF c = r.center() - QPointF(0, row == 1 ? 2 : 1);
            const qreal radius = row == 1 ? 15 : 14;
            if (k <= 7) {
                drawGlossyBall(p, c, radius, fivePlusColours[k - 1]);
            } else if (k == 8) {
                // Any: a ball of every colour, in slices, with a white star.
                drawGlossyBall(p, c, radius, QColor(240, 240, 240));
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
                drawGlossyBall(p, c, radius, QColor(90, 100, 120));
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

QImage fivePlusDigits()
{
    // Digits 24 x 42, lit red segments on the dark score window.
    QImage img(240, 42, QImage::Format_RGB32);
    img.fill(QColor(20, 16, 16));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    static const char* const patterns[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg",
                                             "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
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
            p.setBrush(std::strchr(patterns[d], 'a' + s) ? on : off);
            p.drawPath(segs[s]);
        }
    }
    return img;
}

QImage sameBallSheet(int cell)
{
    // 11 columns x 7 rows of cell x cell: rows 0..2 colour r at rest (column 0) and frames
    // 1..10; rows 3..5 frames 11..20 of colours 0..2; row 6 column 0 the empty cell. The
    // frames spin the ball's light once round.
    const QColor colours[3] = {QColor(225, 45, 45), QColor(40, 175, 70), QColor(45, 95, 225)};
    QImage img(11 * cell, 7 * cell, QImage::Format_RGB32);
    QPainter p(&img);
    auto empty = [&](const QRectF& r) {
        p.fillRect(r, vertical(r.top(), r.bottom(), QColor(30, 62, 110), QColor(20, 44, 84)));
        p.setPen(QColor(44, 82, 136));
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    };
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 11; ++col)
            empty(QRectF(col * cell, row * cell, cell, cell));
    auto ball = [&](int colour, int frame, int col, int row) {
        const QRectF r(col * cell, row * cell, cell, cell);
        const qreal radius = cell * 0.42;
        const qreal angle = -2.3 + 2 * M_PI * frame / 20.0;
        // Hovered balls also breathe a little.
        const qreal grow = frame ? 1.0 + 0.05 * qSin(M_PI * frame / 10.0) : 1.0;
        drawGlossyBall(p, r.center() - QPointF(0, cell * 0.02), radius * grow, colours[colour], angle);
    };
    for (int c = 0; c < 3; ++c) {
        for (int f = 0; f <= 10; ++f)
            ball(c, f, f, c);
        for (int f = 11; f <= 20; ++f)
            ball(c, f, f - 11, 3 + c);
    }
    return img;
}

QImage splash()
{
    const int w = 400, h = 250;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(246, 251, 255));
    sky.setColorAt(0.55, QColor(204, 235, 255));
    sky.setColorAt(1, QColor(140, 196, 244));
    p.fillRect(img.rect(), sky);
    // Soft light discs.
    const struct { qreal x, y, r; int a; } discs[] = {
        {330, 40, 70, 60}, {60, 200, 90, 40}, {250, 210, 50, 45}, {370, 150, 30, 50}, {30, 30, 40, 50}};
    for (const auto& d : discs) {
        QRadialGradient g(QPointF(d.x, d.y), d.r);
        g.setColorAt(0, QColor(255, 255, 255, d.a + 60));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(d.x, d.y), d.r, d.r);
    }
    // A sweeping ribbon.
    QPainterPath ribbon;
    ribbon.moveTo(0, 190);
    ribbon.cubicTo(120, 150, 260, 230, 400, 170);
    ribbon.lineTo(400, 200);
    ribbon.cubicTo(260, 250, 120, 180, 0, 215);
    ribbon.closeSubpath();
    QLinearGradient rg(0, 0, w, 0);
    rg.setColorAt(0, QColor(58, 120, 188, 90));
    rg.setColorAt(1, QColor(29, 90, 160, 160));
    p.setBrush(rg);
    p.drawPath(ribbon);

    // The quill.
    p.save();
    p.translate(28, 40);
    QImage quill = canvas(120, 120);
    {
        QPainter q(&quill);
        q.setRenderHint(QPainter::Antialiasing);
        drawQuill(q, 120, QColor(255, 255, 255), QColor(245, 170, 40));
    }
    // Its shadow, then the quill itself.
    QImage shadow = quill;
    {
        QPainter s(&shadow);
        s.setCompositionMode(QPainter::CompositionMode_SourceIn);
        s.fillRect(shadow.rect(), QColor(29, 90, 160, 110));
    }
    p.drawImage(QPointF(4, 5), shadow);
    p.drawImage(QPointF(0, 0), quill);
    p.restore();

    // The name.
    QFont nameFont = font(50, true);
    nameFont.setLetterSpacing(QFont::PercentageSpacing, 98);
    QPainterPath text;
    text.addText(QPointF(140, 120), nameFont, QStringLiteral("Quillora"));
    const QRectF tb = text.boundingRect();
    const qreal scale = qMin(1.0, 240.0 / tb.width());
    QTransform t;
    t.translate(140, 0);
    t.scale(scale, 1);
    t.translate(-140, 0);
    text = t.map(text);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 50, 100, 70));
    p.drawPath(text.translated(2.5, 3));
    QLinearGradient tg(0, 80, 0, 122);
    tg.setColorAt(0, QColor(70, 140, 215));
    tg.setColorAt(1, QColor(20, 70, 145));
    p.setPen(QPen(QColor(255, 255, 255), 1.5));
    p.setBrush(tg);
    p.drawPath(text);

    p.setPen(Deep);
    p.setFont(font(15, false));
    p.drawText(QRectF(142, 128, 250, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("your desktop assistant"));

    // Bottom band in the title bar colours.
    const QRect band(0, h - 26, w, 26);
    p.fillRect(band, titleGradient(band.top(), band.height()));
    p.setPen(QColor(255, 255, 255));
    p.setFont(font(11, true));
    p.drawText(band.adjusted(12, 0, -12, 0), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Quillora 1.0"));
    p.setFont(font(11, false));
    p.drawText(band.adjusted(12, 0, -12, 0), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Loading\u2026"));
    p.setPen(QColor(29, 90, 160));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    return img;
}

QList<QImage> bannerFrames(int width, int height)
{
    // Three taglines take turns under the name, fading in and out; a shine passes over
    // the name once per tagline, the waves drift and the sparkles twinkle, all in one loop.
    const QString taglines[] = {QStringLiteral("your desktop assistant"),
                                QStringLiteral("alarms \u00b7 mail \u00b7 games"),
                                QStringLiteral("calculator \u00b7 calendar \u00b7 tools")};
    const int perLine = 32, count = perLine * 3, fade = 6;
    QList<QImage> frames;
    const QFont nameFont = font(height * 0.40, true);
    const QFont tagFont = font(10, false);
    const QImage mark = drawProgramIcon(36);
    for (int f = 0; f < count; ++f) {
        const qreal loop = qreal(f) / count;              // 0..1 over the whole movie
        const qreal beat = qreal(f % perLine) / perLine;  // 0..1 over one tagline
        QImage img(width, height, QImage::Format_RGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.fillRect(img.rect(), vertical(0, height, QColor(240, 249, 255), QColor(188, 224, 252)));
        // Gentle waves drifting in opposite directions.
        for (int wave = 0; wave < 2; ++wave) {
            QPainterPath path;
            const qreal base = height * (wave ? 0.84 : 0.76);
            const qreal amp = wave ? 2.5 : 3.5;
            path.moveTo(0, height);
            for (int x = 0; x <= width; x += 3) {
                const qreal a = 2 * M_PI * (x / qreal(width) * (wave ? 2 : 1.5) + loop * (wave ? -2 : 3));
                path.lineTo(x, base + amp * qSin(a));
            }
            path.lineTo(width, height);
            path.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(wave ? QColor(58, 120, 188, 60) : QColor(255, 255, 255, 120));
            p.drawPath(path);
        }
        p.drawImage(QPointF(8, (height - 36) / 2.0), mark);
        // The name, with the shine.
        QPainterPath text;
        text.addText(QPointF(52, height * 0.52), nameFont, QStringLiteral("Quillora"));
        const QRectF tb = text.boundingRect();
        const qreal sweep = tb.left() - 40 + beat * (tb.width() + 120);
        QLinearGradient shine(sweep, 0, sweep + 40, 0);
        shine.setColorAt(0, QColor(29, 90, 160));
        shine.setColorAt(0.5, QColor(140, 205, 255));
        shine.setColorAt(1, QColor(29, 90, 160));
        p.setPen(QPen(QColor(255, 255, 255), 1.2));
        p.setBrush(shine);
        p.drawPath(text);
        // The tagline of this turn.
        const int step = f % perLine;
        const qreal alpha = qMin(1.0, qMin(step + 1, perLine - step) / qreal(fade));
        p.setFont(tagFont);
        p.setPen(QColor(29, 90, 160, int(255 * alpha)));
        p.drawText(QRectF(53, height * 0.56, width - 58, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   taglines[f / perLine]);
        // Twinkling sparkles.
        const QPointF stars[] = {{width - 18.0, 11.0}, {width - 34.0, 24.0}, {tb.right() + 9, 12.0}};
        for (int s = 0; s < 3; ++s) {
            const qreal k = 0.5 + 0.5 * qSin(2 * M_PI * (loop * 6 + s / 3.0));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(245, 166, 35, int(60 + 160 * k)));
            p.drawPath(starPath(stars[s], 2.5 + 3.0 * k, 1.0));
            p.setBrush(QColor(255, 255, 255, int(120 + 135 * k)));
            p.drawEllipse(stars[s], 0.6 + 0.6 * k, 0.6 + 0.6 * k);
        }
        p.setPen(QColor(58, 120, 188));
        p.drawLine(0, height - 1, width, height - 1);
        frames.append(img);
    }
    return frames;
}

} // namespace SkinArt
