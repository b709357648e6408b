// The calculator windows on a real X desktop (Xvfb and openbox): where they
// open and what kind of window the window manager and a task bar see.
#include "CCalculatorDlg.h"
#include "CMetrologyDlg.h"
#include "DesktopTools.h"
#include "TestWait.h"
#include "XDisplayFixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QString windowId(const QWidget& w)
{
    return QString::number(quint64(w.winId()));
}

QByteArray property(const QWidget& w, const char* name)
{
    const ToolResult r = runTool(QStringLiteral("xprop"), {QStringLiteral("-id"), windowId(w), QString::fromLatin1(name)});
    EXPECT_TRUE(r.ok()) << r.err.constData();
    return r.out;
}

// Shows a tool window as the panel does: centred on the desktop, then shown.
void open(SkinnedDialog& dlg)
{
    dlg.centreOnDesktop();
    dlg.show();
    ASSERT_TRUE(waitUntil([&] { return !windowGeometry(windowId(dlg)).isEmpty(); }, 5000));
}

void expectCentred(const QWidget& w)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QRect shown;
    const auto centred = [&] {
        shown = windowGeometry(windowId(w));
        return std::abs(shown.center().x() - area.center().x()) <= 1
            && std::abs(shown.center().y() - area.center().y()) <= 1;
    };
    EXPECT_TRUE(waitUntil(centred, 5000)) << shown.x() << "," << shown.y() << " " << shown.width() << "x"
                                          << shown.height();
}

TEST(CalculatorDesktop, MetrologyIsANormalWindowWithATaskBarButton)
{
    QWidget panel(nullptr, Qt::Tool);
    panel.resize(210, 440);
    panel.show();

    CMetrologyDlg dlg(&panel);
    open(dlg);
    const QByteArray type = property(dlg, "_NET_WM_WINDOW_TYPE");
    EXPECT_TRUE(type.contains("_NET_WM_WINDOW_TYPE_NORMAL")) << type.constData();
    EXPECT_FALSE(type.contains("DIALOG")) << type.constData();
    EXPECT_FALSE(property(dlg, "_NET_WM_STATE").contains("SKIP_TASKBAR"));
    expectCentred(dlg);

    // Closing hides it; shown again it is still the panel's window.
    dlg.reject();
    EXPECT_FALSE(dlg.isVisible());
    open(dlg);
    EXPECT_EQ(dlg.parentWidget(), &panel);
}

TEST(CalculatorDesktop, TheCalculatorOpensInTheMiddleOfTheDesktop)
{
    QWidget panel(nullptr, Qt::Tool);
    panel.show();
    CCalculatorDlg dlg(&panel);
    open(dlg);
    expectCentred(dlg);
}

} // namespace
