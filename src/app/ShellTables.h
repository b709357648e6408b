#pragma once
#include "controls/SkinResources.h"
#include "controls/WindowFactory.h"

#include <span>

// The one place where the subsystems plug into the main panel: its category pages, its
// tool buttons and the windows that pages open. Adding a window is one line in one of
// these tables (src/app/ShellTables.cpp) and the factory in the subsystem's own folder.
namespace ShellTables {

// A category button and its page, in the order of the category numbers 1..7.
struct Category
{
    int buttonId;
    Skin::ButtonImages images;
    const char16_t* tip;
    WindowFactory page; // null: an empty page until the subsystem is built
};

// A tool button along the bottom of the panel, left to right, and the window it opens:
// created the first time, afterwards shown, raised and centred on the desktop.
struct Tool
{
    int buttonId;
    Skin::ButtonImages images;
    const char16_t* tip;
    WindowFactory window; // null: the button does nothing until the subsystem is built
};

// A window that a category page opens: kept after its first use, or modal and made anew
// each time.
struct PageWindowEntry
{
    PageWindow key;
    WindowFactory window;
    bool modal;
};

std::span<const Category> categories();
std::span<const Tool> tools();
std::span<const PageWindowEntry> pageWindows();

} // namespace ShellTables
