// The Winlinez window on the offscreen platform: its geometry, the saved game it opens
// with and writes back, moves by mouse clicks through the animations, New with the high-
// score offer, the end of a game, the settings with their ranges, Score and Help.
#include "controls/HelpViewer.h"
#include "controls/MessageBox.h"
#include "games/winlinez/CFivePlusDlg.h"
#include "games/winlinez/CFivePlusSettingDlg.h"
#include "games/winlinez/BoardText.h"
#include "support/ModalHelper.h"
#include "support/TempDir.h"
#include "support/TestWait.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class WinlinezWindow : public ::testing::Test
{
protected:
    TempDir dir;
    void SetUp() override
    {
        MessageBox::setTestMode(true);
        MessageBox::takeShown();
        HelpViewer::setTestMode(true);
    }
    void TearDown() override { MessageBox::setTestMode(false); }

    // A saved game with the given board and quick animations.
    void saveGame(const char* board, int score = 0)
    {
        CFivePlusGameModel model(1);
        setBoard(model, board);
        model.setScore(score);
        model.setNextBalls({2, 2, 2});
        CFivePlusGameModel::Settings s = model.settings();
        s.moveInterval = 1;
        s.showInterval = 1;
        s.selectInterval = 5;
        model.setSettings(s);
        ASSERT_TRUE(model.store(dir.file(u"Game.tmp"_s)));
    }
    static void clickCell(CFivePlusDlg& dlg, FiveCell cell)
    {
        QTest::mouseClick(dlg.boardView(), Qt::LeftButton, {}, FivePlusBoardView::cellRect(cell).center());
    }
    static bool idle(CFivePlusDlg& dlg) { return dlg.turn().isIdle(); }
};

TEST_F(WinlinezWindow, OpensTheSavedGameAndWritesItBackWhenClosed)
{
    saveGame(R"(
        1........
        .........
        .........
        .........
        .........
        .........
        .........
        .........
        ........7)", 42);
    CFivePlusDlg dlg(dir.path(), 5);
    EXPECT_EQ(dlg.windowTitle(), u"Winlinez"_s);
    EXPECT_EQ(dlg.size(), QSize(370, 470));
    EXPECT_EQ(dlg.boardView()->size(), QSize(360, 410));
    EXPECT_EQ(dlg.model().score(), 42);
    EXPECT_EQ(dlg.model().kind({8, 8}), 7);

    dlg.show();
    EXPECT_EQ(dlg.boardView()->mapTo(&dlg, QPoint(0, 0)).x(), 5);
    for (int id : {CFivePlusDlg::IdNew, CFivePlusDlg::IdScore, CFivePlusDlg::IdHelp, CFivePlusDlg::IdSetting,
                   CFivePlusDlg::IdOk, CFivePlusDlg::IdCancel}) {
        auto* b = child<QPushButton>(&dlg, id);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(dlg.height() - b->mapTo(&dlg, QPoint(0, 0)).y(), 30) << id;
    }

    clickCell(dlg, {0, 0});
    EXPECT_TRUE(dlg.model().hasSelection());
    clickCell(dlg, {4, 4});
    EXPECT_FALSE(idle(dlg)) << "the move runs";
    clickCell(dlg, {8, 8});
    ASSERT_TRUE(waitUntil([&] { return idle(dlg); }, 5000));
    EXPECT_FALSE(dlg.model().hasSelection()) << "a click during the turn is ignored";
    EXPECT_EQ(dlg.model().kind({4, 4}), 1);
    EXPECT_EQ(dlg.model().occupied(), 5) << "moved, and three balls born";

    // Closing writes the game; a window made later (the next run) continues it.
    click(&dlg, 1064);
    EXPECT_FALSE(dlg.isVisible());
    CFivePlusDlg next(dir.path(), 99);
    EXPECT_EQ(boardText(next.model()), boardText(dlg.model()));
    EXPECT_EQ(next.model().nextBalls(), dlg.model().nextBalls());
}

TEST_F(WinlinezWindow, DestroyingTheWindowSavesTheGame)
{
    QString board;
    {
        CFivePlusDlg dlg(dir.path(), 5);
        EXPECT_EQ(dlg.model().occupied(), 0) << "no file: an empty board until New";
        dlg.newGame();
        EXPECT_EQ(dlg.model().occupied(), 3);
        board = boardText(dlg.model());
    }
    CFivePlusDlg again(dir.path(), 6);
    EXPECT_EQ(boardText(again.model()), board);
}

TEST_F(WinlinezWindow, NewOffersTheScoreToTheTable)
{
    saveGame(R"(
        1........
        .........
        .........
        .........
        .........
        .........
        .........
        .........
        .........)", 57);
    CFivePlusDlg dlg(dir.path(), 5);
    dlg.show();
    whenModal([](QDialog* name) {
        EXPECT_EQ(name->windowTitle(), u"Input your name"_s);
        setText(name, 1011, u"Ann"_s);
        click(name, 1);
    });
    click(&dlg, CFivePlusDlg::IdNew);
    ASSERT_EQ(dlg.model().highScores().count(), 1);
    EXPECT_EQ(dlg.model().highScores().entries().first(), (CScoreRecord{57, u"Ann"_s}));
    EXPECT_EQ(dlg.model().score(), 0);
    EXPECT_EQ(dlg.model().occupied(), 3);

    // A score of 0 is not offered: no dialog.
    click(&dlg, CFivePlusDlg::IdNew);
    EXPECT_EQ(dlg.model().highScores().count(), 1);

    // Score shows the table.
    whenModal([](QDialog* top) {
        EXPECT_EQ(top->windowTitle(), u"Winlinez TopScore"_s);
        EXPECT_EQ(child<QLabel>(top, 1002)->text(), u"1    57    Ann"_s);
        click(top, 1);
    });
    click(&dlg, CFivePlusDlg::IdScore);
}

TEST_F(WinlinezWindow, FullBoardEndsTheGameWithAMessageAndANewGame)
{
    // 79 balls without a line; moving a ball leaves two cells for the two born ones.
    QString pattern = patternBoard();
    pattern[8 * 10 + 7] = QLatin1Char('.');
    pattern[8 * 10 + 8] = QLatin1Char('.');
    saveGame(pattern.toLatin1().constData(), 30);
    CFivePlusDlg dlg(dir.path(), 5);
    ASSERT_EQ(dlg.model().occupied(), 79);
    dlg.show();
    whenModal([](QDialog* name) { click(name, 2); }); // the score is offered; Cancel: no name
    clickCell(dlg, {6, 8});
    clickCell(dlg, {7, 8});
    ASSERT_TRUE(waitUntil([&] { return dlg.model().occupied() == 3; }, 10000)) << dlg.model().occupied();
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.first().text, u"Game is over."_s);
    EXPECT_EQ(shown.first().caption, MessageBox::captionFor(QString()));
    EXPECT_EQ(dlg.model().score(), 0);
    ASSERT_EQ(dlg.model().highScores().count(), 1);
    EXPECT_EQ(dlg.model().highScores().entries().first(), (CScoreRecord{30, QString()}));
}

TEST_F(WinlinezWindow, SettingsRefuseValuesOutOfRange)
{
    CFivePlusDlg dlg(dir.path(), 5);
    const struct {
        int id;
        const char* text;
        bool refused;
    } cases[] = {
        {CFivePlusSettingDlg::IdCommon, "0", true},     {CFivePlusSettingDlg::IdCommon, "101", true},
        {CFivePlusSettingDlg::IdAny, "x", true},        {CFivePlusSettingDlg::IdShow, "201", true},
        {CFivePlusSettingDlg::IdScoreStep, "501", true}, {CFivePlusSettingDlg::IdScoreStep, "500", false},
    };
    for (const auto& c : cases) {
        CFivePlusSettingDlg setting(dlg.model().settings());
        setText(&setting, c.id, QString::fromLatin1(c.text));
        setting.accept();
        EXPECT_EQ(setting.result() != QDialog::Accepted, c.refused) << c.id << " " << c.text;
        EXPECT_EQ(MessageBox::takeShown().size(), c.refused ? 1 : 0) << c.id << " " << c.text;
    }

    // OK stores the seven values and weighs the births anew.
    whenModal([](QDialog* setting) {
        EXPECT_EQ(setting->windowTitle(), u"Winlinez Setting"_s);
        EXPECT_EQ(child<QLineEdit>(setting, 1007)->text(), u"37"_s);
        const std::pair<int, const char16_t*> values[] = {{1007, u"1"}, {1008, u"1"}, {1009, u"1"}, {1010, u"15"},
                                                         {1011, u"25"}, {1012, u"35"}, {1013, u"45"}};
        for (const auto& [id, text] : values)
            setText(setting, id, QString::fromUtf16(text));
        click(setting, 1);
    });
    click(&dlg, CFivePlusDlg::IdSetting);
    const CFivePlusGameModel::Settings s = dlg.model().settings();
    EXPECT_EQ(s, (CFivePlusGameModel::Settings{1, 1, 1, 15, 25, 35, 45}));
    EXPECT_EQ(dlg.model().kindGenerator().thresholds(), (QList<int>{0, 3640, 7281, 10922, 14563, 18203, 21844, 25485, 29126}));
}

TEST_F(WinlinezWindow, HelpOpensItsPage)
{
    CFivePlusDlg dlg(dir.path(), 5);
    click(&dlg, CFivePlusDlg::IdHelp);
    EXPECT_EQ(HelpViewer::lastContext(), 10011);
    HelpViewer::show(0);
    click(&dlg, 1065);
    EXPECT_EQ(HelpViewer::lastContext(), 10011);
}

} // namespace
