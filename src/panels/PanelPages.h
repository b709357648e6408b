#pragma once
#include "controls/WindowFactory.h"

// The category pages of this folder, as the shell creates them.
QWidget* makeWorkPage(const WindowContext& context);
QWidget* makeFavoritePage(const WindowContext& context);
QWidget* makeBootPage(const WindowContext& context);
QWidget* makeGamePage(const WindowContext& context);
