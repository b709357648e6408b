#include "games/gobang/GobangWindows.h"

#include "games/gobang/CGobangDlg.h"

QWidget* makeGobangWindow(const WindowContext& context)
{
    auto* window = new CGobangDlg(context.parent);
    window->centreOnDesktop();
    return window;
}
