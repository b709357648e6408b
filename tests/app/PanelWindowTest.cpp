#include "controls/BitmapButton.h"
#include "app/CHideTipDlg.h"
#include "app/CMarrowbyDlg.h"
#include "app/CSettingDlg.h"
#include "app/CSplashWindow.h"
#include "support/FakePlatform.h"
#include "controls/HelpViewer.h"
#include "controls/LineTrackBar.h"
#include "controls/PopupMenu.h"
#include "app/PanelSettings.h"
#include "diary/CWorkDiary.h"
#include "panels/FixedPanels.h"
#include "player/PlayerPage.h"
#include "controls/ItemListView.h"
#include "controls/Skin.h"
#include "support/TempDir.h"
#include "support/TestWait.h"
#include "controls/TitleStrip.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QStackedWidget>
#include <QTimer>
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
    const QString key = LogonStart::runKey();
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

TEST_F(PanelFixture, ButtonsCarryTheirTooltipsPicturesAndPlaces)
{
    auto panel = makePanel();
    panel->resize(260, 500); // every place follows the width W and the height H
    const int W = 260, H = 500;
    struct Case { int id; const char* tip; QRect place; int normal; int pressed; };
    const Case cases[] = {
        {1010, "Diary", QRect(0, 79, 29, 33), 234, 237},
        {1004, "Alarm", QRect(0, 112, 29, 33), 192, 195},
        {1006, "Favorite", QRect(0, 145, 29, 33), 206, 209},
        {1009, "System Tool", QRect(0, 178, 29, 33), 227, 230},
        {1005, "Boot custom program at startup", QRect(0, 211, 29, 33), 196, 199},
        {1002, "Player", QRect(0, 244, 29, 33), 220, 223},
        {1003, "Game", QRect(0, 277, 29, 33), 210, 213},
        {1013, "Metrology", QRect(20, H - 29, 29, 29), 217, 218},
        {1012, "Calculator", QRect(49, H - 29, 29, 29), 200, 201},
        {1011, "Mail", QRect(78, H - 29, 29, 29), 216, 214},
        {1014, "Calendar", QRect(107, H - 29, 29, 29), 203, 204},
        {1016, "Shortcut Key", QRect(136, H - 29, 29, 29), 224, 225},
        {1017, "Minimize", QRect(W - 54, 0, 17, 20), 244, 245},
        {1018, "Setting", QRect(W - 37, 0, 17, 20), 241, 242},
        {1019, "Close", QRect(W - 20, 0, 17, 20), 238, 239},
    };
    for (const Case& c : cases) {
        auto* b = panel->findChild<BitmapButton*>(QStringLiteral("id%1").arg(c.id));
        ASSERT_NE(b, nullptr) << c.id;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(c.tip)) << c.id;
        EXPECT_EQ(b->geometry(), c.place) << c.id;
        const bool selected = b->isSelected();
        b->setSelected(false);
        EXPECT_EQ(b->currentImage().toImage(), Skin::resource(c.normal).toImage()) << c.id;
        b->setDown(true);
        EXPECT_EQ(b->currentImage().toImage(), Skin::resource(c.pressed).toImage()) << c.id;
        b->setDown(false);
        b->setSelected(selected);
    }
    EXPECT_EQ(panel->findChild<QWidget*>(QStringLiteral("id1142"))->geometry(), QRect(0, 20, W - 1, 56));
    EXPECT_EQ(panel->findChild<QWidget*>(QStringLiteral("CPanelTab"))->geometry(), QRect(29, 79, W - 31, H - 113));
}

TEST_F(PanelFixture, TheChosenCategoryShowsItsPageAndTheOnlyPressedButton)
{
    auto panel = makePanel();
    auto* pages = panel->findChild<QStackedWidget*>(QStringLiteral("CPanelTab"));
    ASSERT_NE(pages, nullptr);
    // Category buttons in category order 1..7.
    const int ids[] = {1010, 1004, 1006, 1009, 1005, 1002, 1003};
    auto looks = [&] {
        QString s;
        for (int id : ids)
            s += panel->findChild<BitmapButton*>(QStringLiteral("id%1").arg(id))->currentLook() == BitmapButton::Look::Pressed ? u'P' : u'-';
        return s;
    };
    EXPECT_EQ(pages->currentIndex(), 6); // Game after start-up
    EXPECT_EQ(looks(), QStringLiteral("------P"));
    for (int category = 1; category <= 7; ++category) {
        panel->findChild<BitmapButton*>(QStringLiteral("id%1").arg(ids[category - 1]))->click();
        EXPECT_EQ(panel->category(), category);
        EXPECT_EQ(pages->currentIndex(), category - 1);
        QString expected(7, u'-');
        expected[category - 1] = u'P';
        EXPECT_EQ(looks(), expected);
    }
}

// "Mini mail" makes the mail window the first time and shows the same one afterwards;
// "Professional mail" hands "mailto:" to the desktop's mail program.
TEST_F(PanelFixture, MailMenuOpensTheMailWindowOrTheDesktopsMailProgram)
{
    auto panel = makePanel();
    auto* mail = panel->findChild<QAbstractButton*>(QStringLiteral("id1011"));
    ASSERT_NE(mail, nullptr);
    PopupMenu::setNextChoice(CMarrowbyDlg::IdMenuMiniMail);
    mail->click();
    QWidget* window = panel->toolWindow(CMarrowbyDlg::IdMail);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QStringLiteral("CMailDlg"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Mail"));
    EXPECT_TRUE(window->isVisible());
    // A window of its own (its own task-bar entry), not a dialog of the panel.
    EXPECT_EQ(window->windowType(), Qt::Window);
    window->hide();
    PopupMenu::setNextChoice(CMarrowbyDlg::IdMenuMiniMail);
    mail->click();
    EXPECT_EQ(panel->toolWindow(CMarrowbyDlg::IdMail), window);
    EXPECT_TRUE(window->isVisible());

    PopupMenu::setNextChoice(CMarrowbyDlg::IdMenuProfessionalMail);
    mail->click();
    ASSERT_FALSE(fake.launcher().opened().isEmpty());
    EXPECT_EQ(fake.launcher().opened().last().target, QStringLiteral("mailto:"));
}

TEST_F(PanelFixture, TitleIsDrawnWhereToolWindowTitlesAre)
{
    // The title's first inked row and column: where the picture with the title differs
    // from the same picture without it.
    auto inkOrigin = [](const QImage& with, const QImage& without) {
        QPoint first(INT_MAX, INT_MAX);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 100; ++x)
                if (with.pixel(x, y) != without.pixel(x, y))
                    first = QPoint(std::min(first.x(), x), std::min(first.y(), y));
        return first;
    };
    auto panel = makePanel();
    const QImage panelWith = panel->grab().toImage();
    panel->setWindowTitle(QString());
    const QImage panelWithout = panel->grab().toImage();
    panel->setWindowTitle(QStringLiteral("Quillora"));

    TitleStrip strip(QStringLiteral("Quillora"), true, false);
    strip.resize(210, 20);
    const QImage stripWith = strip.grab().toImage();
    strip.setTitle(QString());
    const QImage stripWithout = strip.grab().toImage();

    EXPECT_EQ(inkOrigin(panelWith, panelWithout), inkOrigin(stripWith, stripWithout));
}

TEST_F(PanelFixture, TrayDoubleClickOnACollapsedPanelBringsItBackBelowTheEdge)
{
    auto panel = makePanel();
    panel->move(700, 1);
    ASSERT_TRUE(waitUntil([&] { return panel->geometry() == QRect(700, 0, 210, 3); }, 2000));
    panel->hide();
    panel->restoreFromTray();
    EXPECT_TRUE(panel->isVisible());
    EXPECT_EQ(panel->geometry(), QRect(700, 5, 210, 440));
}

TEST_F(PanelFixture, RunOnLogonIsOnOnlyWhenTheValueHoldsThisProgram)
{
    const QString key = LogonStart::runKey();
    struct Case { QString value; bool on; }; // a null value: none stored
    const Case cases[] = {
        {QString(), false},
        {QStringLiteral("zzz:"), false},
        {QStringLiteral("/elsewhere/quillora"), false},
        {QCoreApplication::applicationFilePath(), true},
    };
    for (const Case& c : cases) {
        if (c.value.isNull())
            fake.registry().removeValue(key, QStringLiteral("Quillora"));
        else
            fake.registry().writeString(key, QStringLiteral("Quillora"), c.value);
        auto panel = makePanel();
        panel->openSettings();
        auto* run = panel->findChild<QCheckBox*>(QStringLiteral("id%1").arg(int(CSettingDlg::IdRunOnLogon)));
        ASSERT_NE(run, nullptr);
        EXPECT_EQ(run->isChecked(), c.on) << qPrintable(c.value);
        EXPECT_TRUE(run->isEnabled()); // the panel has no frame
    }
}

TEST_F(PanelFixture, TipCheckBoxSwitchesTheTipOffAtOnce)
{
    auto panel = makePanel();
    panel->openSettings();
    auto* settingsBox = panel->findChild<QCheckBox*>(QStringLiteral("id%1").arg(int(CSettingDlg::IdNoHideTip)));
    ASSERT_NE(settingsBox, nullptr);
    EXPECT_FALSE(settingsBox->isChecked());

    CHideTipDlg::setTestMode(false);
    bool seen = false, storedAtOnce = false;
    QTimer::singleShot(0, panel.get(), [&] {
        auto* tip = qobject_cast<CHideTipDlg*>(QApplication::activeModalWidget());
        if (!tip)
            return;
        seen = true;
        EXPECT_EQ(tip->windowTitle(), QStringLiteral("Quillora Tip"));
        EXPECT_EQ(tip->doNotShow()->text(), QStringLiteral("Do not show me this message again"));
        tip->doNotShow()->click();
        storedAtOnce = panel->settings().noHideTip;
        tip->findChild<QAbstractButton*>(QStringLiteral("idClose"))->click();
    });
    panel->minimizeToTray();
    CHideTipDlg::setTestMode(true);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(storedAtOnce);
    EXPECT_FALSE(panel->isVisible());
    EXPECT_TRUE(settingsBox->isChecked()); // the settings window shows it too

    panel->restoreFromTray();
    panel->minimizeToTray();
    EXPECT_EQ(CHideTipDlg::timesShown(), 0);
    EXPECT_FALSE(panel->isVisible());
}

TEST(SplashWindow, EveryTransitionGrowsToTheWholePicture)
{
    const int w = 400, h = 250;
    const QRegion whole(0, 0, w, h);
    for (int t = 0; t < CSplashWindow::TransitionCount; ++t) {
        auto area = [&](int step) {
            qint64 a = 0;
            for (const QRect& r : CSplashWindow::revealed(t, step, w, h).intersected(whole))
                a += qint64(r.width()) * r.height();
            return a;
        };
        EXPECT_LT(area(1), qint64(w) * h) << t;
        EXPECT_LE(area(CSplashWindow::Steps / 4), area(CSplashWindow::Steps * 3 / 4)) << t;
        EXPECT_EQ(CSplashWindow::revealed(t, CSplashWindow::Steps, w, h), whole) << t;
    }
}

TEST_F(PanelFixture, TheWorkPagesDiaryRowOpensTheDiaryAndCategorySixIsThePlayer)
{
    auto panel = makePanel();
    EXPECT_NE(qobject_cast<PlayerPage*>(panel->page(CMarrowbyDlg::Player)), nullptr);
    EXPECT_EQ(panel->pageWindow(PageWindow::Diary), nullptr);
    auto* work = qobject_cast<WorkPanel*>(panel->page(CMarrowbyDlg::Work));
    ASSERT_NE(work, nullptr);
    Q_EMIT work->listView()->rowDoubleClicked(0);
    auto* diary = qobject_cast<CWorkDiary*>(panel->pageWindow(PageWindow::Diary));
    ASSERT_NE(diary, nullptr);
    EXPECT_TRUE(diary->isVisible());
    diary->hide();
    // Made once, then only shown.
    Q_EMIT work->listView()->rowDoubleClicked(0);
    EXPECT_EQ(panel->pageWindow(PageWindow::Diary), diary);
    EXPECT_TRUE(diary->isVisible());
}
