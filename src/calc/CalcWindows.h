#pragma once
#include "controls/WindowFactory.h"

// The calculators' windows, as the shell opens them from its tool buttons.
QWidget* makeCalculatorWindow(const WindowContext& context);
QWidget* makeMetrologyWindow(const WindowContext& context);
