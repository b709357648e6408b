#include "games/sameball/SameBallWindows.h"

#include "games/sameball/CSameBallDlg.h"
#include "platform/Platform.h"

QWidget* makeSameBallWindow(const WindowContext& context)
{
    return new CSameBallDlg(context.programDir, *context.platform.sound, quint32(context.platform.clock->now()),
                            context.platform.codec.get(), context.parent);
}
