#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

// The desktop the program runs on: screen geometry, the pointer, global hot keys, other
// programs' top-level windows and the mouse buttons.
class Desktop : public QObject
{
    Q_OBJECT
public:
    // Modifier flags of a registered hot key (the system encoding).
    enum Modifier : int { Alt = 1, Control = 2, Shift = 4 };

    // Converts the hot-key-control flags the profile stores (1 = Shift, 2 = Control, 4 = Alt)
    // into the flags registerHotKey takes.
    static int modifiersFromHotKeyFlags(int flags)
    {
        return ((flags & 1) ? Shift : 0) | ((flags & 2) ? Control : 0) | ((flags & 4) ? Alt : 0);
    }

    // A top-level window by the window system's id.
    using WindowId = quintptr;

    // What a top-level window is to the desktop: the desktop-icon window, a task bar or
    // panel, or anything else.
    enum class WindowType { Normal, DesktopIcons, TaskBar };

    // Where a window is and how it is shown. A null `frame` holds no placement.
    struct WindowPlacement
    {
        enum State { Normal, Minimized, Maximized };
        QRect frame; // the outer rectangle, decorations included, in screen pixels
        State state = Normal;
        bool isNull() const { return frame.isNull(); }
        friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
    };

    using QObject::QObject;
    ~Desktop() override = default;

    virtual QRect screenGeometry() const = 0;
    virtual QRect workArea() const = 0;
    virtual QPoint cursorPos() const = 0;

    // Grabs a key combination for the whole desktop. `virtualKey` is a Windows virtual key
    // code as the profile stores it. False when the key is taken or cannot be mapped.
    virtual bool registerHotKey(int id, int modifiers, int virtualKey) = 0;
    virtual void unregisterHotKey(int id) = 0;

    // Marks a top-level window of the program: sets the named integer window property
    // (how a second start recognises the first) and keeps the window off the task bar and
    // the pager. Does nothing where the desktop has no such notions.
    virtual void markToolWindow(quintptr windowId, const QByteArray& property, int value)
    {
        Q_UNUSED(windowId);
        Q_UNUSED(property);
        Q_UNUSED(value);
    }

    // Other programs' top-level windows (the program's own are never listed). Operations on
    // a window that has gone do nothing.
    //
    // The visible ones (minimised windows count as visible) in the window manager's order.
    virtual QList<WindowId> visibleWindows() const = 0;
    virtual QString windowTitle(WindowId window) const = 0;
    // The class part of the window's class name ("XTerm").
    virtual QString windowClass(WindowId window) const = 0;
    virtual WindowType windowType(WindowId window) const = 0;
    virtual bool isWindowVisible(WindowId window) const = 0;
    // Hides the window; it leaves the window manager's lists. Every window hidden here and
    // not shown again is shown when the desktop object is destroyed, so no window stays
    // unreachable after the program ends.
    virtual void hideWindow(WindowId window) = 0;
    // Shows a window again, where it was when it was hidden here.
    virtual void showWindow(WindowId window) = 0;
    virtual WindowPlacement windowPlacement(WindowId window) const = 0;
    // Moves and sizes the window and gives it the placement's state; a null placement does
    // nothing.
    virtual void setWindowPlacement(WindowId window, const WindowPlacement& placement) = 0;
    // Brings the window to the front and gives it the focus.
    virtual void activateWindow(WindowId window) = 0;

    // Mouse buttons pressed and released anywhere on the desktop (whatever window gets
    // them) are reported through mouseButton while watching is on. False when the desktop
    // cannot report them.
    virtual bool watchMouseButtons(bool on) = 0;

Q_SIGNALS:
    void hotKeyPressed(int id);
    // While watching: button 1 left, 2 middle, 3 right.
    void mouseButton(int button, bool pressed);
};
