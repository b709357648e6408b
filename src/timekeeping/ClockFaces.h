#pragma once
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTime>

#include <array>

class QDateTime;

// The geometry and digits of the three clock faces, apart from their windows.

// The Pointer Clock: a dial and three hands, every part a row of round dots. A dot is given by
// the square it is inscribed in.
namespace PointerClock {

inline constexpr int Size = 172;        // the window's width and height
inline constexpr int SmallestSize = 164; // smaller windows are made Size x Size
inline constexpr int Radius = 78;        // of the ring of marks
inline constexpr int Edge = 3;           // coloured dots sit this far up and left of their outline

struct Dial
{
    QRect centre;
    QList<QRect> hourMarks;   // 12, from three o'clock clockwise
    QList<QRect> minuteMarks; // the 48 others
};
struct Hands
{
    QList<QRect> hour;   // 4 dots out from the centre, then the 2 tail dots
    QList<QRect> minute; // 6 and 2
    QList<QRect> second; // 7 and 2
};

Dial dial(QPoint centre);
// The hands at a local time of day, around (centre + (Edge, Edge)).
Hands hands(QPoint centre, QTime time);
// The hand angles in radians, clockwise from twelve o'clock.
double hourAngle(QTime time);
double minuteAngle(QTime time);
double secondAngle(QTime time);

} // namespace PointerClock

// The Number Clock: hour and minute in large digits, seconds and the date in small ones, drawn
// from digit strips onto its background.
namespace NumberClock {

inline constexpr int Width = 151, Height = 72;     // the background, and so the display
inline constexpr int LargeWidth = 24, LargeHeight = 34;
inline constexpr int SmallWidth = 12, SmallHeight = 17;
inline constexpr int DigitCount = 14;

enum class DateOrder { DayMonthYear = 0, MonthDayYear = 1 };

// Hour (2), minute (2), second (2), then the date (2 + 2 + 4) as the order has it.
using Digits = std::array<int, DigitCount>;
Digits digits(const QDateTime& local, DateOrder order = DateOrder::DayMonthYear);
// The top-left corner of each digit on the background; the first four are large.
QPoint digitPosition(int index);
bool isLarge(int index);

} // namespace NumberClock

// The Cartoon Clock: a skin picture with a liquid-crystal time display inside it.
namespace CartoonClock {

inline constexpr int BarDistance = 109;   // between the left edges of the display's two black bars
inline constexpr int BarHeight = 25;
inline constexpr int DisplayWidth = 110;
inline constexpr int DigitWidth = 15, ColonX = 150, ColonWidth = 8, EdgeX = 160;

struct Choice
{
    QString menuText;
    QString file; // in the picture folder "bmp/Clock/"
};
// "Skin": No, Girl, Fish Ash, Mickey Mouse, Little Bean, Snoopy, Donald Duck.
const QList<Choice>& skins();
// "Font": Pink, Dark Green, Light Yellow, Lark, Saffron, Cyan, Light Blue, Liquid Crystal.
const QList<Choice>& fonts();
inline constexpr int InitialSkin = 1; // "Girl.bmp"
inline constexpr int InitialFont = 7; // "Liquid Crystal.bmp"

// One piece of the display: `width` columns of the digit strip from `sourceX`, drawn at
// `x` from the display origin, all BarHeight tall.
struct Piece
{
    int sourceX;
    int width;
    int x;
    friend bool operator==(const Piece&, const Piece&) = default;
};
// The ten pieces that show a time: edge, H, H, colon, M, M, colon, S, S, edge.
QList<Piece> pieces(QTime time);

} // namespace CartoonClock
