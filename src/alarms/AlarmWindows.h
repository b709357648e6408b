#pragma once
#include "controls/WindowFactory.h"

// The Alarm page, as the shell creates it. A shell that is a PopUpHost is what an
// alarm's PopUp brings forward.
QWidget* makeAlarmPage(const WindowContext& context);
