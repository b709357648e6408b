// The Tetris window on the offscreen platform: keys reach the game, Enter, Escape and Space
// are swallowed, the setting dialog captures keys and writes "Block.tmp", a blocked spawn
// says "end.", Help opens its page.
#include "controls/HelpViewer.h"
#include "controls/MessageBox.h"
#include "games/tetris/CTetrisDlg.h"
#include "games/tetris/CTetrisSettingDlg.h"
#include "support/FakePlatform.h"
#include "support/ModalHelper.h"
#include "support/TempDir.h"
#include "support/TestWait.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

using Side = TetrisSettings::Side;

void press(QWidget* w, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent e(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(w, &e);
}

int leftmost(const TetrisPiece& p)
{
    int c = 99;
    for (QPoint b : p.blocks())
        c = std::min(c, b.x());
    return c;
}

class TetrisWindow : public ::testing::Test
{
protected:
    TempDir dir;
    FakePlatform fake;

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

TEST_F(TetrisWindow, KeysMoveTurnAndDropThePieceAndEnterEscapeSpaceAreSwallowed)
{
    CTetrisDlg dlg(dir.path(), fake.platform());
    dlg.show();
    EXPECT_EQ(dlg.size(), QSize(710, 700));
    press(&dlg, Qt::Key_Left); // no game yet: nothing happens
    EXPECT_FALSE(dlg.game().player(Side::Main).piece.has_value());

    click(&dlg, CTetrisDlg::IdStart);
    ASSERT_TRUE(dlg.game().isRunning());
    dlg.game().setPiece(Side::Main, TetrisPiece(0));
    press(&dlg, Qt::Key_Left);
    EXPECT_EQ(leftmost(*dlg.game().player(Side::Main).piece), 3);
    press(&dlg, Qt::Key_Right);
    press(&dlg, Qt::Key_Right);
    EXPECT_EQ(leftmost(*dlg.game().player(Side::Main).piece), 5);
    press(&dlg, Qt::Key_Up);
    EXPECT_EQ(dlg.game().player(Side::Main).piece->state(), 3);

    // The second player is off: its keys do nothing.
    for (int key : {Qt::Key_S, Qt::Key_F, Qt::Key_D, Qt::Key_C})
        press(&dlg, key);
    EXPECT_TRUE(dlg.game().player(Side::Second).board.isEmpty());
    EXPECT_FALSE(dlg.game().player(Side::Second).piece.has_value());

    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space})
        press(&dlg, key);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), 0);
    EXPECT_TRUE(dlg.game().isRunning());

    press(&dlg, Qt::Key_Down);
    EXPECT_FALSE(dlg.game().player(Side::Main).board.isEmpty());
    EXPECT_EQ(dlg.game().player(Side::Main).down, 2);

    click(&dlg, CTetrisDlg::IdClose);
    EXPECT_FALSE(dlg.isVisible());
}

TEST_F(TetrisWindow, TheSettingDialogCapturesKeysAndWritesBlockTmp)
{
    CTetrisDlg dlg(dir.path(), fake.platform());
    dlg.show();
    whenModal([](QDialog* d) {
        EXPECT_EQ(d->windowTitle(), QStringLiteral("Tetris Setting"));
        auto* left = child<KeyCaptureEdit>(d, CTetrisSettingDlg::IdMainLeft);
        EXPECT_EQ(left->text(), QStringLiteral("Left"));
        left->setFocus();
        press(left, Qt::Key_A);
        EXPECT_EQ(left->text(), QStringLiteral("A"));
        press(left, Qt::Key_Eacute); // a key without a code changes nothing
        EXPECT_EQ(left->text(), QStringLiteral("A"));
        auto* drop = child<KeyCaptureEdit>(d, CTetrisSettingDlg::IdMainDrop);
        press(drop, Qt::Key_4, Qt::KeypadModifier);
        EXPECT_EQ(drop->text(), QStringLiteral("Num 4"));

        // The second player's controls follow its "Enable".
        auto* secondLeft = child<KeyCaptureEdit>(d, CTetrisSettingDlg::IdSecondLeft);
        EXPECT_FALSE(secondLeft->isEnabled());
        EXPECT_FALSE(child<QCheckBox>(d, CTetrisSettingDlg::IdMainEnable)->isEnabled());
        click(d, CTetrisSettingDlg::IdSecondEnable);
        EXPECT_TRUE(secondLeft->isEnabled());
        press(secondLeft, Qt::Key_J);
        child<QComboBox>(d, CTetrisSettingDlg::IdMainGrade)->setCurrentIndex(8);
        EXPECT_EQ(child<QComboBox>(d, CTetrisSettingDlg::IdMainGrade)->count(), 9);
        EXPECT_FALSE(child<QComboBox>(d, CTetrisSettingDlg::IdMainStep)->isVisibleTo(d));
        click(d, CTetrisSettingDlg::IdOk);
    });
    click(&dlg, CTetrisDlg::IdSetting);

    TetrisSettings stored;
    ASSERT_EQ(stored.load(dir.file(QStringLiteral("Block.tmp"))), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(stored.keyCodes[Side::Main][TetrisSettings::Left], 'A');
    EXPECT_EQ(stored.keyNames[Side::Main][TetrisSettings::Left], QStringLiteral("A"));
    EXPECT_EQ(stored.keyCodes[Side::Main][TetrisSettings::Drop], 0x64);
    EXPECT_EQ(stored.keyNames[Side::Main][TetrisSettings::Drop], QStringLiteral("Num 4"));
    EXPECT_EQ(stored.keyCodes[Side::Second][TetrisSettings::Left], 'J');
    EXPECT_EQ(stored.enabled[Side::Second], 1);
    EXPECT_EQ(stored.grade[Side::Main], 8);
    EXPECT_EQ(stored, dlg.game().settings());

    // The new keys and players play at once.
    click(&dlg, CTetrisDlg::IdStart);
    EXPECT_EQ(dlg.game().timer(Side::Main).periodMs(), 100);
    dlg.game().setPiece(Side::Main, TetrisPiece(0));
    press(&dlg, Qt::Key_A);
    EXPECT_EQ(leftmost(*dlg.game().player(Side::Main).piece), 3);
    ASSERT_TRUE(dlg.game().player(Side::Second).piece.has_value());
    const int before = leftmost(*dlg.game().player(Side::Second).piece);
    press(&dlg, Qt::Key_J);
    EXPECT_EQ(leftmost(*dlg.game().player(Side::Second).piece), before - 1);

    // Cancel keeps everything.
    const QByteArray file = dir.read(QStringLiteral("Block.tmp"));
    whenModal([](QDialog* d) {
        press(child<KeyCaptureEdit>(d, CTetrisSettingDlg::IdMainRight), Qt::Key_Z);
        click(d, CTetrisSettingDlg::IdCancel);
    });
    click(&dlg, CTetrisDlg::IdSetting);
    EXPECT_EQ(dir.read(QStringLiteral("Block.tmp")), file);
    EXPECT_EQ(dlg.game().settings(), stored);
}

TEST_F(TetrisWindow, OpensWithBlockTmpAndEndsWithTheMessage)
{
    TetrisSettings s;
    s.grade[Side::Main] = 4;
    ASSERT_TRUE(s.store(dir.file(QStringLiteral("Block.tmp"))));
    CTetrisDlg dlg(dir.path(), fake.platform());
    dlg.show();
    EXPECT_EQ(dlg.game().settings(), s);

    click(&dlg, CTetrisDlg::IdStart);
    EXPECT_EQ(dlg.game().timer(Side::Main).periodMs(), 300);
    for (int c = 4; c <= 7; ++c) {
        dlg.game().setCell(Side::Main, c, 1, 2);
        dlg.game().setCell(Side::Main, c, 2, 2);
    }
    dlg.game().setPiece(Side::Main, TetrisPiece(0, {0, 1}));
    press(&dlg, Qt::Key_Down);
    EXPECT_FALSE(dlg.game().isRunning());
    QList<MessageBox::Shown> shown;
    ASSERT_TRUE(waitUntil([&] { return !(shown += MessageBox::takeShown()).isEmpty(); }, 2000));
    EXPECT_EQ(shown.at(0).text, QStringLiteral("end."));
    press(&dlg, Qt::Key_Left); // keys do nothing until Start
    EXPECT_EQ(leftmost(*dlg.game().player(Side::Main).piece), 4);

    click(&dlg, 1065);
    EXPECT_EQ(HelpViewer::lastContext(), 10012);
}

} // namespace
