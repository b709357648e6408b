#include "mail/MailSocket.h"

#include <QElapsedTimer>
#include <QTcpSocket>

namespace {

std::atomic<int> g_timeoutMs{MailSocket::kDefaultTimeoutMs};
// Waits are cut into slices so a cancel is seen quickly.
constexpr int kSliceMs = 50;
// How much queued output may wait in memory before queue() waits for the peer.
constexpr qint64 kQueueLimit = 512 * 1024;

} // namespace

int MailSocket::timeoutMs()
{
    return g_timeoutMs.load();
}

void MailSocket::setTimeoutMs(int ms)
{
    g_timeoutMs.store(ms);
}

MailSocket::MailSocket(const std::atomic<bool>& cancel) : m_cancel(cancel)
{
}

MailSocket::~MailSocket()
{
    close();
}

bool MailSocket::connectTo(const QString& host, int port)
{
    close();
    if (host.isEmpty() || port <= 0 || port > 65535)
        return false;
    m_socket = std::make_unique<QTcpSocket>();
    m_socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    m_socket->connectToHost(host, quint16(port));
    QElapsedTimer t;
    t.start();
    while (m_socket->state() != QAbstractSocket::ConnectedState) {
        if (m_cancel.load() || t.elapsed() > timeoutMs()) {
            close();
            return false;
        }
        if (!m_socket->waitForConnected(kSliceMs) && m_socket->state() == QAbstractSocket::UnconnectedState) {
            close();
            return false;
        }
    }
    return true;
}

bool MailSocket::isOpen() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

void MailSocket::close()
{
    if (m_socket) {
        m_socket->abort();
        m_socket.reset();
    }
    m_in.clear();
    m_pos = 0;
}

bool MailSocket::written() const
{
    return m_socket->bytesToWrite() == 0;
}

bool MailSocket::readable() const
{
    return m_socket->bytesAvailable() > 0;
}

// Waits in slices until `done` holds; fails on cancel, on a closed connection, or after
// the time-out passes without any progress.
bool MailSocket::waitFor(bool (QTcpSocket::*wait)(int), bool (MailSocket::*done)() const)
{
    QElapsedTimer idle;
    idle.start();
    qint64 lastToWrite = m_socket->bytesToWrite();
    while (!(this->*done)()) {
        if (m_cancel.load())
            return false;
        if (m_socket->state() != QAbstractSocket::ConnectedState)
            return false;
        if (((*m_socket).*wait)(kSliceMs)) {
            idle.restart();
            continue;
        }
        if (m_socket->error() != QAbstractSocket::SocketTimeoutError && m_socket->error() != QAbstractSocket::UnknownSocketError
            && m_socket->state() != QAbstractSocket::ConnectedState)
            return false;
        const qint64 toWrite = m_socket->bytesToWrite();
        if (toWrite != lastToWrite) {
            lastToWrite = toWrite;
            idle.restart();
        }
        if (idle.elapsed() > timeoutMs())
            return false;
    }
    return true;
}

bool MailSocket::queue(const char* data, qsizetype size)
{
    if (!isOpen() || m_cancel.load())
        return false;
    if (m_socket->write(data, size) != size)
        return false;
    if (m_socket->bytesToWrite() > kQueueLimit) {
        while (m_socket->bytesToWrite() > kQueueLimit / 2) {
            if (!waitFor(&QTcpSocket::waitForBytesWritten, &MailSocket::written) && m_socket && m_socket->bytesToWrite() > kQueueLimit / 2)
                return false;
        }
    }
    return true;
}

bool MailSocket::flush()
{
    if (!isOpen())
        return false;
    return waitFor(&QTcpSocket::waitForBytesWritten, &MailSocket::written);
}

bool MailSocket::send(const QByteArray& bytes)
{
    return queue(bytes) && flush();
}

void MailSocket::consume(qsizetype n)
{
    m_pos += n;
    if (m_pos >= m_in.size()) {
        m_in.clear();
        m_pos = 0;
    } else if (m_pos > (1 << 20) && m_pos > m_in.size() / 2) {
        m_in.remove(0, m_pos);
        m_pos = 0;
    }
}

bool MailSocket::receiveMore()
{
    if (!m_socket)
        return false;
    if (m_socket->bytesAvailable() == 0) {
        // A peer that closed may have left bytes behind; only then is the end final.
        if (!waitFor(&QTcpSocket::waitForReadyRead, &MailSocket::readable))
            if (m_socket->bytesAvailable() == 0)
                return false;
    }
    if (m_cancel.load())
        return false;
    const qint64 avail = m_socket->bytesAvailable();
    if (avail <= 0)
        return false;
    if (m_pos > 0 && m_pos == m_in.size()) {
        m_in.clear();
        m_pos = 0;
    }
    const qsizetype had = m_in.size();
    m_in.resize(had + qsizetype(avail));
    const qint64 got = m_socket->read(m_in.data() + had, avail);
    m_in.resize(had + qsizetype(qMax<qint64>(got, 0)));
    return got > 0;
}

bool MailSocket::readLine(QByteArray& line, qsizetype maxLength)
{
    qsizetype scanned = 0;
    for (;;) {
        const qsizetype avail = pendingSize();
        const char* p = pending();
        const void* lf = avail > scanned ? memchr(p + scanned, '\n', size_t(avail - scanned)) : nullptr;
        if (lf) {
            qsizetype len = static_cast<const char*>(lf) - p;
            const qsizetype take = len + 1;
            if (len > 0 && p[len - 1] == '\r')
                --len;
            if (len > maxLength)
                return false;
            line = QByteArray(p, len);
            consume(take);
            return true;
        }
        scanned = avail;
        if (avail > maxLength)
            return false;
        if (!receiveMore())
            return false;
    }
}
