// Other programs' windows and the mouse buttons on a real X desktop (Xvfb + openbox +
// trayer), with xterm windows.
#include <QWidget>

#include <gtest/gtest.h>

#include "platform/linux/X11Desktop.h"
#include "support/ChildProcess.h"
#include "support/DesktopTools.h"
#include "support/TestWait.h"
#include "support/XDisplayFixture.h"

namespace {

Desktop::WindowId idOf(const QString& xdotoolId)
{
    return Desktop::WindowId(xdotoolId.toULongLong());
}

QRect frameOf(const X11Desktop& desktop, const QString& id)
{
    return desktop.windowPlacement(idOf(id)).frame;
}

} // namespace

TEST(X11DesktopWindows, ListsOtherProgramsWindowsWithTitleClassAndType)
{
    ChildProcess term;
    const QString id = startXterm(term, QStringLiteral("Sample one"));
    ASSERT_FALSE(id.isEmpty());
    QWidget own;
    own.setWindowTitle(QStringLiteral("Own window"));
    own.show();
    ASSERT_TRUE(waitUntil([&] { return !visibleWindowsTitled(QStringLiteral("Own window")).isEmpty(); }, 5000));

    X11Desktop desktop;
    const QList<Desktop::WindowId> windows = desktop.visibleWindows();
    EXPECT_TRUE(windows.contains(idOf(id)));
    // The program's own windows are not other programs' windows.
    EXPECT_FALSE(windows.contains(Desktop::WindowId(own.winId())));
    EXPECT_EQ(desktop.windowTitle(idOf(id)), QStringLiteral("Sample one"));
    EXPECT_EQ(desktop.windowClass(idOf(id)), QStringLiteral("XTerm"));
    EXPECT_EQ(desktop.windowType(idOf(id)), Desktop::WindowType::Normal);
    EXPECT_TRUE(desktop.isWindowVisible(idOf(id)));

    // trayer is the task bar.
    int taskBars = 0;
    for (Desktop::WindowId w : windows)
        if (desktop.windowType(w) == Desktop::WindowType::TaskBar)
            ++taskBars;
    EXPECT_EQ(taskBars, 1);

    // A window that went reads as nothing.
    term.stop();
    ASSERT_TRUE(waitUntil([&] { return !desktop.visibleWindows().contains(idOf(id)); }, 5000));
    EXPECT_FALSE(desktop.isWindowVisible(idOf(id)));
    EXPECT_TRUE(desktop.windowTitle(idOf(id)).isEmpty());
    EXPECT_TRUE(desktop.windowPlacement(idOf(id)).isNull());
    desktop.hideWindow(idOf(id));
    desktop.showWindow(idOf(id));
}

TEST(X11DesktopWindows, HiddenWindowLeavesTheListAndComesBackAtItsPlace)
{
    ChildProcess term;
    const QString id = startXterm(term, QStringLiteral("Sample two"), QPoint(300, 200));
    ASSERT_FALSE(id.isEmpty());
    X11Desktop desktop;
    ASSERT_TRUE(waitUntil([&] { return frameOf(desktop, id).topLeft() == QPoint(300, 200); }, 5000)) << frameOf(desktop, id).x();
    const QRect frame = frameOf(desktop, id);

    desktop.hideWindow(idOf(id));
    EXPECT_TRUE(waitUntil([&] { return !desktop.visibleWindows().contains(idOf(id)); }, 5000));
    EXPECT_FALSE(desktop.isWindowVisible(idOf(id)));
    EXPECT_FALSE(isMapped(id));
    EXPECT_TRUE(visibleWindowsTitled(QStringLiteral("Sample two")).isEmpty());

    desktop.showWindow(idOf(id));
    EXPECT_TRUE(waitUntil([&] { return desktop.visibleWindows().contains(idOf(id)); }, 5000));
    EXPECT_TRUE(waitUntil([&] { return frameOf(desktop, id) == frame; }, 5000)) << frameOf(desktop, id).x() << "," << frameOf(desktop, id).y();
    EXPECT_TRUE(isMapped(id));
}

TEST(X11DesktopWindows, PlacementMovesTheFrameAndKeepsTheState)
{
    ChildProcess term;
    const QString id = startXterm(term, QStringLiteral("Sample three"), QPoint(50, 60));
    ASSERT_FALSE(id.isEmpty());
    X11Desktop desktop;
    ASSERT_TRUE(waitUntil([&] { return frameOf(desktop, id).topLeft() == QPoint(50, 60); }, 5000));
    Desktop::WindowPlacement p = desktop.windowPlacement(idOf(id));
    EXPECT_EQ(p.state, Desktop::WindowPlacement::Normal);

    // xterm sizes itself in whole character cells: a size of whole cells is kept exactly.
    const int cell = (p.frame.width() - 2 * 2) / 40;
    p.frame.moveTopLeft(QPoint(400, 300));
    p.frame.setWidth(p.frame.width() + 5 * cell);
    desktop.setWindowPlacement(idOf(id), p);
    EXPECT_TRUE(waitUntil([&] { return frameOf(desktop, id).topLeft() == p.frame.topLeft(); }, 5000)) << frameOf(desktop, id).x();
    EXPECT_TRUE(waitUntil([&] { return qAbs(frameOf(desktop, id).width() - p.frame.width()) < cell; }, 5000)) << frameOf(desktop, id).width();
    p = desktop.windowPlacement(idOf(id));

    // Minimised: still one of the visible windows; hidden and shown, it comes back restored.
    ASSERT_TRUE(xdotool({QStringLiteral("windowminimize"), QStringLiteral("--sync"), id}));
    // (openbox moves the frame while it animates the minimising: wait until it is back)
    EXPECT_TRUE(waitUntil([&] { return desktop.windowPlacement(idOf(id)) == Desktop::WindowPlacement{p.frame, Desktop::WindowPlacement::Minimized}; }, 5000));
    EXPECT_TRUE(desktop.isWindowVisible(idOf(id)));
    EXPECT_TRUE(desktop.visibleWindows().contains(idOf(id)));
    desktop.hideWindow(idOf(id));
    EXPECT_TRUE(waitUntil([&] { return !desktop.visibleWindows().contains(idOf(id)); }, 5000));
    desktop.showWindow(idOf(id));
    EXPECT_TRUE(waitUntil([&] { return isMapped(id) && desktop.windowPlacement(idOf(id)).state == Desktop::WindowPlacement::Normal; }, 5000));
    EXPECT_TRUE(waitUntil([&] { return frameOf(desktop, id) == p.frame; }, 5000)) << frameOf(desktop, id).x();
}

TEST(X11DesktopWindows, WindowsHiddenAreShownWhenTheDesktopGoes)
{
    ChildProcess a, b;
    const QString ida = startXterm(a, QStringLiteral("Sample four"), QPoint(100, 100));
    const QString idb = startXterm(b, QStringLiteral("Sample five"), QPoint(500, 300));
    ASSERT_FALSE(ida.isEmpty());
    ASSERT_FALSE(idb.isEmpty());
    QRect frameB;
    {
        X11Desktop desktop;
        ASSERT_TRUE(waitUntil([&] { return frameOf(desktop, idb).topLeft() == QPoint(500, 300); }, 5000));
        frameB = frameOf(desktop, idb);
        desktop.hideWindow(idOf(ida));
        desktop.hideWindow(idOf(idb));
        ASSERT_TRUE(waitUntil([&] { return !isMapped(ida) && !isMapped(idb); }, 5000));
        desktop.showWindow(idOf(ida));
        ASSERT_TRUE(waitUntil([&] { return isMapped(ida); }, 5000));
        desktop.hideWindow(idOf(ida));
        ASSERT_TRUE(waitUntil([&] { return !isMapped(ida); }, 5000));
    }
    EXPECT_TRUE(waitUntil([&] { return isMapped(ida) && isMapped(idb); }, 5000));
    X11Desktop later;
    EXPECT_TRUE(waitUntil([&] { return frameOf(later, idb) == frameB; }, 5000));
}

TEST(X11DesktopWindows, ReportsMouseButtonsWhileWatching)
{
    X11Desktop desktop;
    QList<QPair<int, bool>> buttons;
    QObject::connect(&desktop, &Desktop::mouseButton, &desktop, [&](int b, bool down) { buttons.append({b, down}); });
    ASSERT_TRUE(desktop.watchMouseButtons(true));
    ASSERT_TRUE(xdotool({QStringLiteral("mousemove"), QStringLiteral("600"), QStringLiteral("500")}));
    ASSERT_TRUE(xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
    ASSERT_TRUE(xdotool({QStringLiteral("mousedown"), QStringLiteral("3")}));
    ASSERT_TRUE(xdotool({QStringLiteral("mouseup"), QStringLiteral("3")}));
    ASSERT_TRUE(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    ASSERT_TRUE(waitUntil([&] { return buttons.size() >= 4; }, 5000)) << buttons.size();
    EXPECT_EQ(buttons, (QList<QPair<int, bool>>{{1, true}, {3, true}, {3, false}, {1, false}}));

    ASSERT_TRUE(desktop.watchMouseButtons(false));
    buttons.clear();
    ASSERT_TRUE(xdotool({QStringLiteral("click"), QStringLiteral("1")}));
    // A hot key pressed afterwards is the marker that every earlier event was handled.
    QList<int> keys;
    QObject::connect(&desktop, &Desktop::hotKeyPressed, &desktop, [&](int id) { keys.append(id); });
    ASSERT_TRUE(desktop.registerHotKey(108, Desktop::Shift, 0x77));
    ASSERT_TRUE(xdotool({QStringLiteral("key"), QStringLiteral("shift+F8")}));
    ASSERT_TRUE(waitUntil([&] { return !keys.isEmpty(); }, 5000));
    EXPECT_TRUE(buttons.isEmpty());
}
