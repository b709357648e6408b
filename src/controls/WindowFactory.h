#pragma once
#include <QString>

#include <functional>

class QWidget;
struct Platform;

// The windows that the category pages open through the shell (games, diary).
enum class PageWindow : int { SameGame, Gobang, Winlinez, Tetris, Diary };

// What the shell hands the factory of a subsystem's window or category page.
struct WindowContext
{
    QString programDir;  // ends in "/"
    Platform& platform;
    QWidget* shell;      // the main panel, which owns every window of the program
    QWidget* parent;     // the new widget's parent: the panel, or the page host for pages
    // Opens a window that a page asks for (a game, the diary).
    std::function<void(PageWindow)> openPageWindow;
};

// Each window library exports its factories in this shape; the shell lists them in one
// table (src/app/ShellTables.cpp).
using WindowFactory = QWidget* (*)(const WindowContext& context);
