#include "alarms/AlarmWindows.h"

#include "alarms/AlarmPage.h"
#include "alarms/PopUpHost.h"

#include <QWidget>

QWidget* makeAlarmPage(const WindowContext& context)
{
    return new AlarmPage(context.programDir, context.platform, dynamic_cast<PopUpHost*>(context.shell), context.parent);
}
