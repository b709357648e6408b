#pragma once
#include "controls/WindowFactory.h"

// The Player page, as the shell creates it for category 6.
QWidget* makePlayerPage(const WindowContext& context);
