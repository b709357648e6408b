// The SameBall window on the offscreen platform: the game it starts when it opens, hover
// and click with their sounds, UnDo, the sizes, the missing sprite sheet, the end of a game
// through the name dialog and the score list, and the music while the window is open.
#include "controls/MessageBox.h"
#include "games/sameball/CSameBallDlg.h"
#include "support/FakeSound.h"
#include "support/ModalHelper.h"
#include "support/TempDir.h"
#include "support/TestWait.h"

#include <QDir>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class SameBallWindow : public ::testing::Test
{
protected:
    TempDir dir;
    FakeSound sound;

    void SetUp() override
    {
        MessageBox::setTestMode(true);
        MessageBox::takeShown();
        // The sprite sheets the build made, in this test's own program directory.
        const QString sheets = qEnvironmentVariable("QUILLORA_BIN_DIR") + u"/bmp/SameBall/"_s;
        QDir().mkpath(dir.file(u"bmp/SameBall"_s));
        for (const QString& name : QDir(sheets).entryList({u"*.bmp"_s}, QDir::Files))
            QFile::copy(sheets + name, dir.file(u"bmp/SameBall/"_s + name));
    }
    void TearDown() override { MessageBox::setTestMode(false); }

    QString soundFile(const QString& name) const { return dir.path() + u"Sound/SameBall/"_s + name; }
    QString status(CSameBallDlg& dlg) const { return child<QLabel>(&dlg, CSameBallDlg::IdStatus)->text(); }
    static QPoint centreOf(CSameBallDlg& dlg, int row, int col)
    {
        const int a = dlg.view()->cellSize();
        return {col * a + a / 2, row * a + a / 2};
    }
    // A ball with a neighbour of its colour.
    static QPoint groupCell(SameBallBoard& board)
    {
        for (int r = 0; r < SameBallBoard::Rows; ++r)
            for (int c = 0; c < SameBallBoard::Columns; ++c)
                if (board.hasSameNeighbour(r, c))
                    return {c, r};
        return {-1, -1};
    }
};

TEST_F(SameBallWindow, OpensWithAGameAndTheMusic)
{
    CSameBallDlg dlg(dir.path(), sound, 11);
    EXPECT_EQ(dlg.windowTitle(), u"Same Game"_s);
    dlg.show();
    ASSERT_TRUE(waitUntil([&] { return dlg.started(); }, 5000));
    EXPECT_EQ(dlg.size(), QSize(15 * 64 + 3, 11 * 64 + 3));
    EXPECT_EQ(dlg.board().ballsLeft(), 150);
    EXPECT_EQ(status(dlg), u"Select:    0;      Scrore:    0;      Scrore is    0;      The left is  150;      "_s);
    EXPECT_EQ(sound.clipEvents(), QStringList{u"loop "_s + soundFile(u"BkMusic.wav"_s)});
    EXPECT_TRUE(child<QRadioButton>(&dlg, CSameBallDlg::IdLarge)->isChecked());
    EXPECT_FALSE(child<QRadioButton>(&dlg, CSameBallDlg::IdSmall)->isEnabled());

    // Closed, the music stops; opened again, it plays on and the game is the same.
    const int left = dlg.board().ballsLeft();
    click(&dlg, CSameBallDlg::IdClose);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(sound.clipEvents().last(), u"stop "_s + soundFile(u"BkMusic.wav"_s));
    dlg.show();
    EXPECT_EQ(sound.clipEvents().last(), u"loop "_s + soundFile(u"BkMusic.wav"_s));
    EXPECT_EQ(dlg.board().ballsLeft(), left);
}

TEST_F(SameBallWindow, HoverClickAndUndo)
{
    CSameBallDlg dlg(dir.path(), sound, 12);
    dlg.show();
    ASSERT_TRUE(waitUntil([&] { return dlg.started(); }, 5000));
    SameBallBoard& board = dlg.board();
    const QPoint cell = groupCell(board);
    ASSERT_GE(cell.x(), 0);
    const int size = board.groupSize(board.group(cell.y(), cell.x()));
    sound.clear();

    QTest::mouseMove(dlg.view(), centreOf(dlg, cell.y(), cell.x()));
    ASSERT_TRUE(waitUntil([&] { return board.hoveredGroup() > 0; }, 2000));
    EXPECT_EQ(sound.clipEvents(), QStringList{u"play "_s + soundFile(u"active.wav"_s)});
    EXPECT_TRUE(status(dlg).startsWith(QString::asprintf("Select:%5d;      Scrore:%5d;", size, (size - 2) * (size - 2))))
        << status(dlg).toStdString();
    // The 60-ms timer runs the hovered group's frames.
    ASSERT_TRUE(waitUntil([&] { return board.frame() >= 3; }, 3000));

    const QString before = status(dlg);
    QTest::mouseClick(dlg.view(), Qt::LeftButton, {}, centreOf(dlg, cell.y(), cell.x()));
    EXPECT_TRUE(sound.clipEvents().contains(u"play "_s + soundFile(u"kill.wav"_s)));
    EXPECT_EQ(board.ballsLeft(), 150 - size);
    EXPECT_EQ(board.score(), (size - 2) * (size - 2));
    EXPECT_TRUE(status(dlg).contains(QString::asprintf("The left is%5d", 150 - size)));

    click(&dlg, CSameBallDlg::IdUndo);
    EXPECT_EQ(board.ballsLeft(), 150);
    EXPECT_EQ(board.score(), 0);
    EXPECT_TRUE(status(dlg).contains(u"The left is  150"_s));
    click(&dlg, CSameBallDlg::IdUndo);
    EXPECT_EQ(board.ballsLeft(), 150);
    (void)before;
}

TEST_F(SameBallWindow, MediumSizeTakesEffectAtTheNextStart)
{
    CSameBallDlg dlg(dir.path(), sound, 13);
    dlg.show();
    ASSERT_TRUE(waitUntil([&] { return dlg.started(); }, 5000));
    child<QRadioButton>(&dlg, CSameBallDlg::IdMedium)->click();
    EXPECT_EQ(dlg.size(), QSize(963, 707));
    click(&dlg, CSameBallDlg::IdStart);
    EXPECT_EQ(dlg.size(), QSize(15 * 48 + 3, 11 * 48 + 3));
    EXPECT_EQ(dlg.view()->cellSize(), 48);
    EXPECT_EQ(dlg.board().ballsLeft(), 150);
    EXPECT_EQ(sound.clipEvents().count(u"loop "_s + soundFile(u"BkMusic.wav"_s)), 1) << "the music starts once";
}

TEST_F(SameBallWindow, MissingSpriteSheetClosesTheWindow)
{
    TempDir empty;
    CSameBallDlg dlg(empty.path(), sound, 14);
    dlg.show();
    ASSERT_TRUE(waitUntil([&] { return !dlg.isVisible(); }, 5000));
    const QList<MessageBox::Shown> shown = MessageBox::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.first().caption, u"Error"_s);
    EXPECT_EQ(shown.first().text, u"The File is not existed."_s);
    EXPECT_FALSE(dlg.started());
}

TEST_F(SameBallWindow, ClearingTheBoardEntersTheTopFiveAndStartsANewGame)
{
    CSameBallDlg dlg(dir.path(), sound, 15);
    dlg.show();
    ASSERT_TRUE(waitUntil([&] { return dlg.started(); }, 5000));
    SameBallBoard& board = dlg.board();
    for (int r = 0; r < SameBallBoard::Rows; ++r)
        for (int c = 0; c < SameBallBoard::Columns; ++c)
            board.setBall(r, c, r == 9 && c < 4 ? 2 : SameBallBoard::NoBall);
    board.recount();
    sound.clear();

    bool listShown = false;
    whenModal([&](QDialog* name) {
        EXPECT_EQ(name->windowTitle(), u"Please input your Name"_s);
        setText(name, 1025, u"A"_s);
        click(name, 1);
        ASSERT_TRUE(name->isVisible());
        setText(name, 1025, u"Ann"_s);
        whenModal([&](QDialog* list) {
            listShown = true;
            EXPECT_EQ(list->windowTitle(), u"Score List"_s);
            EXPECT_EQ(child<QLabel>(list, 1003)->text(), u"Ann"_s);
            EXPECT_EQ(child<QLabel>(list, 1009)->text(), u"1004"_s);
            EXPECT_EQ(child<QLabel>(list, 1008)->text(), u"Congratulate yourself on the most top in top list."_s);
            click(list, 1);
        });
        click(name, 1);
    });
    QTest::mouseClick(dlg.view(), Qt::LeftButton, {}, centreOf(dlg, 9, 1));
    EXPECT_TRUE(listShown);
    EXPECT_EQ(sound.clipEvents().mid(0, 2), (QStringList{u"play "_s + soundFile(u"kill.wav"_s),
                                                         u"play "_s + soundFile(u"gameover.wav"_s)}));
    EXPECT_EQ(dlg.topList().read(1), (SameBallTopList::Entry{u"Ann"_s, 1004}));
    EXPECT_EQ(board.ballsLeft(), 150) << "a new game";
    EXPECT_FALSE(board.busy());

    // Kept for the next run.
    SameBallTopList stored;
    stored.load(dir.file(u"SameBall.tmp"_s));
    EXPECT_EQ(stored, dlg.topList());
    CSameBallDlg next(dir.path(), sound, 16);
    EXPECT_EQ(next.topList(), dlg.topList());

    // TopScore: the list without a highlight or a message.
    whenModal([](QDialog* list) {
        EXPECT_EQ(child<QLabel>(list, 1003)->text(), u"Ann"_s);
        EXPECT_EQ(child<QLabel>(list, 1008)->text(), QString());
        EXPECT_NE(child<QLabel>(list, 1003)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        click(list, 1064);
    });
    click(&dlg, CSameBallDlg::IdTopScore);
}

TEST_F(SameBallWindow, ResultThatEntersNowhereGetsTheListWithSorry)
{
    CSameBallDlg dlg(dir.path(), sound, 17);
    dlg.show();
    ASSERT_TRUE(waitUntil([&] { return dlg.started(); }, 5000));
    SameBallBoard& board = dlg.board();
    // One pair and singles: removing the pair (0 points) ends the game.
    for (int r = 0; r < SameBallBoard::Rows; ++r)
        for (int c = 0; c < SameBallBoard::Columns; ++c)
            board.setBall(r, c, SameBallBoard::NoBall);
    board.setBall(9, 0, 0);
    board.setBall(9, 1, 0);
    board.setBall(9, 2, 1);
    board.recount();
    bool listShown = false;
    whenModal([&](QDialog* list) {
        listShown = true;
        EXPECT_EQ(list->windowTitle(), u"Score List"_s) << "no name is asked for";
        EXPECT_EQ(child<QLabel>(list, 1008)->text(), u"Sorry in the test."_s);
        click(list, 1);
    });
    QTest::mouseClick(dlg.view(), Qt::LeftButton, {}, centreOf(dlg, 9, 0));
    EXPECT_TRUE(listShown);
    EXPECT_EQ(board.ballsLeft(), 150);
    EXPECT_FALSE(QFile::exists(dir.file(u"SameBall.tmp"_s)));
}

} // namespace
