// The clock faces' geometry and digits, and the Number Clock's worker on a fake clock.
#include "support/FakeClock.h"
#include "support/ScopedTimeZone.h"
#include "support/TestWait.h"
#include "timekeeping/ClockFaces.h"
#include "timekeeping/NumberClockWorker.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <cmath>

#include <gtest/gtest.h>

namespace {

QPoint centreOf(const QRect& dot)
{
    return dot.topLeft() + QPoint(dot.width() / 2, dot.height() / 2);
}

TEST(PointerClock, DialHasTwelveHourMarksAndFortyEightMinuteMarksOnTheRing)
{
    const QPoint c(86, 86);
    const PointerClock::Dial d = PointerClock::dial(c);
    EXPECT_EQ(d.centre, QRect(82, 82, 8, 8));
    ASSERT_EQ(d.hourMarks.size(), 12);
    ASSERT_EQ(d.minuteMarks.size(), 48);
    // The first mark is at three o'clock, the fourth (90 degrees on) at six.
    EXPECT_EQ(d.hourMarks[0], QRect(164 - 4, 86 - 4, 8, 8));
    EXPECT_EQ(d.hourMarks[3], QRect(86 - 4, 164 - 4, 8, 8));
    EXPECT_EQ(d.hourMarks[6].center().x() < c.x(), true);
    for (const QRect& m : d.minuteMarks) {
        EXPECT_EQ(m.size(), QSize(4, 4));
        const QPoint p = centreOf(m) - c;
        EXPECT_NEAR(std::hypot(p.x(), p.y()), 78.0, 1.5);
    }
}

// Each case: the time and where the tip of each hand lies from the pivot (unit steps).
TEST(PointerClock, HandsPointWhereTheTimeSays)
{
    const QPoint c(86, 86), pivot(89, 89);
    const struct { QTime time; QPoint hour, minute, second; } cases[] = {
        {QTime(3, 0, 0), {1, 0}, {0, -1}, {0, -1}},
        {QTime(6, 0, 0), {0, 1}, {0, -1}, {0, -1}},
        {QTime(9, 0, 0), {-1, 0}, {0, -1}, {0, -1}},
        {QTime(12, 15, 30), {0, -1}, {1, 0}, {0, 1}},
        {QTime(15, 0, 45), {1, 0}, {0, -1}, {-1, 0}},
    };
    const auto direction = [&](const QList<QRect>& dots, int length) {
        // The last dot before the tail is the tip.
        const QPoint tip = centreOf(dots[length / 10 - 1]) - pivot;
        return QPoint(tip.x() > 10 ? 1 : tip.x() < -10 ? -1 : 0, tip.y() > 10 ? 1 : tip.y() < -10 ? -1 : 0);
    };
    for (const auto& t : cases) {
        const PointerClock::Hands h = PointerClock::hands(c, t.time);
        ASSERT_EQ(h.hour.size(), 4 + 2);
        ASSERT_EQ(h.minute.size(), 6 + 2);
        ASSERT_EQ(h.second.size(), 7 + 2);
        EXPECT_EQ(direction(h.hour, 40), t.hour) << t.time.toString().toStdString();
        EXPECT_EQ(direction(h.minute, 60), t.minute) << t.time.toString().toStdString();
        EXPECT_EQ(direction(h.second, 70), t.second) << t.time.toString().toStdString();
    }
    // At 3:00:00 exactly: the hour hand's dots lie on the pivot's row (the truncation of a
    // hair less than the row may take them one pixel up), 10 to 40 to the right, the tail 10
    // and 20 to the left.
    const PointerClock::Hands three = PointerClock::hands(c, QTime(3, 0, 0));
    const int xs[] = {10, 20, 30, 40, -10, -20};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(three.hour[i].size(), QSize(6, 6));
        EXPECT_EQ(three.hour[i].left(), pivot.x() + xs[i] - 3) << i;
        EXPECT_LE(std::abs(three.hour[i].top() - (pivot.y() - 3)), 1) << i;
    }
    EXPECT_EQ(three.minute[5], QRect(pivot.x() - 3, pivot.y() - 60 - 3, 6, 6));
    EXPECT_EQ(three.second[6], QRect(pivot.x() - 3, pivot.y() - 70 - 3, 6, 6));
    EXPECT_DOUBLE_EQ(PointerClock::hourAngle(QTime(3, 0, 0)), 10800 * 2 * 0.00007272205216435184);
}

TEST(NumberClock, DigitsOfTheTimeAndTheDateDayFirst)
{
    const QDateTime t(QDate(2006, 3, 5), QTime(9, 7, 58));
    const NumberClock::Digits d = NumberClock::digits(t);
    EXPECT_EQ(d, (NumberClock::Digits{0, 9, 0, 7, 5, 8, 0, 5, 0, 3, 2, 0, 0, 6}));
    const NumberClock::Digits m = NumberClock::digits(t, NumberClock::DateOrder::MonthDayYear);
    EXPECT_EQ(m, (NumberClock::Digits{0, 9, 0, 7, 5, 8, 0, 3, 0, 5, 2, 0, 0, 6}));
    EXPECT_EQ(NumberClock::digitPosition(0), QPoint(5, 33));
    EXPECT_EQ(NumberClock::digitPosition(5), QPoint(134, 50));
    EXPECT_EQ(NumberClock::digitPosition(13), QPoint(119, 5));
    EXPECT_TRUE(NumberClock::isLarge(3));
    EXPECT_FALSE(NumberClock::isLarge(4));
}

TEST(NumberClock, WorkerReadsTheClockAndStopsAtOnce)
{
    ScopedTimeZone zone("UTC");
    FakeClock clock(QDateTime(QDate(2006, 3, 5), QTime(23, 59, 59), QTimeZone::utc()).toSecsSinceEpoch());
    NumberClockWorker worker(clock);
    int updates = 0;
    QObject::connect(&worker, &NumberClockWorker::updated, &worker, [&] { ++updates; });
    worker.start();
    ASSERT_TRUE(waitUntil([&] { return updates >= 1; }, 5000));
    EXPECT_EQ(worker.digits(), (NumberClock::Digits{2, 3, 5, 9, 5, 9, 0, 5, 0, 3, 2, 0, 0, 6}));
    clock.advance(1);
    worker.refresh();
    EXPECT_EQ(worker.digits(), (NumberClock::Digits{0, 0, 0, 0, 0, 0, 0, 6, 0, 3, 2, 0, 0, 6}));
    // Stopping does not wait out the second the worker sleeps.
    QElapsedTimer timer;
    timer.start();
    worker.stop();
    EXPECT_TRUE(worker.isFinished());
    EXPECT_LT(timer.elapsed(), 900);
}

TEST(CartoonClock, PiecesOfTheDisplay)
{
    using P = CartoonClock::Piece;
    EXPECT_EQ(CartoonClock::pieces(QTime(23, 59, 59)),
              (QList<P>{{160, 2, 0}, {30, 15, 2}, {45, 15, 17}, {150, 8, 32}, {75, 15, 40}, {135, 15, 55},
                        {150, 8, 70}, {75, 15, 78}, {135, 15, 93}, {150, 2, 108}}));
    const QList<P> midnight = CartoonClock::pieces(QTime(0, 0, 0));
    for (int i : {1, 2, 4, 5, 7, 8})
        EXPECT_EQ(midnight[i].sourceX, 0) << i;
    EXPECT_EQ(CartoonClock::skins().size(), 7);
    EXPECT_EQ(CartoonClock::skins()[CartoonClock::InitialSkin].file, QStringLiteral("Girl.bmp"));
    EXPECT_EQ(CartoonClock::skins()[4].menuText, QStringLiteral("Little Bean "));
    EXPECT_EQ(CartoonClock::fonts().size(), 8);
    EXPECT_EQ(CartoonClock::fonts()[CartoonClock::InitialFont].file, QStringLiteral("Liquid Crystal.bmp"));
}

} // namespace
