#include "player/PlayerWindows.h"

#include "player/PlayerPage.h"

QWidget* makePlayerPage(const WindowContext& context)
{
    return new PlayerPage(context.programDir, context.platform, context.parent);
}
