#include "DbusSessionServices.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QGuiApplication>
#include <QProcess>

#include <xcb/xcb.h>

namespace {

constexpr int QuickTimeoutMs = 5000;
constexpr int InteractiveTimeoutMs = 120000;
const QString Login1 = QStringLiteral("org.freedesktop.login1");

bool succeeded(const QDBusMessage& reply)
{
    return reply.type() == QDBusMessage::ReplyMessage;
}

QDBusMessage login1Call(const QString& path, const QString& interface, const QString& method)
{
    return QDBusMessage::createMethodCall(Login1, path, interface, method);
}

xcb_connection_t* x11Connection()
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app)
        return nullptr;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

} // namespace

bool DbusSessionServices::powerOff()
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = login1Call(QStringLiteral("/org/freedesktop/login1"),
                                   QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    call.setInteractiveAuthorizationAllowed(true);
    call << true;
    return succeeded(bus.call(call, QDBus::Block, InteractiveTimeoutMs));
}

bool DbusSessionServices::lockSession()
{
    QDBusConnection session = QDBusConnection::sessionBus();
    if (session.isConnected() && session.interface()
        && session.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.ScreenSaver")).value()) {
        const QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("/org/freedesktop/ScreenSaver"),
            QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("Lock"));
        if (succeeded(session.call(call, QDBus::Block, QuickTimeoutMs)))
            return true;
    }

    QDBusConnection system = QDBusConnection::systemBus();
    if (!system.isConnected())
        return false;
    // Our own session: the one logind names by XDG_SESSION_ID, else the one of this process.
    QDBusMessage find;
    const QString id = qEnvironmentVariable("XDG_SESSION_ID");
    if (!id.isEmpty()) {
        find = login1Call(QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
                          QStringLiteral("GetSession"));
        find << id;
    } else {
        find = login1Call(QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
                          QStringLiteral("GetSessionByPID"));
        find << quint32(QCoreApplication::applicationPid());
    }
    const QDBusMessage found = system.call(find, QDBus::Block, QuickTimeoutMs);
    if (!succeeded(found) || found.arguments().isEmpty())
        return false;
    const QString path = found.arguments().constFirst().value<QDBusObjectPath>().path();
    if (path.isEmpty())
        return false;
    const QDBusMessage lock = login1Call(path, QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Lock"));
    return succeeded(system.call(lock, QDBus::Block, QuickTimeoutMs));
}

bool DbusSessionServices::startScreenSaver()
{
    if (xcb_connection_t* c = x11Connection()) {
        const xcb_void_cookie_t cookie = xcb_force_screen_saver_checked(c, XCB_SCREEN_SAVER_ACTIVE);
        xcb_generic_error_t* error = xcb_request_check(c, cookie);
        const bool ok = !error;
        free(error);
        if (ok)
            return true;
    }
    return QProcess::execute(QStringLiteral("xdg-screensaver"), {QStringLiteral("activate")}) == 0;
}
