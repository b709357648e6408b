#include "support/TimeServers.h"

#include "support/TestWait.h"

#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>

ScriptedTimeServer::ScriptedTimeServer(QObject* parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &ScriptedTimeServer::accept);
}

bool ScriptedTimeServer::listen()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QByteArray ScriptedTimeServer::count(quint32 seconds)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(seconds, bytes.data());
    return bytes;
}

void ScriptedTimeServer::accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++m_connections;
        m_clientClosed = false;
        m_socket = socket;
        socket->setParent(this);
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            if (socket == m_socket)
                m_clientClosed = true;
        });
        if (m_mode == Mode::Silent)
            continue;
        // One piece per turn of the event loop, with a pause, so the client sees them apart.
        auto pieces = std::make_shared<QList<QByteArray>>(m_pieces);
        auto* timer = new QTimer(socket);
        timer->setInterval(20);
        connect(timer, &QTimer::timeout, socket, [socket, pieces, timer] {
            if (pieces->isEmpty()) {
                timer->stop();
                socket->disconnectFromHost();
                return;
            }
            socket->write(pieces->takeFirst());
            socket->flush();
        });
        timer->start();
    }
}

bool XinetdTimeServer::start()
{
    const QString xinetd = QStandardPaths::findExecutable(QStringLiteral("xinetd"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
    if (xinetd.isEmpty()) {
        m_error = QStringLiteral("xinetd is not installed");
        return false;
    }
    // A free port: bind one, let it go, hand it to xinetd.
    {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0)) {
            m_error = QStringLiteral("no free port");
            return false;
        }
        m_port = probe.serverPort();
    }
    const QString config = QStringLiteral(
        "defaults\n{\n  instances = 20\n  log_type = FILE %1\n}\n"
        "service time\n{\n  type = INTERNAL UNLISTED\n  id = time-stream\n  socket_type = stream\n"
        "  protocol = tcp\n  wait = no\n  user = root\n  bind = 127.0.0.1\n  port = %2\n}\n")
                               .arg(m_dir.file(QStringLiteral("xinetd.log")))
                               .arg(m_port);
    m_dir.write(QStringLiteral("xinetd.conf"), config.toUtf8());
    if (!m_process.start(xinetd,
                         {QStringLiteral("-f"), m_dir.file(QStringLiteral("xinetd.conf")), QStringLiteral("-pidfile"),
                          m_dir.file(QStringLiteral("xinetd.pid")), QStringLiteral("-dontfork")},
                         {}, m_dir.file(QStringLiteral("out.log")), m_dir.file(QStringLiteral("err.log")))) {
        m_error = QStringLiteral("xinetd did not start");
        return false;
    }
    const bool up = waitUntil(
        [&] {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, m_port);
            return probe.waitForConnected(200);
        },
        10000);
    if (!up)
        m_error = QStringLiteral("xinetd did not listen: %1").arg(QString::fromLocal8Bit(m_dir.read(QStringLiteral("err.log"))));
    return up;
}
