#pragma once
#include <QByteArray>
#include <QString>

#include <atomic>
#include <memory>

class QTcpSocket;

// The blocking stream socket of the mail clients, used on a worker thread. Every wait has
// a time-out, and each wait also ends early when the owner's cancel flag is set.
class MailSocket
{
public:
    // The time-out of every socket operation (connect, each wait for data or for the peer
    // to take data). Tests shorten it.
    static constexpr int kDefaultTimeoutMs = 60000;
    static int timeoutMs();
    static void setTimeoutMs(int ms);

    explicit MailSocket(const std::atomic<bool>& cancel);
    ~MailSocket();
    MailSocket(const MailSocket&) = delete;
    MailSocket& operator=(const MailSocket&) = delete;

    // Resolves the host and connects; false on an unknown name, a refusal or a time-out.
    bool connectTo(const QString& host, int port);
    bool isOpen() const;
    // Shuts the connection down and drops it (safe when there is none).
    void close();

    // Sends every byte and waits until the peer has taken them.
    bool send(const QByteArray& bytes);
    // Queues the bytes; waits only while more than a bounded amount is still unsent.
    bool queue(const char* data, qsizetype size);
    bool queue(const QByteArray& bytes) { return queue(bytes.constData(), bytes.size()); }
    bool flush();

    // One line without its line end (LF or CRLF); false on time-out, a closed connection
    // or a line longer than `maxLength`.
    bool readLine(QByteArray& line, qsizetype maxLength = 65536);
    // The bytes received and not yet taken.
    const char* pending() const { return m_in.constData() + m_pos; }
    qsizetype pendingSize() const { return m_in.size() - m_pos; }
    void consume(qsizetype n);
    // Waits for more bytes and adds them to the pending ones.
    bool receiveMore();

private:
    bool waitFor(bool (QTcpSocket::*wait)(int), bool (MailSocket::*done)() const);
    bool written() const;
    bool readable() const;

    const std::atomic<bool>& m_cancel;
    std::unique_ptr<QTcpSocket> m_socket;
    QByteArray m_in;
    qsizetype m_pos = 0;
};
