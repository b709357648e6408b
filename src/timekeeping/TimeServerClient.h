#pragma once
#include <QByteArray>
#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>

class Clock;
class Network;
class QSocketNotifier;

// The "Calibrate Time" group's work: sets the computer's clock from a time server speaking
// the Time protocol (RFC 868: connect to TCP port 37, receive four bytes holding the seconds
// since 1900-01-01 00:00:00 UTC), writing every step into a log; and the connection check.
//
// The exchange runs on the caller's event loop: a non-blocking socket whose progress arrives
// through socket notifiers. While an exchange is under way the host ticks the client once a
// second (tick()), which prints a progress dot and ends an exchange that has gone on for
// TimeoutMs. The socket is closed when an exchange ends, however it ends.
class TimeServerClient : public QObject
{
    Q_OBJECT
public:
    enum class State { Idle, Connecting, Receiving, Done, Failed };

    static constexpr quint16 TimePort = 37;
    static constexpr int TimeoutMs = 15000;
    // Seconds from 1900-01-01 to 1970-01-01.
    static constexpr qint64 SecondsFrom1900To1970 = 2208988800LL;

    TimeServerClient(Clock& clock, Network& network, QObject* parent = nullptr);
    ~TimeServerClient() override;

    // The 14 public time servers of the list, by IPv4 address, in list order.
    static QStringList servers();
    // The text printed after "Started up": what the program's sockets are.
    static QString socketLayerDescription();
    // The moment (UTC, seconds since 1970) a received count stands for. A count with its top
    // bit clear is taken from the era that begins in February 2036, as RFC 868 clients do.
    static qint64 secondsSince1970(quint32 count);

    // The server the next calibration talks to (the first of the list at the start).
    void selectServer(const QString& address);
    QString selectedServer() const { return m_selected; }
    // The port the servers are reached on (tests use a private one).
    void setPort(quint16 port) { m_port = port; }

    // "Calibrate": starts an exchange with the selected server, abandoning any earlier one.
    void calibrate();
    // "Check Net": asks the platform whether the computer is connected and says so in the log.
    void checkNet();
    // The once-a-second tick while isTicking().
    void tick();

    State state() const { return m_state; }
    bool isTicking() const { return m_ticking; }
    // False once a connection check found no connection: the server list and "Calibrate"
    // stay disabled from then on.
    bool isCalibrationEnabled() const { return m_enabled; }
    // The log as the program writes it, with "\r\n" line breaks.
    QString log() const { return m_log; }
    // The socket handle of the latest exchange (-1 before the first).
    int socketHandle() const { return m_handle; }

Q_SIGNALS:
    void logChanged();
    void tickingChanged(bool on);
    void calibrationEnabledChanged(bool on);
    // The day the month view marks as today: the UTC date of the received time.
    void todayDateChanged(const QDate& utcDate);
    // The system clock was set.
    void clockSet();
    // The exchange ended (done or failed).
    void finished();

private:
    void append(const QString& text);
    void setLog(const QString& text);
    void setTicking(bool on);
    void connectCompleted();
    void dataReadable();
    void received();
    void fail(const QString& text);
    void closeSocket();

    Clock& m_clock;
    Network& m_network;
    QString m_selected;
    QString m_server;
    quint16 m_port = TimePort;
    State m_state = State::Idle;
    bool m_ticking = false;
    bool m_enabled = true;
    QString m_log;
    int m_fd = -1;
    int m_handle = -1;
    qint64 m_startTick = 0;
    QByteArray m_received;
    QSocketNotifier* m_writeNotifier = nullptr;
    QSocketNotifier* m_readNotifier = nullptr;
};
