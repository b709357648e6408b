#pragma once
#include "controls/WindowFactory.h"

// The mail window, as the shell opens it from the Mail menu's "Mini mail".
QWidget* makeMailWindow(const WindowContext& context);
