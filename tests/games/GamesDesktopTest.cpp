// The games in the real program on a private X desktop: the Game page's rows open the
// SameBall and Winlinez windows, and Winlinez keeps a new game in "Game.tmp" as soon as its
// window is closed.
#include "games/winlinez/CFivePlusGameModel.h"
#include "support/ChildProcess.h"
#include "support/DesktopTools.h"
#include "support/TempDir.h"
#include "support/TestWait.h"
#include "support/XDisplayFixture.h"

#include <gtest/gtest.h>

namespace {

void doubleClickIn(const QString& window, int x, int y)
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(x), QString::number(y)});
    xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QStringLiteral("2"), QStringLiteral("--delay"),
             QStringLiteral("80"), QStringLiteral("1")});
}

void clickIn(const QString& window, int x, int y)
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(x), QString::number(y)});
    xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

QString waitForWindow(const QString& title)
{
    QString id;
    waitUntil([&] { return !(id = visibleWindowsTitled(title).value(0)).isEmpty(); }, 15000);
    return id;
}

TEST(GamesDesktop, GamePageOpensSameBallAndWinlinez)
{
    TempDir programDir;
    ChildProcess program;
    ASSERT_TRUE(prepareProgramDir(qEnvironmentVariable("QUILLORA_BIN_DIR") + QLatin1Char('/'), programDir.path()));
    ASSERT_TRUE(program.start(programDir.file(QStringLiteral("quillora")), {}, {}, programDir.file(QStringLiteral("out.log")),
                              programDir.file(QStringLiteral("err.log"))));
    const QString panel = waitForWindow(QStringLiteral("Quillora"));
    ASSERT_FALSE(panel.isEmpty()) << programDir.read(QStringLiteral("err.log")).constData();

    // The Game page shows after the start: " Same Game" is its first row, " Winlinez" its third.
    doubleClickIn(panel, 85, 97);
    const QString sameBall = waitForWindow(QStringLiteral("Same Game"));
    ASSERT_FALSE(sameBall.isEmpty());
    EXPECT_TRUE(waitUntil([&] { return windowGeometry(sameBall).size() == QSize(963, 707); }, 5000))
        << windowGeometry(sameBall).width() << "x" << windowGeometry(sameBall).height();
    // Its Close button (in the band below the board) hides it.
    clickIn(sameBall, 330, 10 * 64 + 14);
    EXPECT_TRUE(waitUntil([&] { return visibleWindowsTitled(QStringLiteral("Same Game")).isEmpty(); }, 5000));

    doubleClickIn(panel, 85, 133);
    const QString winlinez = waitForWindow(QStringLiteral("Winlinez"));
    ASSERT_FALSE(winlinez.isEmpty());
    EXPECT_TRUE(waitUntil([&] { return windowGeometry(winlinez).size() == QSize(370, 470); }, 5000));
    EXPECT_FALSE(programDir.exists(QStringLiteral("Game.tmp")));

    // New, then Cancel: the new game is in the file at once.
    clickIn(winlinez, 33, 452);
    clickIn(winlinez, 333, 452);
    ASSERT_TRUE(waitUntil([&] { return visibleWindowsTitled(QStringLiteral("Winlinez")).isEmpty(); }, 5000));
    CFivePlusGameModel saved(1);
    ASSERT_EQ(saved.load(programDir.file(QStringLiteral("Game.tmp"))), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(saved.occupied(), 3);

    program.stop(10000, 15);
    CFivePlusGameModel atExit(1);
    ASSERT_EQ(atExit.load(programDir.file(QStringLiteral("Game.tmp"))), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(atExit.occupied(), 3);
}

} // namespace
