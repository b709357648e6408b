#pragma once
#include <QAbstractNativeEventFilter>
#include <QHash>
#include <QList>
#include <QMap>
#include <QMargins>

#include "platform/Desktop.h"

struct xcb_connection_t;
typedef struct _XCBKeySymbols xcb_key_symbols_t;

// The X11 desktop through Qt's xcb connection: screen and work area from the primary screen,
// the pointer from QCursor, global hot keys as key grabs on the root window (one for each
// NumLock/CapsLock state, so the keys work whatever the lock keys say); other programs'
// windows through the window manager's hints (X11DesktopWindows.cpp); the mouse buttons as
// XInput2 raw events on the root window.
class X11Desktop final : public Desktop, public QAbstractNativeEventFilter
{
    Q_OBJECT
public:
    // Modifier 8 (the Windows key) is accepted as well and grabs Super (Mod4).
    enum : int { Win = 8 };

    explicit X11Desktop(QObject* parent = nullptr);
    ~X11Desktop() override;

    QRect screenGeometry() const override;
    QRect workArea() const override;
    QPoint cursorPos() const override;

    // False for key 0, a key code with no keysym or no key on this keyboard, a key another
    // program holds (BadAccess), or without an X display.
    bool registerHotKey(int id, int modifiers, int virtualKey) override;
    void unregisterHotKey(int id) override;
    void markToolWindow(quintptr windowId, const QByteArray& property, int value) override;

    // The window manager's client list (_NET_CLIENT_LIST), or without a window manager the
    // root window's mapped children. Hidden = unmapped and withdrawn from the window
    // manager (ICCCM), which drops the window from its list: its id and placement are kept
    // here, and it is mapped again at its place by showWindow or by the destructor.
    QList<WindowId> visibleWindows() const override;
    QString windowTitle(WindowId window) const override;
    QString windowClass(WindowId window) const override;
    WindowType windowType(WindowId window) const override;
    bool isWindowVisible(WindowId window) const override;
    void hideWindow(WindowId window) override;
    void showWindow(WindowId window) override;
    WindowPlacement windowPlacement(WindowId window) const override;
    void setWindowPlacement(WindowId window, const WindowPlacement& placement) override;
    void activateWindow(WindowId window) override;
    bool watchMouseButtons(bool on) override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // The X keysym for a Windows virtual key code; 0 when there is none.
    static quint32 keysymForVirtualKey(int virtualKey);

private:
    struct Grab
    {
        QList<quint8> keycodes;
        quint16 modifiers; // X modifier mask
    };
    void ungrab(const Grab& grab);
    QList<quint16> lockVariants() const;
    quint16 numLockMask() const;
    quint32 atom(const QByteArray& name) const;

    // X11DesktopWindows.cpp
    struct Hidden
    {
        WindowPlacement placement;
        QMargins extents; // the frame's, when the window was hidden
    };
    QList<quint32> windowListProperty(quint32 window, const QByteArray& property, bool* present = nullptr) const;
    QByteArray propertyBytes(quint32 window, const QByteArray& property, quint32 type = 0) const;
    QList<quint32> atomsProperty(quint32 window, const QByteArray& property) const;
    QMargins frameExtents(quint32 window) const;
    bool hasWindowManager() const;
    bool isManaged(quint32 window) const;
    bool isOwnWindow(quint32 window) const;
    int wmState(quint32 window) const;
    void sendToRoot(quint32 window, const QByteArray& type, quint32 d0, quint32 d1 = 0, quint32 d2 = 0, quint32 d3 = 0,
                    quint32 d4 = 0);
    void placeManaged(quint32 window, const WindowPlacement& placement, const QMargins& extents);
    void showHiddenWindows();
    bool handleMouseEvent(const void* event);

    xcb_connection_t* m_connection = nullptr;
    quint32 m_root = 0;
    xcb_key_symbols_t* m_symbols = nullptr;
    QMap<int, Grab> m_grabs;
    mutable QHash<QByteArray, quint32> m_atoms;
    QHash<quint32, Hidden> m_hidden;
    quint8 m_xinputOpcode = 0;
    bool m_watchingButtons = false;
};
