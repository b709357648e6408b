#include "games/tetris/TetrisWindows.h"

#include "games/tetris/CTetrisDlg.h"

QWidget* makeTetrisWindow(const WindowContext& context)
{
    auto* window = new CTetrisDlg(context.programDir, context.platform, context.parent);
    window->centreOnDesktop();
    return window;
}
