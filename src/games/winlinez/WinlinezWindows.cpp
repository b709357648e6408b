#include "games/winlinez/WinlinezWindows.h"

#include "games/winlinez/CFivePlusDlg.h"
#include "platform/Platform.h"

QWidget* makeWinlinezWindow(const WindowContext& context)
{
    auto* window = new CFivePlusDlg(context.programDir, quint32(context.platform.clock->now()), context.platform.codec.get(),
                                    context.parent);
    window->centreOnDesktop();
    return window;
}
