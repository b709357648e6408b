// Other programs' top-level windows and the mouse buttons on an X11 desktop.
#include "platform/linux/X11Desktop.h"

#include <QGuiApplication>
#include <QWindow>

#include <cstdlib>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

namespace {

// ICCCM WM_STATE values.
constexpr int WithdrawnState = 0;
constexpr int IconicState = 3;

// _NET_WM_STATE actions.
constexpr quint32 StateRemove = 0;
constexpr quint32 StateAdd = 1;

// The source indication of a pager: window managers honour its requests.
constexpr quint32 SourcePager = 2;

// Waits for a request's outcome and drops its error: a window that went away meanwhile is
// no fault of the program's.
bool succeeded(xcb_connection_t* c, xcb_void_cookie_t cookie)
{
    xcb_generic_error_t* error = xcb_request_check(c, cookie);
    std::free(error);
    return !error;
}

} // namespace

QByteArray X11Desktop::propertyBytes(quint32 window, const QByteArray& property, quint32 type) const
{
    QByteArray out;
    const xcb_atom_t name = atom(property);
    if (!m_connection || !name)
        return out;
    xcb_generic_error_t* error = nullptr;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, name, type ? type : quint32(XCB_GET_PROPERTY_TYPE_ANY), 0, 65536),
        &error);
    std::free(error);
    if (reply && reply->type != XCB_ATOM_NONE)
        out = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                         xcb_get_property_value_length(reply) * (reply->format / 8));
    std::free(reply);
    return out;
}

QList<quint32> X11Desktop::windowListProperty(quint32 window, const QByteArray& property, bool* present) const
{
    QList<quint32> out;
    if (present)
        *present = false;
    const xcb_atom_t name = atom(property);
    if (!m_connection || !name)
        return out;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 65536), nullptr);
    if (reply && reply->type != XCB_ATOM_NONE && reply->format == 32) {
        if (present)
            *present = true;
        const auto* data = static_cast<const quint32*>(xcb_get_property_value(reply));
        for (int i = 0; i < xcb_get_property_value_length(reply) / 4; ++i)
            out.append(data[i]);
    }
    std::free(reply);
    return out;
}

QList<quint32> X11Desktop::atomsProperty(quint32 window, const QByteArray& property) const
{
    return windowListProperty(window, property);
}

bool X11Desktop::hasWindowManager() const
{
    bool present = false;
    windowListProperty(m_root, QByteArrayLiteral("_NET_CLIENT_LIST"), &present);
    return present;
}

bool X11Desktop::isManaged(quint32 window) const
{
    return windowListProperty(m_root, QByteArrayLiteral("_NET_CLIENT_LIST")).contains(window);
}

bool X11Desktop::isOwnWindow(quint32 window) const
{
    for (QWindow* w : QGuiApplication::allWindows())
        if (w->handle() && w->winId() == window)
            return true;
    return false;
}

int X11Desktop::wmState(quint32 window) const
{
    const QList<quint32> state = windowListProperty(window, QByteArrayLiteral("WM_STATE"));
    return state.isEmpty() ? WithdrawnState : int(state.first());
}

QMargins X11Desktop::frameExtents(quint32 window) const
{
    const QList<quint32> e = windowListProperty(window, QByteArrayLiteral("_NET_FRAME_EXTENTS"));
    if (e.size() != 4)
        return {};
    return QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3])); // left, right, top, bottom
}

void X11Desktop::sendToRoot(quint32 window, const QByteArray& type, quint32 d0, quint32 d1, quint32 d2, quint32 d3,
                            quint32 d4)
{
    xcb_client_message_event_t event = {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = atom(type);
    event.data.data32[0] = d0;
    event.data.data32[1] = d1;
    event.data.data32[2] = d2;
    event.data.data32[3] = d3;
    event.data.data32[4] = d4;
    xcb_send_event(m_connection, 0, m_root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

QList<Desktop::WindowId> X11Desktop::visibleWindows() const
{
    QList<WindowId> out;
    if (!m_connection)
        return out;
    bool managed = false;
    QList<quint32> windows = windowListProperty(m_root, QByteArrayLiteral("_NET_CLIENT_LIST"), &managed);
    if (!managed) {
        // No window manager: the root window's children as the server has them.
        if (xcb_query_tree_reply_t* tree = xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr)) {
            const xcb_window_t* children = xcb_query_tree_children(tree);
            for (int i = 0; i < xcb_query_tree_children_length(tree); ++i)
                windows.append(children[i]);
            std::free(tree);
        }
    }
    for (quint32 w : std::as_const(windows)) {
        if (isOwnWindow(w) || !isWindowVisible(w))
            continue;
        if (!managed) {
            // Menus, tips and the like are not windows of their own to the user.
            xcb_get_window_attributes_reply_t* a =
                xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, w), nullptr);
            const bool popup = !a || a->override_redirect || a->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT;
            std::free(a);
            if (popup)
                continue;
        }
        out.append(w);
    }
    return out;
}

QString X11Desktop::windowTitle(WindowId window) const
{
    const QByteArray name = propertyBytes(quint32(window), QByteArrayLiteral("_NET_WM_NAME"), atom(QByteArrayLiteral("UTF8_STRING")));
    if (!name.isEmpty())
        return QString::fromUtf8(name);
    // WM_NAME is Latin-1 (STRING); many programs put UTF-8 there, which the check keeps.
    const QByteArray legacy = propertyBytes(quint32(window), QByteArrayLiteral("WM_NAME"));
    const QString utf8 = QString::fromUtf8(legacy);
    return utf8.contains(QChar::ReplacementCharacter) ? QString::fromLatin1(legacy) : utf8;
}

QString X11Desktop::windowClass(WindowId window) const
{
    // "instance\0class\0"
    const QList<QByteArray> parts = propertyBytes(quint32(window), QByteArrayLiteral("WM_CLASS"), XCB_ATOM_STRING).split('\0');
    return parts.size() >= 2 ? QString::fromLatin1(parts[1]) : QString();
}

Desktop::WindowType X11Desktop::windowType(WindowId window) const
{
    const QList<quint32> types = atomsProperty(quint32(window), QByteArrayLiteral("_NET_WM_WINDOW_TYPE"));
    if (types.contains(atom(QByteArrayLiteral("_NET_WM_WINDOW_TYPE_DESKTOP"))))
        return WindowType::DesktopIcons;
    if (types.contains(atom(QByteArrayLiteral("_NET_WM_WINDOW_TYPE_DOCK"))))
        return WindowType::TaskBar;
    return WindowType::Normal;
}

bool X11Desktop::isWindowVisible(WindowId window) const
{
    if (!m_connection)
        return false;
    xcb_generic_error_t* error = nullptr;
    xcb_get_window_attributes_reply_t* a =
        xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, xcb_window_t(window)), &error);
    std::free(error);
    if (!a)
        return false;
    const bool viewable = a->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(a);
    // A minimised window is still one of the desktop's visible windows.
    return viewable || wmState(quint32(window)) == IconicState;
}

Desktop::WindowPlacement X11Desktop::windowPlacement(WindowId window) const
{
    WindowPlacement p;
    if (!m_connection)
        return p;
    const xcb_window_t w = xcb_window_t(window);
    xcb_generic_error_t* error = nullptr;
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, w), &error);
    std::free(error);
    error = nullptr;
    xcb_translate_coordinates_reply_t* t =
        xcb_translate_coordinates_reply(m_connection, xcb_translate_coordinates(m_connection, w, m_root, 0, 0), &error);
    std::free(error);
    if (g && t) {
        const QMargins e = frameExtents(w);
        p.frame = QRect(t->dst_x, t->dst_y, g->width, g->height).marginsAdded(e);
        const QList<quint32> state = atomsProperty(w, QByteArrayLiteral("_NET_WM_STATE"));
        if (wmState(w) == IconicState || state.contains(atom(QByteArrayLiteral("_NET_WM_STATE_HIDDEN"))))
            p.state = WindowPlacement::Minimized;
        else if (state.contains(atom(QByteArrayLiteral("_NET_WM_STATE_MAXIMIZED_VERT")))
                 && state.contains(atom(QByteArrayLiteral("_NET_WM_STATE_MAXIMIZED_HORZ"))))
            p.state = WindowPlacement::Maximized;
    }
    std::free(g);
    std::free(t);
    return p;
}

void X11Desktop::setWindowPlacement(WindowId window, const WindowPlacement& placement)
{
    if (!m_connection || placement.isNull())
        return;
    const xcb_window_t w = xcb_window_t(window);
    if (isManaged(w)) {
        placeManaged(w, placement, frameExtents(w));
    } else {
        const quint32 values[4] = {quint32(placement.frame.x()), quint32(placement.frame.y()),
                                   quint32(qMax(1, placement.frame.width())), quint32(qMax(1, placement.frame.height()))};
        succeeded(m_connection, xcb_configure_window_checked(m_connection, w,
                                                             XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH
                                                                 | XCB_CONFIG_WINDOW_HEIGHT,
                                                             values));
    }
    xcb_flush(m_connection);
}

void X11Desktop::placeManaged(quint32 w, const WindowPlacement& placement, const QMargins& extents)
{
    const QRect client = placement.frame.marginsRemoved(extents);
    const quint32 maxVert = atom(QByteArrayLiteral("_NET_WM_STATE_MAXIMIZED_VERT"));
    const quint32 maxHorz = atom(QByteArrayLiteral("_NET_WM_STATE_MAXIMIZED_HORZ"));
    // A maximised window keeps the size the window manager gives it: only the state.
    if (placement.state == WindowPlacement::Maximized) {
        sendToRoot(w, QByteArrayLiteral("_NET_WM_STATE"), StateAdd, maxVert, maxHorz, SourcePager);
    } else {
        sendToRoot(w, QByteArrayLiteral("_NET_WM_STATE"), StateRemove, maxVert, maxHorz, SourcePager);
        // North-west gravity: x and y place the frame's top-left corner.
        const quint32 flags = XCB_GRAVITY_NORTH_WEST | (0xFu << 8) | (SourcePager << 12);
        sendToRoot(w, QByteArrayLiteral("_NET_MOVERESIZE_WINDOW"), flags, quint32(placement.frame.x()),
                   quint32(placement.frame.y()), quint32(qMax(1, client.width())), quint32(qMax(1, client.height())));
    }
    if (placement.state == WindowPlacement::Minimized)
        sendToRoot(w, QByteArrayLiteral("WM_CHANGE_STATE"), IconicState);
}

void X11Desktop::hideWindow(WindowId window)
{
    if (!m_connection || !window || isOwnWindow(quint32(window)))
        return;
    const xcb_window_t w = xcb_window_t(window);
    Hidden hidden{windowPlacement(window), frameExtents(w)};
    if (hidden.placement.isNull())
        return; // gone
    if (!m_hidden.contains(w))
        m_hidden.insert(w, hidden);
    succeeded(m_connection, xcb_unmap_window_checked(m_connection, w));
    // ICCCM withdrawal: the synthetic UnmapNotify also withdraws a minimised window, whose
    // own unmapping the window manager did.
    xcb_unmap_notify_event_t event = {};
    event.response_type = XCB_UNMAP_NOTIFY;
    event.event = m_root;
    event.window = w;
    event.from_configure = 0;
    xcb_send_event(m_connection, 0, m_root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(m_connection);
}

void X11Desktop::showWindow(WindowId window)
{
    if (!m_connection || !window)
        return;
    const xcb_window_t w = xcb_window_t(window);
    const auto it = m_hidden.constFind(w);
    if (it == m_hidden.cend()) {
        // Not hidden here: map it (a minimised window is brought back by activating it).
        if (wmState(w) == IconicState)
            activateWindow(window);
        else
            succeeded(m_connection, xcb_map_window_checked(m_connection, w));
        xcb_flush(m_connection);
        return;
    }
    Hidden hidden = *it;
    m_hidden.erase(it);
    // Shown normally where it was: a window minimised when it was hidden comes back restored.
    if (hidden.placement.state == WindowPlacement::Minimized)
        hidden.placement.state = WindowPlacement::Normal;
    // The window is the root's child again: put it where its client area was, for a window
    // manager that places windows by their position, and for none at all.
    const QRect client = hidden.placement.frame.marginsRemoved(hidden.extents);
    const quint32 position[2] = {quint32(client.x()), quint32(client.y())};
    succeeded(m_connection, xcb_configure_window_checked(m_connection, w, XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y, position));
    if (!succeeded(m_connection, xcb_map_window_checked(m_connection, w)))
        return; // gone
    // The window manager takes the map request before these messages (its events arrive in
    // the order of our requests), so it has managed the window when it places it.
    if (hasWindowManager())
        placeManaged(w, hidden.placement, hidden.extents);
    xcb_flush(m_connection);
}

void X11Desktop::activateWindow(WindowId window)
{
    if (!m_connection || !window)
        return;
    const xcb_window_t w = xcb_window_t(window);
    if (hasWindowManager()) {
        sendToRoot(w, QByteArrayLiteral("_NET_ACTIVE_WINDOW"), SourcePager, XCB_CURRENT_TIME, 0);
    } else {
        const quint32 above = XCB_STACK_MODE_ABOVE;
        succeeded(m_connection, xcb_configure_window_checked(m_connection, w, XCB_CONFIG_WINDOW_STACK_MODE, &above));
        succeeded(m_connection, xcb_set_input_focus_checked(m_connection, XCB_INPUT_FOCUS_POINTER_ROOT, w, XCB_CURRENT_TIME));
    }
    xcb_flush(m_connection);
}

void X11Desktop::showHiddenWindows()
{
    const QList<quint32> windows = m_hidden.keys();
    for (quint32 w : windows)
        showWindow(w);
}

bool X11Desktop::watchMouseButtons(bool on)
{
    if (!m_connection)
        return false;
    if (!m_xinputOpcode) {
        const xcb_query_extension_reply_t* ext = xcb_get_extension_data(m_connection, &xcb_input_id);
        if (!ext || !ext->present)
            return false;
        m_xinputOpcode = ext->major_opcode;
    }
    if (on == m_watchingButtons)
        return true;
    struct
    {
        xcb_input_event_mask_t head;
        quint32 mask;
    } mask = {{XCB_INPUT_DEVICE_ALL_MASTER, 1},
              on ? quint32(XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_PRESS | XCB_INPUT_XI_EVENT_MASK_RAW_BUTTON_RELEASE) : 0u};
    if (!succeeded(m_connection, xcb_input_xi_select_events_checked(m_connection, m_root, 1, &mask.head)))
        return false;
    m_watchingButtons = on;
    return true;
}

bool X11Desktop::handleMouseEvent(const void* message)
{
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_GE_GENERIC)
        return false;
    const auto* ge = static_cast<const xcb_ge_generic_event_t*>(message);
    if (ge->extension != m_xinputOpcode
        || (ge->event_type != XCB_INPUT_RAW_BUTTON_PRESS && ge->event_type != XCB_INPUT_RAW_BUTTON_RELEASE))
        return false;
    const auto* raw = static_cast<const xcb_input_raw_button_press_event_t*>(message);
    Q_EMIT mouseButton(int(raw->detail), ge->event_type == XCB_INPUT_RAW_BUTTON_PRESS);
    return true;
}
