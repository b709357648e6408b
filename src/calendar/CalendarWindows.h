#pragma once
#include "controls/WindowFactory.h"

// The calendar window, as the shell opens it from its Calendar tool button.
QWidget* makeCalendarWindow(const WindowContext& context);
