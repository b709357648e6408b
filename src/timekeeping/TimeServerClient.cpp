#include "timekeeping/TimeServerClient.h"

#include "platform/Clock.h"
#include "platform/Network.h"

#include <QLocale>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QtEndian>

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The old and new time of the report: the short date and the 24-hour time of the user's
// locale, and the milliseconds.
struct ReportTime
{
    QString date;
    QString time;
    int ms;
};

ReportTime reportTime(qint64 msSince1970)
{
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(msSince1970, Qt::LocalTime);
    return {QLocale().toString(local.date(), QLocale::ShortFormat), local.time().toString(QStringLiteral("HH:mm:ss")),
            local.time().msec()};
}

QString ms3(int ms)
{
    return QStringLiteral("%1").arg(ms, 3, 10, QLatin1Char('0'));
}

} // namespace

TimeServerClient::TimeServerClient(Clock& clock, Network& network, QObject* parent)
    : QObject(parent), m_clock(clock), m_network(network), m_selected(servers().constFirst())
{
}

TimeServerClient::~TimeServerClient()
{
    closeSocket();
}

QStringList TimeServerClient::servers()
{
    // NIST's Internet Time Service in Gaithersburg, Fort Collins (WWV) and Boulder, which
    // answer the Time protocol on port 37.
    return {
        QStringLiteral("129.6.15.28"),  QStringLiteral("129.6.15.29"),  QStringLiteral("129.6.15.30"),
        QStringLiteral("129.6.15.27"),  QStringLiteral("129.6.15.26"),  QStringLiteral("132.163.97.1"),
        QStringLiteral("132.163.97.2"), QStringLiteral("132.163.97.3"), QStringLiteral("132.163.97.4"),
        QStringLiteral("132.163.97.6"), QStringLiteral("132.163.96.1"), QStringLiteral("132.163.96.2"),
        QStringLiteral("132.163.96.3"), QStringLiteral("132.163.96.4"),
    };
}

QString TimeServerClient::socketLayerDescription()
{
    return QStringLiteral("TCP/IP sockets of %1 %2").arg(QSysInfo::kernelType(), QSysInfo::kernelVersion());
}

qint64 TimeServerClient::secondsSince1970(quint32 count)
{
    qint64 since1900 = count;
    if (count < 0x80000000u)
        since1900 += qint64(1) << 32; // the next era: 2036-02-07 06:28:16 UTC and later
    return since1900 - SecondsFrom1900To1970;
}

void TimeServerClient::selectServer(const QString& address)
{
    m_selected = address;
}

void TimeServerClient::append(const QString& text)
{
    m_log += text;
    Q_EMIT logChanged();
}

void TimeServerClient::setLog(const QString& text)
{
    m_log = text;
    Q_EMIT logChanged();
}

void TimeServerClient::setTicking(bool on)
{
    if (m_ticking == on)
        return;
    m_ticking = on;
    Q_EMIT tickingChanged(on);
}

void TimeServerClient::closeSocket()
{
    delete m_writeNotifier;
    m_writeNotifier = nullptr;
    delete m_readNotifier;
    m_readNotifier = nullptr;
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void TimeServerClient::fail(const QString& text)
{
    append(text);
    closeSocket();
    setTicking(false);
    m_state = State::Failed;
    Q_EMIT finished();
}

void TimeServerClient::calibrate()
{
    if (!m_enabled)
        return;
    // A new press starts over, whatever became of the previous exchange.
    closeSocket();
    setTicking(false);
    m_received.clear();
    m_state = State::Idle;
    setLog({});
    m_server = m_selected;

    append(QStringLiteral("Started up %1\r\n").arg(socketLayerDescription()));
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, IPPROTO_TCP);
    if (fd < 0) {
        fail(QStringLiteral("Socket failed in creation! #%1\r\n").arg(errno));
        return;
    }
    m_fd = fd;
    m_handle = fd;
    append(QStringLiteral("Socket %1  is created successfully!\r\n").arg(fd));

    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) < 0) {
        fail(QStringLiteral("WSAAsyncSelect error is #%1.\r\n").arg(errno));
        return;
    }

    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(m_port);
    int rc = -1;
    if (::inet_pton(AF_INET, m_server.toLatin1().constData(), &address.sin_addr) == 1)
        rc = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    else
        errno = EADDRNOTAVAIL; // not a dotted-decimal address
    if (rc != 0 && errno != EINPROGRESS) {
        fail(QStringLiteral("There is an error in connected #%1.\r\n").arg(errno));
        return;
    }
    // Pending (or, on loopback, already done): the socket says when it is writable.
    append(QStringLiteral("Connecting in %1...").arg(m_server));
    m_state = State::Connecting;
    m_startTick = m_clock.tickMs();
    setTicking(true);
    m_writeNotifier = new QSocketNotifier(fd, QSocketNotifier::Write, this);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &TimeServerClient::connectCompleted);
}

void TimeServerClient::connectCompleted()
{
    m_writeNotifier->setEnabled(false);
    m_writeNotifier->deleteLater();
    m_writeNotifier = nullptr;

    int error = 0;
    socklen_t length = sizeof error;
    if (::getsockopt(m_fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0)
        error = errno;
    append(QStringLiteral("\r\n"));
    if (error != 0) {
        fail(QStringLiteral("There is an error in connecting with the error number of #%1.").arg(error));
        return;
    }
    append(QStringLiteral("It has successfully connected to time server %1.\r\n").arg(m_server));
    append(QStringLiteral("Receiving the data, Please waite for a moment..."));
    m_state = State::Receiving;
    m_readNotifier = new QSocketNotifier(m_fd, QSocketNotifier::Read, this);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &TimeServerClient::dataReadable);
}

void TimeServerClient::dataReadable()
{
    char buffer[4];
    for (;;) {
        const ssize_t n = ::recv(m_fd, buffer, size_t(4 - m_received.size()), 0);
        if (n > 0) {
            m_received.append(buffer, n);
            if (m_received.size() == 4) {
                received();
                return;
            }
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return; // the rest is still on its way
        setTicking(false);
        append(QStringLiteral("\r\n"));
        if (n < 0)
            fail(QStringLiteral("FD_READ error with the number is ! #%1.").arg(errno));
        else // the server closed the connection early
            fail(QStringLiteral("The time server sent %1 of the 4 bytes; the date is not updated.").arg(m_received.size()));
        return;
    }
}

void TimeServerClient::received()
{
    closeSocket();
    setTicking(false);
    append(QStringLiteral("\r\n"));
    const quint32 count = qFromBigEndian<quint32>(m_received.constData());
    append(QStringLiteral("The start date is 1900-1-1 %1 秒 \r\n").arg(count));

    const ReportTime old = reportTime(m_clock.nowMs());
    const QDateTime utc = QDateTime::fromSecsSinceEpoch(secondsSince1970(count), QTimeZone::utc());
    Q_EMIT todayDateChanged(utc.date());
    if (!m_clock.setSystemTime(utc)) {
        fail(QStringLiteral("Fail in updating the date!"));
        return;
    }
    const ReportTime now = reportTime(m_clock.nowMs());
    append(QStringLiteral("\r\nThe date and time has updated.\r\nthe old one is\t%1, %2.%3 \r\n now, it is %4,%5.%6.")
               .arg(old.date, old.time, ms3(old.ms), now.date, now.time, ms3(now.ms)));
    m_state = State::Done;
    Q_EMIT clockSet();
    Q_EMIT finished();
}

void TimeServerClient::tick()
{
    if (!m_ticking)
        return;
    append(QStringLiteral("."));
    if (m_clock.tickMs() - m_startTick >= TimeoutMs)
        fail(QStringLiteral("\r\nThe time server has not answered in %1 seconds.").arg(TimeoutMs / 1000));
}

void TimeServerClient::checkNet()
{
    append(QStringLiteral("\r\n\r\n\tConnecting to internet..."));
    int ways = 0;
    if (!m_network.isConnected(&ways)) {
        setLog(QStringLiteral("\r\n\r\n\tNot connecte to internet."));
        if (m_enabled) {
            m_enabled = false;
            Q_EMIT calibrationEnabledChanged(false);
        }
        return;
    }
    if (ways & Network::Modem)
        setLog(QStringLiteral("\r\n\r\n\tConnecte to internet by Modem."));
    else if (ways & Network::Lan)
        setLog(QStringLiteral("\r\n\r\n\tConnecte to internet by LAN."));
    else if (ways & Network::Proxy)
        setLog(QStringLiteral("\r\n\r\n\tConnecte to internet by Proxy Server."));
}
