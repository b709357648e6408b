// The calendar on a real X desktop (Xvfb, openbox, trayer): opened from the panel's Calendar
// button, the three clocks from its "Clock" menu and the stopwatch from its button, all with
// real mouse clicks, on a fake clock stopped at 03:00:00. Screenshots of the whole screen show
// the clocks' outlines cut to their shapes and the hands where the time says; they are kept
// in the build's screenshots/ folder.
#include "app/CMarrowbyDlg.h"
#include "calendar/CCalendarDlg.h"
#include "controls/CGridCtrl.h"
#include "support/DesktopTools.h"
#include "support/FakePlatform.h"
#include "support/ScopedTimeZone.h"
#include "support/TempDir.h"
#include "support/TestWait.h"
#include "support/XDisplayFixture.h"
#include "timekeeping/CCartoonClock.h"
#include "timekeeping/CNumberClock.h"
#include "timekeeping/CPointerClock.h"
#include "timekeeping/CStopWatchDlg.h"
#include "timekeeping/ClockFaces.h"
#include "timekeeping/ClockPictures.h"
#include "timekeeping/LedDigitRow.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString binDir()
{
    return qEnvironmentVariable("QUILLORA_BIN_DIR") + QLatin1Char('/');
}

void clickAt(const QPoint& global)
{
    xdotool({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

void clickOn(QWidget* w)
{
    ASSERT_NE(w, nullptr);
    clickAt(w->mapToGlobal(w->rect().center()));
}

// Clicks item `index` of the next pop-up menu as soon as it is open (it runs its own loop).
void clickInNextMenu(int index)
{
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, index] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        const QRect item = menu->actionGeometry(menu->actions().at(index));
        clickAt(menu->mapToGlobal(item.center()));
    });
    timer->start();
}

// This program's visible windows (its panel, tray icons, tool windows), as the X server lists them.
QStringList ownWindows()
{
    const ToolResult r = runTool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                             QStringLiteral("--class"), QCoreApplication::applicationName()});
    return QString::fromLatin1(r.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The whole screen as the X server shows it, kept under `name` for looking at.
QImage screenshot(const QString& name)
{
    // Let the windows finish painting first.
    waitUntil([] { return false; }, 300);
    const QString dir = binDir() + QStringLiteral("../screenshots/");
    QDir().mkpath(dir);
    const QString file = dir + name + QStringLiteral(".png");
    const ToolResult r = runTool(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), file});
    EXPECT_TRUE(r.ok()) << r.err.constData();
    return QImage(file).convertToFormat(QImage::Format_RGB32);
}

QColor at(const QImage& shot, const QPoint& p)
{
    return QColor(shot.pixel(p));
}

bool shows(const QImage& shot, const QPoint& at, const QImage& piece)
{
    const QImage part = shot.copy(QRect(at, piece.size()));
    const QImage want = piece.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x)
            if (part.pixel(x, y) != want.pixel(x, y))
                return false;
    return true;
}

TEST(CalendarDesktop, OpensFromThePanelWithItsClocksAndStopwatch)
{
    ScopedTimeZone zone("UTC");
    TempDir dir;
    ASSERT_TRUE(copyProgramDir(binDir(), dir.path()));
    FakePlatform fake;
    const QRect screen(0, 0, 1024, 768);
    fake.desktop().setScreen(screen);
    fake.clock().setNow(QDateTime(QDate(2024, 5, 6), QTime(3, 0, 0), QTimeZone::utc()));

    CMarrowbyDlg panel(dir.path(), fake.platform());
    panel.show();
    ASSERT_TRUE(waitUntil([&] { return !visibleWindowsTitled(QStringLiteral("Quillora")).isEmpty(); }, 10000));

    // The panel's Calendar button opens the calendar, and its day icon joins the tray.
    const int trayIcons = int(ownWindows().size());
    auto* calendarButton = panel.findChild<QWidget*>(QStringLiteral("id%1").arg(int(CMarrowbyDlg::IdCalendar)));
    clickOn(calendarButton);
    CCalendarDlg* calendar = nullptr;
    ASSERT_TRUE(waitUntil([&] {
        calendar = panel.findChild<CCalendarDlg*>();
        return calendar && calendar->isVisible() && !visibleWindowsTitled(QStringLiteral("Calendar")).isEmpty();
    }, 10000));
    EXPECT_TRUE(waitUntil([&] { return int(ownWindows().size()) >= trayIcons + 2; }, 5000)) // the window and its tray icon
        << trayIcons << " " << ownWindows().join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(calendar->trayDay(), 6);
    // Out of the clocks' way, so what shows through their outlines is the bare screen.
    calendar->move(10, 10);
    panel.move(804, 10);

    // "Clock", then each item of its menu.
    auto* clockButton = calendar->body()->findChild<QPushButton*>(QStringLiteral("clock"));
    ASSERT_NE(clockButton, nullptr);
    for (int item = 0; item < 3; ++item) {
        fake.desktop().setCursorPos(clockButton->mapToGlobal(clockButton->rect().center()));
        clickInNextMenu(item);
        clickOn(clockButton);
        ASSERT_TRUE(waitUntil([&] {
            QWidget* clocks[] = {calendar->pointerClock(), calendar->numberClock(), calendar->cartoonClock()};
            return clocks[item] && clocks[item]->isVisible();
        }, 10000)) << item;
    }
    CPointerClock* pointer = calendar->pointerClock();
    CNumberClock* number = calendar->numberClock();
    CCartoonClock* cartoon = calendar->cartoonClock();
    // Apart, on bare screen.
    number->move(420, 560);
    cartoon->move(600, 540);
    waitUntil([&] { return number->pos() == QPoint(420, 560) && cartoon->pos() == QPoint(600, 540); }, 5000);
    const QImage shot = screenshot(QStringLiteral("calendar-clocks"));

    // The Pointer Clock at the lower right, 03:00:00: the hour hand right, the others up, the
    // dots in their colours with their edges, and the screen between the dots.
    EXPECT_EQ(pointer->geometry().topLeft(), QPoint(1024 - 242, 768 - 242));
    const QPoint c = pointer->geometry().topLeft() + QPoint(86, 86);
    EXPECT_EQ(at(shot, c + QPoint(40, 0)), CPointerClock::handColour());
    EXPECT_EQ(at(shot, c + QPoint(30, 0)), CPointerClock::handColour());
    EXPECT_EQ(at(shot, c + QPoint(0, -70)), CPointerClock::secondColour());
    EXPECT_EQ(at(shot, c - QPoint(3, 3)), CPointerClock::markColour());
    EXPECT_EQ(at(shot, c + QPoint(3 + 40 + 1, 3)), CPointerClock::edgeColour());
    const QColor bare = at(shot, QPoint(700, 720));
    for (QPoint outside : {QPoint(-40, 0), QPoint(0, 40), QPoint(25, 25), QPoint(-84, -84), QPoint(40, -10)})
        EXPECT_EQ(at(shot, c + outside), bare) << outside.x() << "," << outside.y();

    // The Number Clock: the face with rounded corners, the date day first.
    const QImage face = ClockPictures::load(binDir() + QStringLiteral("bmp/Clock/NumberClock.bmp"));
    const QImage small = ClockPictures::load(binDir() + QStringLiteral("bmp/Clock/NumberSmall.bmp"));
    const QImage large = ClockPictures::load(binDir() + QStringLiteral("bmp/Clock/NumberLarge.bmp"));
    const QPoint n = number->geometry().topLeft();
    EXPECT_EQ(at(shot, n), bare);
    EXPECT_EQ(at(shot, n + QPoint(150, 71)), bare);
    EXPECT_EQ(at(shot, n + QPoint(60, 43)), QColor(face.pixel(60, 43)));
    const int date[] = {0, 6, 0, 5, 2, 0, 2, 4};
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(shows(shot, n + NumberClock::digitPosition(6 + i), small.copy(12 * date[i], 0, 12, 17))) << i;
    EXPECT_TRUE(shows(shot, n + NumberClock::digitPosition(1), large.copy(24 * 3, 0, 24, 34)));

    // The Cartoon Clock: its skin cut out of the screen, the time in its display.
    const QPoint k = cartoon->geometry().topLeft();
    EXPECT_EQ(at(shot, k), bare);
    const QImage lcd = ClockPictures::load(binDir() + QStringLiteral("bmp/Clock/Liquid Crystal.bmp"));
    for (const CartoonClock::Piece& p : CartoonClock::pieces(QTime(3, 0, 0)))
        EXPECT_TRUE(shows(shot, k + cartoon->displayOrigin() + QPoint(p.x, 0), lcd.copy(p.sourceX, 0, p.width, 25))) << p.x;

    // The stopwatch from its button: Start, an hour and a bit, Snap.
    clickOn(calendar->body()->findChild<QPushButton*>(QStringLiteral("stopwatch")));
    ASSERT_TRUE(waitUntil([&] { return calendar->stopwatch() && calendar->stopwatch()->isVisible(); }, 10000));
    CStopWatchDlg* stopwatch = calendar->stopwatch();
    ASSERT_TRUE(waitUntil([&] { return !visibleWindowsTitled(QStringLiteral("StopWatch")).isEmpty(); }, 5000));
    stopwatch->move(40, 560);
    waitUntil([&] { return stopwatch->pos() == QPoint(40, 560); }, 5000);
    clickOn(stopwatch->body()->findChild<QPushButton*>(QStringLiteral("startStop")));
    ASSERT_TRUE(waitUntil([&] { return stopwatch->model().state() == Stopwatch::State::Running; }, 5000));
    fake.clock().advanceMs(3723456);
    ASSERT_TRUE(waitUntil([&] { return stopwatch->display()->text() == QStringLiteral("01|02|03|456"); }, 5000));
    clickOn(stopwatch->body()->findChild<QPushButton*>(QStringLiteral("snap")));
    ASSERT_TRUE(waitUntil([&] { return stopwatch->results()->isVisible(); }, 5000));
    EXPECT_EQ(stopwatch->results()->grid()->itemText(1, 1), QStringLiteral("01:02:03:456"));
    const QImage watchShot = screenshot(QStringLiteral("calendar-stopwatch"));
    const QImage glyphs = ClockPictures::load(binDir() + QStringLiteral("bmp/StopWatch/LED.bmp"));
    const QPoint led = stopwatch->display()->mapToGlobal(QPoint(0, 0));
    const QList<int> cells = stopwatch->display()->glyphs();
    for (int i = 0; i < cells.size(); ++i)
        EXPECT_TRUE(shows(watchShot, led + QPoint(18 * i, 0), glyphs.copy(18 * cells[i], 0, 18, 32))) << i;

    // The calendar's "Close" hides it; the clocks stay.
    clickOn(calendar->body()->findChild<QPushButton*>(QStringLiteral("close")));
    EXPECT_TRUE(waitUntil([&] { return !calendar->isVisible(); }, 5000));
    EXPECT_TRUE(pointer->isVisible());
}

} // namespace
