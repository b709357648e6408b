// The calculator windows on a real X desktop (Xvfb and openbox): where the
// window manager shows them.
#include "calc/CCalculatorDlg.h"
#include "calc/CMetrologyDlg.h"
#include "support/DesktopTools.h"
#include "support/TestWait.h"
#include "support/XDisplayFixture.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QString windowId(const QWidget& w)
{
    return QString::number(quint64(w.winId()));
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

// Both windows belong to the panel (which is a tool window) and open in the
// middle of the desktop, also when shown again after closing.
TEST(CalculatorDesktop, BothWindowsOpenInTheMiddleOfTheDesktop)
{
    QWidget panel(nullptr, Qt::Tool);
    panel.resize(210, 440);
    panel.show();

    CMetrologyDlg metrology(&panel);
    open(metrology);
    expectCentred(metrology);
    metrology.reject();
    EXPECT_FALSE(metrology.isVisible());
    open(metrology);
    expectCentred(metrology);

    CCalculatorDlg calculator(&panel);
    open(calculator);
    expectCentred(calculator);
}

} // namespace
