#pragma once
#include <QString>

class QWidget;

// The help of the program: one viewer window (a QTextBrowser) showing the page
// <help dir>/<context>.html, where the help dir is <program dir>/help unless a test
// sets another. Asking again reuses the window, loads the new page and raises it.
class HelpViewer
{
public:
    static void show(int context, QWidget* parent = nullptr);
    // The context last asked for (0 before the first request).
    static int lastContext();
    // Test mode: requests are recorded (lastContext) but no window opens.
    static void setTestMode(bool on);
    static void setHelpDir(const QString& dir);
    static QString helpDir();
    // The page file of a context.
    static QString pageFile(int context);
    // The viewer window, or null when none has been opened (objectName "helpViewer";
    // its browser is "helpBrowser").
    static QWidget* window();
};
