// The Gobang window on the offscreen platform: a click places black and the computer
// answers, the two messages, UnDo, who begins and the level, the blinking last move, Close
// and Help.
#include "controls/HelpViewer.h"
#include "controls/MessageBox.h"
#include "games/gobang/CGobangDlg.h"
#include "support/ModalHelper.h"
#include "support/TestWait.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

void clickAt(CGobangDlg& dlg, GobangCell cell, QPoint nudge = {})
{
    QWidget* board = dlg.boardView();
    const QPoint pos = GobangGeometry::intersection(cell, board->size()) + nudge;
    const QPoint global = board->mapToGlobal(pos);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(pos), QPointF(global), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(board, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(pos), QPointF(global), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(board, &release);
}

class GobangWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        MessageBox::setTestMode(true);
        MessageBox::takeShown();
        HelpViewer::setTestMode(true);
    }
    void TearDown() override
    {
        MessageBox::setTestMode(false);
        HelpViewer::setTestMode(false);
    }
};

TEST_F(GobangWindow, AClickPlacesBlackAndTheComputerAnswers)
{
    CGobangDlg dlg;
    dlg.show();
    EXPECT_EQ(dlg.boardView()->size(), QSize(520, 520));
    clickAt(dlg, {10, 10}); // no game yet
    EXPECT_EQ(dlg.game().board(), GobangBoard());

    click(&dlg, CGobangDlg::IdStart);
    clickAt(dlg, {10, 10}, {12, -12}); // nearer (10, 10) than any other intersection
    EXPECT_EQ(dlg.game().board().at({10, 10}), Gobang::Player);
    ASSERT_EQ(dlg.game().moves().size(), 2);
    const GobangCell reply = dlg.game().lastMove();
    EXPECT_EQ(dlg.game().board().at(reply), Gobang::Computer);
    EXPECT_TRUE(dlg.game().isPlayerToMove());

    clickAt(dlg, {10, 10}); // taken: nothing
    EXPECT_EQ(dlg.game().moves().size(), 2);
    EXPECT_TRUE(MessageBox::takeShown().isEmpty());

    click(&dlg, CGobangDlg::IdUnDo);
    EXPECT_TRUE(dlg.game().moves().isEmpty());
    EXPECT_EQ(dlg.game().board(), GobangBoard());
}

TEST_F(GobangWindow, ComputeFirstAndSenior)
{
    CGobangDlg dlg;
    dlg.show();
    child<QRadioButton>(&dlg, CGobangDlg::IdComputeFirst)->click();
    auto* level = child<QComboBox>(&dlg, CGobangDlg::IdLevel);
    EXPECT_EQ(level->currentText(), QStringLiteral("Junior"));
    level->setCurrentIndex(1);
    EXPECT_EQ(level->currentText(), QStringLiteral("Senior"));
    EXPECT_EQ(dlg.game().level(), GobangAi::Level::Senior);
    click(&dlg, CGobangDlg::IdReStart);
    EXPECT_EQ(dlg.game().board().at({10, 10}), Gobang::Computer);
    EXPECT_EQ(dlg.game().lastMove(), (GobangCell{10, 10}));
    clickAt(dlg, {9, 9});
    EXPECT_EQ(dlg.game().moves().size(), 3);
}

TEST_F(GobangWindow, FivesEndTheGameWithTheirMessages)
{
    CGobangDlg dlg;
    dlg.show();
    click(&dlg, CGobangDlg::IdStart);
    GobangBoard b;
    for (int c = 3; c <= 6; ++c)
        b.set({2, c}, Gobang::Player);
    b.set({2, 2}, Gobang::Computer);
    dlg.game().setPosition(b);
    clickAt(dlg, {2, 7});
    const QList<MessageBox::Shown> won = MessageBox::takeShown();
    ASSERT_EQ(won.size(), 1);
    EXPECT_EQ(won[0].caption, QStringLiteral("Tip"));
    EXPECT_EQ(won[0].text, QStringLiteral("You arm congratulatory winner."));
    EXPECT_EQ(won[0].icon, QMessageBox::Information);
    clickAt(dlg, {15, 15}); // over: no more stones
    EXPECT_EQ(dlg.game().board().at({15, 15}), Gobang::Empty);
    click(&dlg, CGobangDlg::IdUnDo); // takes back the winning stone only
    EXPECT_EQ(dlg.game().board().at({2, 7}), Gobang::Empty);
    EXPECT_EQ(dlg.game().board().at({2, 6}), Gobang::Player);
    EXPECT_TRUE(dlg.game().isPlayerToMove());

    GobangBoard c;
    for (int col = 3; col <= 6; ++col)
        c.set({12, col}, Gobang::Computer);
    dlg.game().setPosition(c);
    clickAt(dlg, {5, 15});
    const QList<MessageBox::Shown> lost = MessageBox::takeShown();
    ASSERT_EQ(lost.size(), 1);
    EXPECT_EQ(lost[0].caption, QStringLiteral("Tip"));
    EXPECT_EQ(lost[0].text, QStringLiteral("Sorry, computer is a congratulatory winner."));
    EXPECT_EQ(dlg.game().state(), GobangGame::State::Over);
}

TEST_F(GobangWindow, TheLastMoveBlinksAndCloseHidesTheWindow)
{
    CGobangDlg dlg;
    dlg.show();
    EXPECT_TRUE(dlg.isBlinking());
    child<QRadioButton>(&dlg, CGobangDlg::IdComputeFirst)->click();
    click(&dlg, CGobangDlg::IdStart);
    const bool first = dlg.boardView()->blink();
    EXPECT_TRUE(waitUntil([&] { return dlg.boardView()->blink() != first; }, 2000));
    EXPECT_TRUE(waitUntil([&] { return dlg.boardView()->blink() == first; }, 2000));

    click(&dlg, CGobangDlg::IdClose);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_FALSE(dlg.isBlinking());
    // Shown again, the game is where it was and the last move blinks again.
    dlg.show();
    EXPECT_TRUE(dlg.isBlinking());
    EXPECT_EQ(dlg.game().board().at({10, 10}), Gobang::Computer);
    click(&dlg, CGobangDlg::IdTitleClose);
    EXPECT_FALSE(dlg.isVisible());

    dlg.show();
    click(&dlg, 1065);
    EXPECT_EQ(HelpViewer::lastContext(), 10010);
}

} // namespace
