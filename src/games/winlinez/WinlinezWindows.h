#pragma once
#include "controls/WindowFactory.h"

// The Winlinez window, as the Game page opens it.
QWidget* makeWinlinezWindow(const WindowContext& context);
