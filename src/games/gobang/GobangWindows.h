#pragma once
#include "controls/WindowFactory.h"

// The Gobang window, made on first use and afterwards shown again.
QWidget* makeGobangWindow(const WindowContext& context);
