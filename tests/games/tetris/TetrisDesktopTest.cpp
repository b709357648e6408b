// Tetris in the real program on a private X desktop: opened from the Game page, started,
// its piece moved and turned with the keyboard, as the screen shows it.
#include "games/tetris/CTetrisDlg.h"
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

// The cells of the main board that show a block, falling pieces only (rows above 13).
QList<QPoint> fallingCells(const QImage& shot)
{
    QList<QPoint> cells;
    if (shot.isNull())
        return cells;
    const QRect board = CTetrisDlg::boardRect(TetrisSettings::Main);
    for (int r = 0; r < 13; ++r)
        for (int c = 0; c < Tetris::Columns; ++c) {
            const QColor px = shot.pixelColor(board.left() + c * Tetris::CellSize + 12, board.top() + r * Tetris::CellSize + 12);
            if (std::max({px.red(), px.green(), px.blue()}) > 60)
                cells.append({c, r});
        }
    return cells;
}

QRect bounds(const QList<QPoint>& cells)
{
    QRect r;
    for (QPoint p : cells)
        r |= QRect(p, QSize(1, 1));
    return r;
}

class TetrisDesktop : public ::testing::Test
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

TEST_F(TetrisDesktop, OpensFromTheGamePageAndThePieceMovesAndTurnsWithTheKeys)
{
    ASSERT_TRUE(program.start(programDir.file(QStringLiteral("quillora")), {}, {}, programDir.file(QStringLiteral("out.log")),
                              programDir.file(QStringLiteral("err.log"))));
    QString panel;
    ASSERT_TRUE(waitUntil([&] { return !(panel = visibleWindowsTitled(QStringLiteral("Quillora")).value(0)).isEmpty(); }, 20000))
        << programDir.read(QStringLiteral("err.log")).constData();

    // The Game button, then a double-click on " Tetris", the fourth row.
    clickIn(panel, {14, 293});
    clickIn(panel, {76, 99 + 18 * 3}, 2);
    QString window;
    ASSERT_TRUE(waitUntil([&] { return !(window = visibleWindowsTitled(QStringLiteral("Tetris")).value(0)).isEmpty(); }, 5000));
    EXPECT_EQ(windowGeometry(window).size(), QSize(CTetrisDlg::Width, CTetrisDlg::Height));

    clickIn(window, CTetrisDlg::buttonRect(CTetrisDlg::IdStart).center());
    QList<QPoint> piece;
    ASSERT_TRUE(waitUntil([&] { return (piece = fallingCells(windowImage(window))).size() == 4; }, 5000)) << piece.size();
    // A square does not turn: drop it and take the next piece.
    for (int i = 0; i < 4 && bounds(piece).size() == QSize(2, 2); ++i) {
        xdotool({QStringLiteral("key"), QStringLiteral("Down")});
        ASSERT_TRUE(waitUntil([&] {
            piece = fallingCells(windowImage(window));
            return piece.size() == 4 && bounds(piece).top() <= 2;
        }, 5000));
    }

    const QRect before = bounds(piece);
    xdotool({QStringLiteral("key"), QStringLiteral("Left")});
    EXPECT_TRUE(waitUntil([&] {
        piece = fallingCells(windowImage(window));
        return piece.size() == 4 && bounds(piece).left() == before.left() - 1;
    }, 3000)) << bounds(piece).left() << " was " << before.left();

    if (before.size() != QSize(2, 2)) {
        xdotool({QStringLiteral("key"), QStringLiteral("Up")});
        EXPECT_TRUE(waitUntil([&] {
            piece = fallingCells(windowImage(window));
            return piece.size() == 4 && bounds(piece).size() == before.size().transposed();
        }, 3000)) << bounds(piece).width() << "x" << bounds(piece).height();
    }

    // Close ends the window; the panel stays.
    clickIn(window, CTetrisDlg::buttonRect(CTetrisDlg::IdClose).center());
    EXPECT_TRUE(waitUntil([&] { return visibleWindowsTitled(QStringLiteral("Tetris")).isEmpty(); }, 5000));
    EXPECT_TRUE(program.isRunning());
}
