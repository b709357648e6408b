#pragma once
#include "controls/WindowFactory.h"

// The work diary window, as the shell creates it for the Work page's " Diary" row.
QWidget* makeDiaryWindow(const WindowContext& context);
