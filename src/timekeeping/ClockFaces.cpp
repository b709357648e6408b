#include "timekeeping/ClockFaces.h"

#include <QDateTime>

#include <cmath>

namespace PointerClock {
namespace {

// The factors turning degrees and clock units into radians.
constexpr double DegreeFactor = 0.017453292519444445;
constexpr double HourFactor = 0.00007272205216435184;   // per half second of the day
constexpr double MinuteFactor = 0.0008726646259722222;  // per half second of the hour
constexpr double SecondFactor = 0.05235987755833333;    // per half second

QRect dot(int x, int y, int half)
{
    return QRect(x - half, y - half, 2 * half, 2 * half);
}

QList<QRect> hand(QPoint pivot, double angle, int length)
{
    QList<QRect> dots;
    const double s = std::sin(angle), c = std::cos(angle);
    for (int k = 10; k <= length; k += 10)
        dots.append(dot(int(pivot.x() + k * s), int(pivot.y() - k * c), 3));
    for (int k = 10; k <= 20; k += 10)
        dots.append(dot(int(pivot.x() - k * s), int(pivot.y() + k * c), 3));
    return dots;
}

} // namespace

Dial dial(QPoint centre)
{
    Dial d;
    d.centre = dot(centre.x(), centre.y(), 4);
    for (int degrees = 0; degrees < 360; degrees += 6) {
        const double a = degrees * DegreeFactor;
        const int x = int(centre.x() + Radius * std::cos(a));
        const int y = int(centre.y() + Radius * std::sin(a));
        if (degrees % 30 == 0)
            d.hourMarks.append(dot(x, y, 4));
        else
            d.minuteMarks.append(dot(x, y, 2));
    }
    return d;
}

double hourAngle(QTime time)
{
    return 2.0 * (time.msecsSinceStartOfDay() / 1000) * HourFactor;
}

double minuteAngle(QTime time)
{
    return 2.0 * (time.minute() * 60 + time.second()) * MinuteFactor;
}

double secondAngle(QTime time)
{
    return 2.0 * time.second() * SecondFactor;
}

Hands hands(QPoint centre, QTime time)
{
    const QPoint pivot = centre + QPoint(Edge, Edge);
    return {hand(pivot, hourAngle(time), 40), hand(pivot, minuteAngle(time), 60), hand(pivot, secondAngle(time), 70)};
}

} // namespace PointerClock

namespace NumberClock {

Digits digits(const QDateTime& local, DateOrder order)
{
    const QDate date = local.date();
    const QTime time = local.time();
    const bool dayFirst = order == DateOrder::DayMonthYear;
    const QString text = QStringLiteral("%1%2%3%4%5%6")
                             .arg(time.hour(), 2, 10, QLatin1Char('0'))
                             .arg(time.minute(), 2, 10, QLatin1Char('0'))
                             .arg(time.second(), 2, 10, QLatin1Char('0'))
                             .arg(dayFirst ? date.day() : date.month(), 2, 10, QLatin1Char('0'))
                             .arg(dayFirst ? date.month() : date.day(), 2, 10, QLatin1Char('0'))
                             .arg(date.year(), 4, 10, QLatin1Char('0'));
    Digits d{};
    for (int i = 0; i < DigitCount && i < text.size(); ++i)
        d[size_t(i)] = text.at(i).digitValue();
    return d;
}

QPoint digitPosition(int index)
{
    static const QPoint positions[DigitCount] = {
        {5, 33},  {32, 33}, {65, 33}, {92, 33},                       // hour, minute
        {120, 50}, {134, 50},                                         // second
        {5, 5},   {19, 5},  {41, 5}, {55, 5},                         // day and month
        {77, 5},  {91, 5},  {105, 5}, {119, 5},                       // year
    };
    return index >= 0 && index < DigitCount ? positions[index] : QPoint();
}

bool isLarge(int index)
{
    return index >= 0 && index < 4;
}

} // namespace NumberClock

namespace CartoonClock {

const QList<Choice>& skins()
{
    static const QList<Choice> list = {
        {QStringLiteral("No"), QStringLiteral("No.bmp")},
        {QStringLiteral("Girl"), QStringLiteral("Girl.bmp")},
        {QStringLiteral("Fish Ash"), QStringLiteral("Fish Ash.bmp")},
        {QStringLiteral("Mickey Mouse"), QStringLiteral("Mickey Mouse.bmp")},
        {QStringLiteral("Little Bean "), QStringLiteral("Little Bean.bmp")},
        {QStringLiteral("Snoopy"), QStringLiteral("Snoopy.bmp")},
        {QStringLiteral("Donald Duck"), QStringLiteral("Donald Duck.bmp")},
    };
    return list;
}

const QList<Choice>& fonts()
{
    static const QList<Choice> list = {
        {QStringLiteral("Pink"), QStringLiteral("Pink.bmp")},
        {QStringLiteral("Dark Green"), QStringLiteral("Dark Green.bmp")},
        {QStringLiteral("Light Yellow"), QStringLiteral("Light Yellow.bmp")},
        {QStringLiteral("Lark"), QStringLiteral("Lark.bmp")},
        {QStringLiteral("Saffron"), QStringLiteral("Saffron.bmp")},
        {QStringLiteral("Cyan"), QStringLiteral("Cyan.bmp")},
        {QStringLiteral("Light Blue"), QStringLiteral("Light Blue.bmp")},
        {QStringLiteral("Liquid Crystal"), QStringLiteral("Liquid Crystal.bmp")},
    };
    return list;
}

QList<Piece> pieces(QTime time)
{
    const auto digit = [](int d, int x) { return Piece{DigitWidth * d, DigitWidth, x}; };
    const Piece colon1{ColonX, ColonWidth, 32}, colon2{ColonX, ColonWidth, 70};
    return {
        Piece{EdgeX, 2, 0},
        digit(time.hour() / 10, 2),    digit(time.hour() % 10, 17),   colon1,
        digit(time.minute() / 10, 40), digit(time.minute() % 10, 55), colon2,
        digit(time.second() / 10, 78), digit(time.second() % 10, 93),
        Piece{ColonX, 2, 108},
    };
}

} // namespace CartoonClock
