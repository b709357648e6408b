#pragma once
#include "controls/WindowFactory.h"

// The Tetris window, modal, made anew each time the Game page opens it.
QWidget* makeTetrisWindow(const WindowContext& context);
