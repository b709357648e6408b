// Gobang in the real program on a private X desktop: opened from the Game page, a click
// on the board puts a black stone there and the computer answers with white.
#include "games/gobang/CGobangDlg.h"
#include "support/ChildProcess.h"
#include "support/DesktopTools.h"
#include "support/TempDir.h"
#include "support/TestWait.h"
#include "support/XDisplayFixture.h"

#include <gtest/gtest.h>

namespace {

void clickIn(const QString& window, QPoint at, int clicks = 1)
{
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(at.x()), QString::number(at.y())});
    xdotool({QStringLiteral("click"), QStringLiteral("--repeat"), QString::number(clicks), QStringLiteral("--delay"),
             QStringLiteral("80"), QStringLiteral("1")});
}

QPoint onBoard(GobangCell cell)
{
    return CGobangDlg::boardRect().topLeft() + GobangGeometry::intersection(cell, CGobangDlg::boardRect().size());
}

// What the screen shows on each intersection: 'X' black, 'O' white (or blinking violet),
// '.' the wood. Looked at a little off the lines, inside where a stone would be.
QString stones(const QImage& shot)
{
    QString out;
    if (shot.isNull())
        return out;
    for (int r = 1; r <= Gobang::Size; ++r)
        for (int c = 1; c <= Gobang::Size; ++c) {
            const QColor px = shot.pixelColor(onBoard({r, c}) + QPoint(4, 4));
            out += std::max({px.red(), px.green(), px.blue()}) < 100 ? QLatin1Char('X')
                 : px.blue() > 180                                   ? QLatin1Char('O')
                                                                     : QLatin1Char('.');
        }
    return out;
}

class GobangDesktop : public ::testing::Test
{
protected:
    TempDir programDir;
    ChildProcess program;

    void SetUp() override
    {
        ASSERT_TRUE(prepareProgramDir(qEnvironmentVariable("QUILLORA_BIN_DIR") + QLatin1Char('/'), programDir.path()));
    }
    void TearDown() override
    {
        if (program.isRunning())
            program.stop(10000, 15);
    }
};

} // namespace

TEST_F(GobangDesktop, OpensFromTheGamePageAndTheComputerAnswersAClick)
{
    ASSERT_TRUE(program.start(programDir.file(QStringLiteral("quillora")), {}, {}, programDir.file(QStringLiteral("out.log")),
                              programDir.file(QStringLiteral("err.log"))));
    QString panel;
    ASSERT_TRUE(waitUntil([&] { return !(panel = visibleWindowsTitled(QStringLiteral("Quillora")).value(0)).isEmpty(); }, 20000))
        << programDir.read(QStringLiteral("err.log")).constData();

    // The Game button, then a double-click on " Gobang", the second row.
    clickIn(panel, {14, 293});
    clickIn(panel, {76, 99 + 18 * 1}, 2);
    QString window;
    ASSERT_TRUE(waitUntil([&] { return !(window = visibleWindowsTitled(QStringLiteral("Gobang")).value(0)).isEmpty(); }, 5000));
    EXPECT_EQ(windowGeometry(window).size(), QSize(CGobangDlg::Width, CGobangDlg::Height));

    QString shown;
    ASSERT_TRUE(waitUntil([&] { return (shown = stones(windowImage(window))).size() == 361; }, 5000));
    EXPECT_EQ(shown.count(QLatin1Char('.')), 361);

    clickIn(window, CGobangDlg::controlRect(CGobangDlg::IdStart).center());
    clickIn(window, onBoard({10, 10}) + QPoint(3, -5)); // near enough to the centre
    EXPECT_TRUE(waitUntil([&] {
        shown = stones(windowImage(window));
        return shown.size() == 361 && shown.count(QLatin1Char('X')) == 1 && shown.count(QLatin1Char('O')) == 1;
    }, 5000)) << qPrintable(shown);
    EXPECT_EQ(shown.at(9 * 19 + 9), QLatin1Char('X'));

    // Closed, it hides; opened again from the page, it shows the same game.
    clickIn(window, CGobangDlg::controlRect(CGobangDlg::IdClose).center());
    ASSERT_TRUE(waitUntil([&] { return visibleWindowsTitled(QStringLiteral("Gobang")).isEmpty(); }, 5000));
    clickIn(panel, {76, 99 + 18 * 1}, 2);
    ASSERT_TRUE(waitUntil([&] { return !(window = visibleWindowsTitled(QStringLiteral("Gobang")).value(0)).isEmpty(); }, 5000));
    EXPECT_TRUE(waitUntil([&] {
        shown = stones(windowImage(window));
        return shown.count(QLatin1Char('X')) == 1 && shown.count(QLatin1Char('O')) == 1;
    }, 5000)) << qPrintable(shown);
}
