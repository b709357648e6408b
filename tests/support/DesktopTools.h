#pragma once
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

// Helpers for tests that run the real program on the private X desktop.

// Copies what the build puts into the program directory (build/bin: the executable, its
// library, pictures, sounds and help, but no data files a run left there) into `to`
// (ending in '/'), keeping the files' permissions, so a test's data files stay its own.
bool copyProgramDir(const QString& from, const QString& to);

// The visible windows whose title matches the regular expression (xdotool matches without
// regard to case).
QStringList visibleWindows(const QString& pattern);
// The visible windows whose title is exactly `title` (the panel "Quillora" and a message box
// captioned "quillora" differ only in case).
QStringList visibleWindowsTitled(const QString& title);
// A window's geometry as xdotool reports it; an empty rectangle when it cannot.
QRect windowGeometry(const QString& id);

// The window's contents as the X server shows them now; a null image when it cannot.
QImage windowImage(const QString& id);

// Copies the program directory like copyProgramDir and writes the profile that makes
// Control + Alt + K the panel's show/hide hot key.
bool prepareProgramDir(const QString& from, const QString& to);

// The program's visible windows (its panel, tray icon, menus and message boxes).
QStringList programWindows();

// Runs xdotool with the arguments; a failure is a test failure (and false).
bool xdotool(const QStringList& args);

class ChildProcess;
// Starts an xterm titled `title` with its frame's top-left corner at `topLeft` and waits
// until it is shown; its X window id ("12582914"), or empty when it did not come up.
QString startXterm(ChildProcess& process, const QString& title, const QPoint& topLeft = QPoint(100, 100));
// Whether a window is mapped and viewable (xwininfo).
bool isMapped(const QString& id);
