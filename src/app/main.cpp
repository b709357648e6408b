#include "platform/linux/LinuxPlatform.h"
#include "app/ShellApp.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Positions, stacking and global hot keys need X11; on a Wayland session the program
    // runs through XWayland.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (qgetenv("QT_QPA_PLATFORM") == "xcb" && qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "quillora: no X display (DISPLAY is not set); start it on a desktop or under xvfb-run.\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::unique_ptr<Platform> platform = makeLinuxPlatform();
    ShellApp shell(*platform);
    return shell.run();
}
