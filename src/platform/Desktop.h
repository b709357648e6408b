#pragma once
#include <QByteArray>
#include <QObject>
#include <QPoint>
#include <QRect>

// The desktop the program runs on: screen geometry, the pointer and global hot keys.
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

Q_SIGNALS:
    void hotKeyPressed(int id);
};
