#include "CHideTipDlg.h"
#include "CMarrowbyDlg.h"
#include "CSettingDlg.h"
#include "FakePlatform.h"
#include "HelpViewer.h"
#include "LineTrackBar.h"
#include "PanelSettings.h"
#include "TempDir.h"
#include "TestWait.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

struct PanelFixture : ::testing::Test
{
    TempDir dir;
    FakePlatform fake;

    std::unique_ptr<CMarrowbyDlg> makePanel()
    {
        auto panel = std::make_unique<CMarrowbyDlg>(dir.path(), fake.platform());
        panel->showPanel();
        return panel;
    }
    void SetUp() override
    {
        CHideTipDlg::setTestMode(true);
        HelpViewer::setTestMode(true);
        fake.desktop().setCursorPos(QPoint(10, 700));
    }
};

void sendKey(QWidget* w, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

} // namespace

TEST_F(PanelFixture, StartsTopRightWithoutASettingsFile)
{
    auto panel = makePanel();
    EXPECT_EQ(panel->geometry(), QRect(804, 10, 210, 440));
    EXPECT_EQ(panel->category(), CMarrowbyDlg::Game);
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->windowTitle(), QStringLiteral("Quillora"));
    EXPECT_DOUBLE_EQ(panel->windowOpacity(), 1.0);
    for (int id : {1002, 1003, 1004, 1005, 1006, 1009, 1010, 1011, 1012, 1013, 1014, 1016, 1017, 1018, 1019})
        EXPECT_NE(panel->findChild<QAbstractButton*>(QStringLiteral("id%1").arg(id)), nullptr) << id;
}

TEST_F(PanelFixture, SettingsFileTopIsKeptAtLeastFive)
{
    for (int top : {0, 3}) {
        PanelSettings s;
        s.setRect(QRect(600, top, 230, 420));
        s.alpha = 128;
        ASSERT_TRUE(s.save(dir.path()));
        auto panel = makePanel();
        EXPECT_EQ(panel->geometry(), QRect(600, 5, 230, 420)) << top;
        EXPECT_NEAR(panel->windowOpacity(), 128 / 255.0, 0.01);
    }
}

TEST_F(PanelFixture, CategoryButtonsSelectPages)
{
    auto panel = makePanel();
    panel->findChild<QAbstractButton*>(QStringLiteral("id1004"))->click();
    EXPECT_EQ(panel->category(), CMarrowbyDlg::Alarm);
    panel->findChild<QAbstractButton*>(QStringLiteral("id1010"))->click();
    EXPECT_EQ(panel->category(), CMarrowbyDlg::Work);
}

TEST_F(PanelFixture, DocksToAStripAndComesBack)
{
    auto panel = makePanel();
    panel->move(700, 1);
    // Pushed to the top with the pointer away: a 3-pixel strip at y 0 within the docking interval.
    ASSERT_TRUE(waitUntil([&] { return panel->geometry() == QRect(700, 0, 210, 3); }, 2000)) << panel->geometry().height();
    // The pointer on the strip brings the full height back.
    fake.desktop().setCursorPos(QPoint(750, 1));
    QEvent enter(QEvent::Enter);
    QEnterEvent e(QPointF(50, 1), QPointF(50, 1), QPointF(750, 1));
    QApplication::sendEvent(panel.get(), &e);
    ASSERT_TRUE(waitUntil([&] { return panel->height() == 440; }, 2000));
    // Away from the top edge nothing polls.
    panel->move(700, 200);
    waitUntil([&] { return !panel->dockingArmed(); }, 1000);
    EXPECT_FALSE(panel->dockingArmed());
}

TEST_F(PanelFixture, EndingWhileCollapsedSavesTheFullHeight)
{
    {
        auto panel = makePanel();
        panel->move(700, 0);
        ASSERT_TRUE(waitUntil([&] { return panel->height() == 3; }, 2000));
    }
    PanelSettings s;
    ASSERT_TRUE(s.load(dir.path()));
    EXPECT_EQ(s.rect(), QRect(700, 0, 210, 440));
    auto again = makePanel();
    EXPECT_EQ(again->geometry(), QRect(700, 5, 210, 440));
}

TEST_F(PanelFixture, TrackBarOf256GivesOpacity255)
{
    auto panel = makePanel();
    panel->openSettings();
    auto* dlg = panel->findChild<CSettingDlg*>();
    ASSERT_NE(dlg, nullptr);
    dlg->transparence()->setValue(100);
    EXPECT_EQ(panel->settings().alpha, 100);
    dlg->transparence()->setValue(256);
    EXPECT_EQ(panel->settings().alpha, 255);
    EXPECT_DOUBLE_EQ(panel->windowOpacity(), 1.0);
}

TEST_F(PanelFixture, SettingsCheckBoxesApplyAtOnce)
{
    auto panel = makePanel();
    panel->openSettings();
    auto* dlg = panel->findChild<CSettingDlg*>();
    auto* run = dlg->findChild<QCheckBox*>(QStringLiteral("id%1").arg(int(CSettingDlg::IdRunOnLogon)));
    auto* onTop = dlg->findChild<QCheckBox*>(QStringLiteral("id%1").arg(int(CSettingDlg::IdAlwaysOnTop)));
    ASSERT_TRUE(run && onTop);
    const QString key = CMarrowbyDlg::runKey();
    run->click();
    EXPECT_EQ(fake.registry().readString(key, QStringLiteral("Quillora")), QCoreApplication::applicationFilePath());
    run->click();
    EXPECT_EQ(fake.registry().readString(key, QStringLiteral("Quillora")), QStringLiteral("zzz:"));
    EXPECT_TRUE(onTop->isChecked());
    onTop->click();
    EXPECT_FALSE(panel->settings().alwaysOnTop);
}

TEST_F(PanelFixture, EnterEscapeAndSpaceNeverCloseOrPress)
{
    auto panel = makePanel();
    auto* close = panel->findChild<QAbstractButton*>(QStringLiteral("id1019"));
    int clicks = 0;
    QObject::connect(close, &QAbstractButton::clicked, panel.get(), [&] { ++clicks; });
    for (QWidget* target : {static_cast<QWidget*>(panel.get()), static_cast<QWidget*>(close), panel->page(CMarrowbyDlg::Game)})
        for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space})
            sendKey(target, key);
    QCoreApplication::processEvents();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->result(), 0);
    EXPECT_EQ(clicks, 0);
}

TEST_F(PanelFixture, HelpKeyOpensThePanelPage)
{
    auto panel = makePanel();
    sendKey(panel.get(), Qt::Key_F1);
    EXPECT_EQ(HelpViewer::lastContext(), 1001);
}

TEST_F(PanelFixture, TipOnHidingOnlyWhileNotSwitchedOff)
{
    auto panel = makePanel();
    panel->minimizeToTray();
    EXPECT_EQ(CHideTipDlg::timesShown(), 1);
    EXPECT_FALSE(panel->isVisible());
    panel->restoreFromTray();
    EXPECT_TRUE(panel->isVisible());

    panel->openSettings();
    panel->findChild<QCheckBox*>(QStringLiteral("id%1").arg(int(CSettingDlg::IdNoHideTip)))->click();
    panel->minimizeToTray();
    EXPECT_EQ(CHideTipDlg::timesShown(), 1);
    EXPECT_FALSE(panel->isVisible());
}

TEST_F(PanelFixture, HotKeysFromTheProfile)
{
    fake.profile().writeInt(QStringLiteral("HotKey"), QStringLiteral("sk"), 6); // Control + Alt
    fake.profile().writeInt(QStringLiteral("HotKey"), QStringLiteral("vk"), 'K');
    fake.profile().writeInt(QStringLiteral("HotKeyWindow"), QStringLiteral("sk"), 1); // Shift
    fake.profile().writeInt(QStringLiteral("HotKeyWindow"), QStringLiteral("vk"), 'H');
    auto panel = makePanel();
    EXPECT_EQ(fake.desktop().registration(107), (FakeDesktop::HotKey{107, Desktop::Control | Desktop::Alt, 'K'}));
    EXPECT_EQ(fake.desktop().registration(108), (FakeDesktop::HotKey{108, Desktop::Shift, 'H'}));
    int hider = 0;
    QObject::connect(panel.get(), &CMarrowbyDlg::windowHiderHotKey, panel.get(), [&] { ++hider; });
    ASSERT_TRUE(fake.desktop().press(107));
    EXPECT_FALSE(panel->isVisible());
    fake.desktop().press(107);
    EXPECT_TRUE(panel->isVisible());
    fake.desktop().press(108);
    EXPECT_EQ(hider, 1);
}

TEST_F(PanelFixture, NarrowOrLowPanelIsEnlarged)
{
    auto panel = makePanel();
    panel->resize(150, 440);
    EXPECT_EQ(panel->width(), 210);
    fake.desktop().setCursorPos(panel->geometry().topLeft() + QPoint(40, 40));
    panel->resize(210, 200);
    EXPECT_EQ(panel->height(), 350);
}
