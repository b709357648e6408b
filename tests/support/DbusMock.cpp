#include "support/DbusMock.h"

#include "support/TestWait.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>

namespace {

const QString MockInterface = QStringLiteral("org.freedesktop.DBus.Mock");

QDBusMessage call(const QString& service, const QString& path, const QString& interface, const QString& method,
                  const QVariantList& args = {})
{
    QDBusMessage m = QDBusMessage::createMethodCall(service, path, interface, method);
    m.setArguments(args);
    return QDBusConnection::sessionBus().call(m, QDBus::Block, 10000);
}

} // namespace

DbusMock::DbusMock() = default;

DbusMock::~DbusMock()
{
    m_mocks.clear();
    m_bus.stop();
}

bool DbusMock::start()
{
    const QString socket = m_dir.file(QStringLiteral("bus"));
    const QString address = QStringLiteral("unix:path=") + socket;
    if (!m_bus.start(QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--nopidfile"),
                      QStringLiteral("--address=") + address},
                     {}, {}, m_dir.file(QStringLiteral("bus.log")))
        || !waitUntil([&] { return QFileInfo::exists(socket); }, 10000)) {
        m_error = QStringLiteral("dbus-daemon did not start");
        return false;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", address.toLocal8Bit());
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address.toLocal8Bit());
    return true;
}

bool DbusMock::startTemplate(const QString& name, const QString& service)
{
    auto mock = std::make_unique<ChildProcess>();
    const QString log = m_dir.file(name + QStringLiteral(".log"));
    if (!mock->start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-m"), QStringLiteral("dbusmock"), QStringLiteral("--template"), name}, {}, log, log)) {
        m_error = QStringLiteral("python3-dbusmock did not start");
        return false;
    }
    ChildProcess& started = *mock;
    m_mocks.push_back(std::move(mock));
    const bool up = waitUntil(
        [&] {
            return !started.isRunning()
                || QDBusConnection::sessionBus().interface()->isServiceRegistered(service).value();
        },
        20000);
    if (!up || !started.isRunning()) {
        m_error = QStringLiteral("the %1 mock did not come up: %2").arg(name, QString::fromLocal8Bit(m_dir.read(name + QStringLiteral(".log"))));
        return false;
    }
    return true;
}

QList<DbusMock::Call> DbusMock::calls(const QString& service, const QString& path) const
{
    const QDBusMessage reply = call(service, path, MockInterface, QStringLiteral("GetCalls"));
    QList<Call> result;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return result;
    // a(tsav): time, method, arguments.
    const QDBusArgument arg = reply.arguments().constFirst().value<QDBusArgument>();
    arg.beginArray();
    while (!arg.atEnd()) {
        Call c;
        quint64 time = 0;
        arg.beginStructure();
        arg >> time >> c.method;
        arg.beginArray();
        while (!arg.atEnd()) {
            QDBusVariant v;
            arg >> v;
            c.args.append(v.variant());
        }
        arg.endArray();
        arg.endStructure();
        result.append(c);
    }
    arg.endArray();
    return result;
}

void DbusMock::clearCalls(const QString& service, const QString& path) const
{
    call(service, path, MockInterface, QStringLiteral("ClearCalls"));
}

bool DbusMock::replaceMethod(const QString& service, const QString& path, const QString& interface,
                             const QString& method, const QString& inSignature, const QString& outSignature,
                             const QString& code) const
{
    const QDBusMessage reply = call(service, path, MockInterface, QStringLiteral("AddMethod"),
                                    {interface, method, inSignature, outSignature, code});
    return reply.type() == QDBusMessage::ReplyMessage;
}
