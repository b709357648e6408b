#include <QApplication>

#include <cstdio>

#include <gtest/gtest.h>

#include "support/XDisplayFixture.h"

// Desktop tests: the private X desktop comes up before the QApplication, which then runs on
// the xcb platform of that display; the application goes before the desktop does.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    XDisplayFixture desktop;
    if (!desktop.start()) {
        std::fprintf(stderr, "desktop fixture: %s\n", qPrintable(desktop.error()));
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    int rc = 0;
    {
        QApplication app(argc, argv);
        rc = RUN_ALL_TESTS();
    }
    desktop.stop();
    return rc;
}
