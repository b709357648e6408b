#include "platform/linux/SystemClock.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <ctime>

namespace {
// Long enough for the user to answer the password prompt.
constexpr int InteractiveTimeoutMs = 120000;
} // namespace

qint64 SystemClock::now() const
{
    return qint64(std::time(nullptr));
}

qint64 SystemClock::nowMs() const
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

qint64 SystemClock::tickMs() const
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

bool SystemClock::setSystemTime(const QDateTime& moment)
{
    if (!moment.isValid())
        return false;
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.timedate1"),
                                                       QStringLiteral("/org/freedesktop/timedate1"),
                                                       QStringLiteral("org.freedesktop.timedate1"),
                                                       QStringLiteral("SetTime"));
    call.setInteractiveAuthorizationAllowed(true);
    const qint64 usecUtc = moment.toMSecsSinceEpoch() * 1000;
    call << QVariant::fromValue(usecUtc) << false << true; // absolute, interactive
    const QDBusMessage reply = bus.call(call, QDBus::Block, InteractiveTimeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage;
}
