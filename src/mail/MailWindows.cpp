#include "mail/MailWindows.h"

#include "mail/CMailDlg.h"
#include "platform/Platform.h"

QWidget* makeMailWindow(const WindowContext& context)
{
    return new CMailDlg(context.programDir, *context.platform.codec, context.parent);
}
