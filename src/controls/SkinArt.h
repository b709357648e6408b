#pragma once
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QList>
#include <QPainterPath>
#include <QString>

class QPainter;

// The drawing of the program's one light-blue skin, in QtGui only: the numbered resources
// (bitmap buttons, skin pieces, menu images, program icon, tray tip) that the program draws
// at run time, and the drawing kit that the asset generator's pictures share with them.
// Everything is drawn in code, so a pictogram looks the same wherever it is used.
namespace SkinArt {

// The picture of a resource number; a null image for numbers the skin does not know.
QImage resource(int number);
// Every resource number the skin draws, ascending.
QList<int> resourceNumbers();

// The colours of the skin.
namespace Palette {
inline constexpr unsigned Background = 0xFFCCEBFF; // (204, 235, 255)
inline constexpr unsigned Deep = 0xFF1D5AA0;       // title bars, frames
inline constexpr unsigned Mid = 0xFF3A78BC;
inline constexpr unsigned Light = 0xFF9FCDF3;
inline constexpr unsigned Pale = 0xFFEAF6FF;
inline constexpr unsigned Accent = 0xFFF5A623;     // warm highlight (hover glow, star)
}

// The program icon drawn at size x size pixels (resource 128 is the 32-pixel one).
QImage programIcon(int size);

// ---------------------------------------------------------------- the drawing kit
// The pieces the skin's resources are made of, for the pictures of the asset generator.

// A transparent picture of w x h pixels.
QImage canvas(int w, int h);
// The skin's font (a sans serif, Verdana where there is one) at a pixel size.
QFont font(qreal pixels, bool bold, const QString& family = QStringLiteral("Verdana"));
// A vertical gradient from a at top to b at bottom.
QLinearGradient vertical(qreal top, qreal bottom, const QColor& a, const QColor& b);
// The blue gradient of every title bar, over height pixels from top.
QLinearGradient titleGradient(qreal top, qreal height);
// A five-pointed star and a toothed wheel round centre.
QPainterPath starPath(QPointF centre, qreal outer, qreal inner);
QPainterPath gearPath(QPointF centre, qreal outer, qreal inner, int teeth);
// The program's quill, along the diagonal of a square of size pixels from the painter's origin.
void drawQuill(QPainter& p, qreal size, const QColor& vane, const QColor& shaft);

// The pictograms of the buttons and faces.
enum class Pict {
    Diary, Alarm, Favorite, SysTool, Boot, Player, Game,
    Mail, Calculator, Metrology, Calendar, ShortcutKey,
    Minimize, Setting, Close, Help, Zoom, Play,
    First, Forward, Pause, Stop, Last, Menu, // the player's transport buttons
};
// Draws a pictogram into a 20 x 20 box at the painter's origin (scale the painter for other
// sizes): muted in one blue-grey for disabled looks, caption glyphs white when onDark.
void drawPictogram(QPainter& p, Pict pict, bool muted = false, bool onDark = false);

} // namespace SkinArt
