// The tool window frame and the help it opens.
#include "controls/BitmapButton.h"
#include "controls/HelpViewer.h"
#include "controls/SkinnedDialog.h"
#include "controls/TitleStrip.h"

#include "support/TempDir.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QWindow>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {
class SkinnedDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        HelpViewer::setTestMode(true);
        HelpViewer::show(0); // forget earlier requests
    }
    void TearDown() override { HelpViewer::setTestMode(false); }
};
} // namespace

TEST_F(SkinnedDialogTest, CloseHidesAndRejects)
{
    SkinnedDialog dialog(QStringLiteral("Calendar"), 10017);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_TRUE(dialog.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Calendar"));
    EXPECT_EQ(dialog.titleStrip()->title(), QStringLiteral("Calendar"));
    auto* close = dialog.findChild<BitmapButton*>(QStringLiteral("id1064"));
    ASSERT_NE(close, nullptr);
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(HelpViewer::lastContext(), 0);
}

TEST_F(SkinnedDialogTest, HelpButtonAndF1OpenTheContext)
{
    SkinnedDialog dialog(QStringLiteral("Mini mail"), 10016);
    auto* edit = new QLineEdit(dialog.body());
    auto* layout = new QVBoxLayout(dialog.body());
    layout->addWidget(edit);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    auto* help = dialog.findChild<BitmapButton*>(QStringLiteral("id1065"));
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    QTest::mouseClick(help, Qt::LeftButton);
    EXPECT_EQ(HelpViewer::lastContext(), 10016);

    HelpViewer::show(0);
    // F1 reaches the dialog from a focused child too.
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(HelpViewer::lastContext(), 10016);
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(SkinnedDialogTest, NoHelpContextNoHelp)
{
    SkinnedDialog dialog(QStringLiteral("Setting"), 0);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* help = dialog.findChild<BitmapButton*>(QStringLiteral("id1065"));
    ASSERT_NE(help, nullptr);
    EXPECT_FALSE(help->isVisible());
    QTest::keyClick(&dialog, Qt::Key_F1);
    EXPECT_EQ(HelpViewer::lastContext(), 0);
}

TEST_F(SkinnedDialogTest, EscapeRejectsAsInAnyDialog)
{
    SkinnedDialog dialog(QStringLiteral("Boot Setting"), 0);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST_F(SkinnedDialogTest, CentresOnTheDesktop)
{
    SkinnedDialog dialog(QStringLiteral("Metrology"), 0);
    dialog.body()->setMinimumSize(300, 200);
    dialog.centreOnDesktop();
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QRect area = dialog.screen()->availableGeometry();
    const QPoint centre = dialog.frameGeometry().center();
    EXPECT_LE(qAbs(centre.x() - area.center().x()), 1);
    EXPECT_LE(qAbs(centre.y() - area.center().y()), 1);
}

TEST(HelpViewer, OpensThePageOfTheContextInOneWindow)
{
    TempDir dir;
    dir.write(QStringLiteral("1001.html"), "<html><body><h1>The Quillora panel</h1></body></html>");
    dir.write(QStringLiteral("10017.html"), "<html><body><p>The calendar window</p></body></html>");
    HelpViewer::setTestMode(false);
    HelpViewer::setHelpDir(dir.path());

    HelpViewer::show(1001);
    QWidget* window = HelpViewer::window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    auto* browser = window->findChild<QTextBrowser*>(QStringLiteral("helpBrowser"));
    ASSERT_NE(browser, nullptr);
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("The Quillora panel")));
    EXPECT_EQ(HelpViewer::lastContext(), 1001);

    window->hide();
    HelpViewer::show(10017);
    EXPECT_EQ(HelpViewer::window(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("The calendar window")));

    // A context without a page says so instead of showing the previous page.
    HelpViewer::show(4242);
    EXPECT_FALSE(browser->toPlainText().contains(QStringLiteral("calendar")));
    EXPECT_TRUE(browser->toPlainText().contains(QStringLiteral("4242.html")));

    window->close();
    HelpViewer::setHelpDir({});
}

TEST(HelpViewer, StaysUsableWhileAModalDialogRuns)
{
    TempDir dir;
    dir.write(QStringLiteral("1004.html"), "<html><body><p>Alarm dialog</p></body></html>");
    HelpViewer::setTestMode(false);
    HelpViewer::setHelpDir(dir.path());
    SkinnedDialog dialog(QStringLiteral("Alarm"), 1004);
    bool helpShown = false, notBlocked = false;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClick(&dialog, Qt::Key_F1);
        QWidget* viewer = HelpViewer::window();
        helpShown = viewer && viewer->isVisible();
        // A window is spared by a modal dialog only when the dialog is among its parents.
        QWindow* handle = viewer ? viewer->windowHandle() : nullptr;
        for (QWindow* up = handle; up; up = up->transientParent() ? up->transientParent() : up->parent())
            notBlocked = notBlocked || up == dialog.windowHandle();
        dialog.reject();
    });
    dialog.exec();
    EXPECT_TRUE(helpShown);
    EXPECT_TRUE(notBlocked);
    if (HelpViewer::window())
        HelpViewer::window()->close();
    HelpViewer::setHelpDir({});
}

TEST(HelpViewer, DefaultsToTheHelpFolderOfTheProgramDirectory)
{
    EXPECT_EQ(HelpViewer::pageFile(1001),
              QCoreApplication::applicationDirPath() + QStringLiteral("/help/1001.html"));
}
