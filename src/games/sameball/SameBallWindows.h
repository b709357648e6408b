#pragma once
#include "controls/WindowFactory.h"

// The SameBall window ("Same Game"), as the Game page opens it.
QWidget* makeSameBallWindow(const WindowContext& context);
