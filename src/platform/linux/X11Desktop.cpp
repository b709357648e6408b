#include "platform/linux/X11Desktop.h"

#include "platform/VirtualKeys.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <cstdlib>

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>

namespace {

constexpr quint16 UsedModifiers = XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_4;

} // namespace

X11Desktop::X11Desktop(QObject* parent) : Desktop(parent)
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    auto* x11 = app ? app->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    m_connection = x11 ? x11->connection() : nullptr;
    if (!m_connection)
        return;
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
    if (!it.rem) {
        m_connection = nullptr;
        return;
    }
    m_root = it.data->root;
    m_symbols = xcb_key_symbols_alloc(m_connection);
    app->installNativeEventFilter(this);
}

X11Desktop::~X11Desktop()
{
    if (!m_connection)
        return;
    if (auto* app = QCoreApplication::instance())
        app->removeNativeEventFilter(this);
    watchMouseButtons(false);
    showHiddenWindows();
    for (const Grab& g : std::as_const(m_grabs))
        ungrab(g);
    xcb_flush(m_connection);
    xcb_key_symbols_free(m_symbols);
}

QRect X11Desktop::screenGeometry() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect();
}

QRect X11Desktop::workArea() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

QPoint X11Desktop::cursorPos() const
{
    return QCursor::pos();
}

quint32 X11Desktop::keysymForVirtualKey(int vk)
{
    return VirtualKeys::keysym(vk);
}

quint16 X11Desktop::numLockMask() const
{
    quint16 mask = 0;
    xcb_get_modifier_mapping_reply_t* map =
        xcb_get_modifier_mapping_reply(m_connection, xcb_get_modifier_mapping(m_connection), nullptr);
    if (!map)
        return XCB_MOD_MASK_2;
    xcb_keycode_t* numLock = xcb_key_symbols_get_keycode(m_symbols, 0xff7f);
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(map);
    const int perModifier = map->keycodes_per_modifier;
    for (int m = 0; m < 8 && numLock; ++m)
        for (int k = 0; k < perModifier; ++k)
            for (const xcb_keycode_t* n = numLock; *n != XCB_NO_SYMBOL; ++n)
                if (codes[m * perModifier + k] == *n)
                    mask |= quint16(1 << m);
    std::free(numLock);
    std::free(map);
    return mask ? mask : quint16(XCB_MOD_MASK_2);
}

QList<quint16> X11Desktop::lockVariants() const
{
    const quint16 num = numLockMask();
    return {0, XCB_MOD_MASK_LOCK, num, quint16(num | XCB_MOD_MASK_LOCK)};
}

bool X11Desktop::registerHotKey(int id, int modifiers, int virtualKey)
{
    unregisterHotKey(id);
    if (!m_connection || virtualKey == 0)
        return false;
    const quint32 keysym = keysymForVirtualKey(virtualKey);
    if (!keysym)
        return false;
    Grab grab;
    grab.modifiers = quint16(((modifiers & Alt) ? XCB_MOD_MASK_1 : 0) | ((modifiers & Control) ? XCB_MOD_MASK_CONTROL : 0)
                             | ((modifiers & Shift) ? XCB_MOD_MASK_SHIFT : 0) | ((modifiers & Win) ? XCB_MOD_MASK_4 : 0));
    if (xcb_keycode_t* codes = xcb_key_symbols_get_keycode(m_symbols, keysym)) {
        for (const xcb_keycode_t* c = codes; *c != XCB_NO_SYMBOL; ++c)
            if (!grab.keycodes.contains(*c))
                grab.keycodes.append(*c);
        std::free(codes);
    }
    if (grab.keycodes.isEmpty())
        return false;

    QList<xcb_void_cookie_t> cookies;
    for (quint8 code : std::as_const(grab.keycodes))
        for (quint16 variant : lockVariants())
            cookies.append(xcb_grab_key_checked(m_connection, 1, m_root, quint16(grab.modifiers | variant), code,
                                                XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    bool ok = true;
    for (const xcb_void_cookie_t& cookie : std::as_const(cookies)) {
        // BadAccess: another program holds the key; the registration fails quietly.
        xcb_generic_error_t* error = xcb_request_check(m_connection, cookie);
        ok = ok && !error;
        std::free(error);
    }
    if (!ok) {
        ungrab(grab);
        xcb_flush(m_connection);
        return false;
    }
    m_grabs.insert(id, grab);
    return true;
}

void X11Desktop::ungrab(const Grab& grab)
{
    for (quint8 code : grab.keycodes)
        for (quint16 variant : lockVariants())
            xcb_ungrab_key(m_connection, code, m_root, quint16(grab.modifiers | variant));
}

void X11Desktop::unregisterHotKey(int id)
{
    const auto it = m_grabs.constFind(id);
    if (it == m_grabs.cend())
        return;
    // Another id may grab the same combination: keep the X grab then.
    const Grab grab = *it;
    m_grabs.erase(it);
    for (const Grab& other : std::as_const(m_grabs))
        if (other.modifiers == grab.modifiers && other.keycodes == grab.keycodes)
            return;
    ungrab(grab);
    xcb_flush(m_connection);
}

bool X11Desktop::nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result)
{
    Q_UNUSED(result);
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if (m_watchingButtons && handleMouseEvent(event))
        return true;
    if (m_grabs.isEmpty())
        return false;
    if ((event->response_type & 0x7f) != XCB_KEY_PRESS)
        return false;
    const auto* press = reinterpret_cast<const xcb_key_press_event_t*>(event);
    const quint16 state = press->state & UsedModifiers;
    for (auto it = m_grabs.cbegin(); it != m_grabs.cend(); ++it)
        if (it->modifiers == state && it->keycodes.contains(press->detail)) {
            Q_EMIT hotKeyPressed(it.key());
            return true;
        }
    return false;
}

quint32 X11Desktop::atom(const QByteArray& name) const
{
    if (const auto it = m_atoms.constFind(name); it != m_atoms.cend())
        return *it;
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, quint16(name.size()), name.constData()), nullptr);
    const quint32 a = reply ? reply->atom : 0;
    free(reply);
    if (a)
        m_atoms.insert(name, a);
    return a;
}

void X11Desktop::markToolWindow(quintptr windowId, const QByteArray& property, int value)
{
    if (!m_connection || !windowId)
        return;
    const xcb_window_t window = xcb_window_t(windowId);
    const quint32 v = quint32(value);
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, atom(property), XCB_ATOM_CARDINAL, 32, 1, &v);

    const xcb_atom_t state = atom(QByteArrayLiteral("_NET_WM_STATE"));
    const xcb_atom_t skip[2] = {atom(QByteArrayLiteral("_NET_WM_STATE_SKIP_TASKBAR")), atom(QByteArrayLiteral("_NET_WM_STATE_SKIP_PAGER"))};
    // A window not yet mapped carries the state in its property (the toolkit merges its own
    // states into it when it maps the window); a mapped one asks the window manager.
    QList<xcb_atom_t> atoms;
    if (xcb_get_property_reply_t* reply = xcb_get_property_reply(
            m_connection, xcb_get_property(m_connection, 0, window, state, XCB_ATOM_ATOM, 0, 1024), nullptr)) {
        if (reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
            const auto* data = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
            for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i)
                atoms.append(data[i]);
        }
        free(reply);
    }
    for (xcb_atom_t a : skip)
        if (!atoms.contains(a))
            atoms.append(a);
    xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, state, XCB_ATOM_ATOM, 32, quint32(atoms.size()), atoms.constData());

    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = state;
    event.data.data32[0] = 1; // add
    event.data.data32[1] = skip[0];
    event.data.data32[2] = skip[1];
    event.data.data32[3] = 1; // from a normal application
    xcb_send_event(m_connection, 0, m_root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(m_connection);
}
