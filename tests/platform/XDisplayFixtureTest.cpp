#include <QGuiApplication>
#include <QSystemTrayIcon>
#include <QFile>

#include <signal.h>

#include <gtest/gtest.h>

#include "support/XDisplayFixture.h"

// The desktop main has started a private desktop before the QApplication.
TEST(XDisplayFixture, ApplicationRunsOnTheDesktopWithATray)
{
    EXPECT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
    EXPECT_TRUE(QSystemTrayIcon::isSystemTrayAvailable());
    const ToolResult wm = runTool(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
    ASSERT_TRUE(wm.ok()) << wm.err.constData();
    EXPECT_TRUE(wm.out.contains("window id")) << wm.out.constData();
}

TEST(XDisplayFixture, SecondDesktopStartsOnAnotherNumberAndLeavesNothingBehind)
{
    const QByteArray before = qgetenv("DISPLAY");
    const QByteArray home = qgetenv("HOME");
    int number = -1;
    {
        XDisplayFixture second;
        ASSERT_TRUE(second.start()) << second.error().toStdString();
        number = second.displayNumber();
        EXPECT_NE(second.displayName().toLatin1(), before);
        EXPECT_TRUE(QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)));
        EXPECT_TRUE(runTool(QStringLiteral("xdpyinfo"), {}).ok());
        second.stop();
        EXPECT_FALSE(runTool(QStringLiteral("xdpyinfo"), {QStringLiteral("-display"), QStringLiteral(":%1").arg(number)}).ok());
    }
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(number)));
    qputenv("DISPLAY", before);
    qputenv("HOME", home);
}
