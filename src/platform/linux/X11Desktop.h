#pragma once
#include <QAbstractNativeEventFilter>
#include <QList>
#include <QMap>

#include "platform/Desktop.h"

struct xcb_connection_t;
typedef struct _XCBKeySymbols xcb_key_symbols_t;

// The X11 desktop through Qt's xcb connection: screen and work area from the primary screen,
// the pointer from QCursor, global hot keys as key grabs on the root window (one for each
// NumLock/CapsLock state, so the keys work whatever the lock keys say).
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

    xcb_connection_t* m_connection = nullptr;
    quint32 m_root = 0;
    xcb_key_symbols_t* m_symbols = nullptr;
    QMap<int, Grab> m_grabs;
};
