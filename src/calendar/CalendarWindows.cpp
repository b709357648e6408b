#include "calendar/CalendarWindows.h"

#include "calendar/CCalendarDlg.h"

QWidget* makeCalendarWindow(const WindowContext& context)
{
    return new CCalendarDlg(context.programDir, context.platform, context.parent);
}
