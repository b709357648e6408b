// The real program on a private X desktop (Xvfb, openbox, trayer): placement, the hot key,
// docking, the tray icon, the single instance and a clean end on SIGTERM.
#include "support/ChildProcess.h"
#include "support/DesktopTools.h"
#include "support/TempDir.h"
#include "support/TestWait.h"
#include "support/XDisplayFixture.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

QString visibleWindow(const QString& title)
{
    return visibleWindowsTitled(title).value(0);
}

// A visible window of the program that is none of `known`, once one appears.
QString newProgramWindow(const QStringList& known, int timeoutMs = 5000)
{
    QString found;
    waitUntil([&] {
        for (const QString& id : programWindows())
            if (!known.contains(id))
                found = id;
        return !found.isEmpty();
    }, timeoutMs);
    return found;
}

void clickAt(const QPoint& p, int button = 1)
{
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
    xdotool({QStringLiteral("click"), QString::number(button)});
}

class PanelDesktop : public ::testing::Test
{
protected:
    TempDir programDir;
    ChildProcess first;

    void SetUp() override
    {
        // Control + Alt + K shows and hides the panel.
        ASSERT_TRUE(prepareProgramDir(qEnvironmentVariable("QUILLORA_BIN_DIR") + QLatin1Char('/'), programDir.path()));
    }

    QString start(ChildProcess& process)
    {
        EXPECT_TRUE(process.start(programDir.file(QStringLiteral("quillora")), {}, {},
                                  programDir.file(QStringLiteral("out.log")), programDir.file(QStringLiteral("err.log"))));
        QString id;
        waitUntil([&] { return !(id = visibleWindow(QStringLiteral("Quillora"))).isEmpty(); }, 20000);
        return id;
    }
};

} // namespace

TEST_F(PanelDesktop, RunsAsAPanelAtTheTopRight)
{
    const QString panel = start(first);
    ASSERT_FALSE(panel.isEmpty()) << programDir.read(QStringLiteral("err.log")).constData();
    EXPECT_TRUE(waitUntil([&] { return windowGeometry(panel) == QRect(804, 10, 210, 440); }, 5000)) << windowGeometry(panel).x();

    // The window property a second start looks for, and no task-bar button.
    const ToolResult props = runTool(QStringLiteral("xprop"), {QStringLiteral("-id"), panel});
    EXPECT_TRUE(props.out.contains("Quillora(CARDINAL) = 1")) << props.out.constData();
    EXPECT_TRUE(props.out.contains("_NET_WM_STATE_SKIP_TASKBAR")) << props.out.constData();
    EXPECT_TRUE(props.out.contains("_NET_WM_STATE_ABOVE"));

    // The tray icon is embedded in the tray host.
    const ToolResult tree = runTool(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")});
    const QRegularExpression trayLine(QStringLiteral("\"panel\" \\(\"trayer\".*\\n(\\s+\\d+ child.*\\n)?.*quillora"));
    EXPECT_TRUE(trayLine.match(QString::fromLatin1(tree.out)).hasMatch() || tree.out.contains("Quillora")) << tree.out.constData();

    // The hot key hides and shows it.
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+k")});
    EXPECT_TRUE(waitUntil([&] { return visibleWindow(QStringLiteral("Quillora")).isEmpty(); }, 5000));
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+k")});
    EXPECT_TRUE(waitUntil([&] { return !visibleWindow(QStringLiteral("Quillora")).isEmpty(); }, 5000));

    // Pushed to the top with the pointer away, it collapses to a strip; the pointer on the
    // strip brings it back.
    xdotool({QStringLiteral("mousemove"), QStringLiteral("100"), QStringLiteral("600")});
    xdotool({QStringLiteral("windowmove"), panel, QStringLiteral("700"), QStringLiteral("1")});
    EXPECT_TRUE(waitUntil([&] { return windowGeometry(panel).height() == 3; }, 5000)) << windowGeometry(panel).height();
    EXPECT_EQ(windowGeometry(panel).top(), 0);
    xdotool({QStringLiteral("mousemove"), QStringLiteral("750"), QStringLiteral("1")});
    EXPECT_TRUE(waitUntil([&] { return windowGeometry(panel).height() == 440; }, 5000)) << windowGeometry(panel).height();

    // A second start raises the first, says so and ends.
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+alt+k")}); // hide the first
    ASSERT_TRUE(waitUntil([&] { return visibleWindow(QStringLiteral("Quillora")).isEmpty(); }, 5000));
    const QStringList before = programWindows() << panel;
    ChildProcess second;
    ASSERT_TRUE(second.start(programDir.file(QStringLiteral("quillora")), {}));
    // The first panel comes back, and the second start's message box is shown.
    const QString box = newProgramWindow(before, 10000);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_EQ(runTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), box}).out.trimmed(), QByteArray("quillora"));
    EXPECT_TRUE(waitUntil([&] { return visibleWindow(QStringLiteral("Quillora")) == panel; }, 5000));
    xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), box});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    EXPECT_TRUE(waitUntil([&] { return !second.isRunning(); }, 10000));
    EXPECT_EQ(second.exitCode(), 1);
    EXPECT_TRUE(first.isRunning());

    // SIGTERM ends it like "Exit": the settings are saved.
    first.stop(10000, 15);
    EXPECT_EQ(first.exitCode(), 0);
    const QByteArray saved = programDir.read(QStringLiteral("Transparence"));
    EXPECT_EQ(saved.size(), 19);
}

TEST_F(PanelDesktop, TrayMenuExitEndsTheProgramAndSavesTheSettings)
{
    const QString panel = start(first);
    ASSERT_FALSE(panel.isEmpty()) << programDir.read(QStringLiteral("err.log")).constData();
    // The tray icon: the program's other window, embedded in trayer.
    const QString icon = newProgramWindow({panel}, 10000);
    ASSERT_FALSE(icon.isEmpty());
    ASSERT_EQ(windowGeometry(icon).size(), QSize(22, 22));
    const QStringList known = programWindows();
    clickAt(windowGeometry(icon).center(), 3);
    // The menu opens at the pointer: "Setting" above, "Exit" below.
    const QString menu = newProgramWindow(known);
    ASSERT_FALSE(menu.isEmpty());
    const QRect m = windowGeometry(menu);
    clickAt(QPoint(m.center().x(), m.top() + m.height() * 3 / 4));

    ASSERT_TRUE(waitUntil([&] { return !first.isRunning(); }, 10000));
    EXPECT_EQ(first.exitCode(), 0) << programDir.read(QStringLiteral("err.log")).constData();
    EXPECT_EQ(programDir.read(QStringLiteral("Transparence")).size(), 19);
    // The companion control was unregistered on the way out.
    EXPECT_FALSE(QFile::exists(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quillora/Marrowby.control")));
}

TEST_F(PanelDesktop, DraggingTheBottomEdgeStopsAtTheLowestHeight)
{
    const QString panel = start(first);
    ASSERT_FALSE(panel.isEmpty()) << programDir.read(QStringLiteral("err.log")).constData();
    ASSERT_TRUE(waitUntil([&] { return windowGeometry(panel) == QRect(804, 10, 210, 440); }, 5000));
    // The bottom edge, right of the tool buttons.
    const int x = 804 + 190;
    xdotool({QStringLiteral("mousemove"), QString::number(x), QString::number(10 + 440 - 2)});
    xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
    // Once the window manager has taken the drag, the edge follows the pointer.
    int y = 420;
    ASSERT_TRUE(waitUntil([&] {
        y = y == 420 ? 421 : 420;
        xdotool({QStringLiteral("mousemove"), QString::number(x), QString::number(y)});
        return windowGeometry(panel).height() < 440;
    }, 5000));
    xdotool({QStringLiteral("mousemove"), QString::number(x), QStringLiteral("300")});
    xdotool({QStringLiteral("mousemove"), QString::number(x), QStringLiteral("250")});
    // Dragged to 240 pixels with the pointer inside, the panel stays 350 high, while the
    // button is still held and after it is released.
    EXPECT_TRUE(waitUntil([&] { return windowGeometry(panel).height() == 350; }, 5000)) << windowGeometry(panel).height();
    xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
    EXPECT_TRUE(waitUntil([&] { return windowGeometry(panel).height() == 350; }, 5000)) << windowGeometry(panel).height();
    // The window really is 350 high a moment later as well (the program agrees with the window manager).
    xdotool({QStringLiteral("mousemove"), QString::number(x), QStringLiteral("200")});
    EXPECT_FALSE(waitUntil([&] { return windowGeometry(panel).height() != 350; }, 500)) << windowGeometry(panel).height();
}

TEST_F(PanelDesktop, TerminatedDuringTheSplashEndsCleanly)
{
    const QString record = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Quillora/Marrowby.control");
    ASSERT_TRUE(first.start(programDir.file(QStringLiteral("quillora")), {}, {}, {}, programDir.file(QStringLiteral("err.log"))));
    // The companion control is registered before the splash opens.
    ASSERT_TRUE(waitUntil([&] { return QFile::exists(record); }, 10000));
    first.stop(10000, 15);
    EXPECT_EQ(first.exitCode(), 0) << programDir.read(QStringLiteral("err.log")).constData();
    EXPECT_FALSE(QFile::exists(record));
    // No panel was made, so there are no settings to save.
    EXPECT_FALSE(QFile::exists(programDir.file(QStringLiteral("Transparence"))));
}
