#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>

#include "support/ChildProcess.h"
#include "support/TempDir.h"

// Time servers (RFC 868) on loopback for the time-server client's tests.

// A scripted server in this process: each connection gets the script's answer. The bytes are
// sent in the given pieces, one piece per event-loop turn, then the connection is closed;
// Silent accepts and sends nothing.
class ScriptedTimeServer : public QObject
{
    Q_OBJECT
public:
    enum class Mode { Answer, Silent };

    explicit ScriptedTimeServer(QObject* parent = nullptr);
    // Listens on a free loopback port; false when it cannot.
    bool listen();
    quint16 port() const { return m_server.serverPort(); }

    void setAnswer(const QList<QByteArray>& pieces) { m_mode = Mode::Answer; m_pieces = pieces; }
    void setSilent() { m_mode = Mode::Silent; }

    int connections() const { return m_connections; }
    // True once the client has closed the latest connection.
    bool clientClosed() const { return m_clientClosed; }

    // The four bytes of a count of seconds since 1900.
    static QByteArray count(quint32 seconds);

private:
    void accept();

    QTcpServer m_server;
    Mode m_mode = Mode::Answer;
    QList<QByteArray> m_pieces;
    int m_connections = 0;
    bool m_clientClosed = false;
    QPointer<QTcpSocket> m_socket;
};

// xinetd's built-in "time" service on a free loopback port (TCP), in a private folder.
class XinetdTimeServer
{
public:
    // False (with error()) when xinetd is missing or does not come up.
    bool start();
    void stop() { m_process.stop(); }
    quint16 port() const { return m_port; }
    QString error() const { return m_error; }

private:
    TempDir m_dir;
    ChildProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};
