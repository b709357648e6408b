#include "platform/linux/DbusSessionServices.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QGuiApplication>
#include <QProcess>

#include <xcb/xcb.h>

namespace {

constexpr int QuickTimeoutMs = 5000;
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
    if (!bus.interface() || !bus.interface()->isServiceRegistered(Login1).value())
        return false;
    QDBusMessage call = login1Call(QStringLiteral("/org/freedesktop/login1"),
                                   QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PowerOff"));
    call.setInteractiveAuthorizationAllowed(true);
    call << true;
    // The desktop may ask for a password first: the request goes out without waiting, so the
    // program (its alarms among them) keeps running while the user answers. A refusal then
    // simply leaves the machine on.
    return bus.send(call);
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
    // Our own session: the one logind names by XDG_SESSION_ID, else the one of this process,
    // else logind's "auto" (the caller's session or the user's display session).
    const QString manager = QStringLiteral("/org/freedesktop/login1");
    const QString managerInterface = QStringLiteral("org.freedesktop.login1.Manager");
    QList<QDBusMessage> lookups;
    const QString id = qEnvironmentVariable("XDG_SESSION_ID");
    if (!id.isEmpty())
        lookups.append(login1Call(manager, managerInterface, QStringLiteral("GetSession")) << id);
    lookups.append(login1Call(manager, managerInterface, QStringLiteral("GetSessionByPID"))
                   << quint32(QCoreApplication::applicationPid()));
    lookups.append(login1Call(manager, managerInterface, QStringLiteral("GetSession")) << QStringLiteral("auto"));
    QDBusMessage found;
    for (const QDBusMessage& lookup : std::as_const(lookups)) {
        found = system.call(lookup, QDBus::Block, QuickTimeoutMs);
        if (succeeded(found) && !found.arguments().isEmpty())
            break;
    }
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
