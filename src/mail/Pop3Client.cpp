#include "mail/Pop3Client.h"

#include "platform/TextCodec.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

qsizetype Pop3DataReader::feed(const char* data, qsizetype size, QByteArray& out)
{
    qsizetype i = 0;
    while (i < size && !m_done) {
        if (m_lineStart) {
            if (data[i] == '.') {
                if (i + 1 >= size)
                    break; // "." alone: more is needed to tell
                if (data[i + 1] == '\n') {
                    m_done = true;
                    i += 2;
                    break;
                }
                if (data[i + 1] == '\r') {
                    if (i + 2 >= size)
                        break;
                    if (data[i + 2] == '\n') {
                        m_done = true;
                        i += 3;
                        break;
                    }
                }
                ++i; // the stuffed dot
            }
            m_lineStart = false;
        }
        // Only lines that start with "." need a look: copy everything up to the next one.
        const void* next = memmem(data + i, size_t(size - i), "\n.", 2);
        if (!next) {
            out.append(data + i, size - i);
            m_lineStart = data[size - 1] == '\n';
            i = size;
            break;
        }
        const qsizetype end = static_cast<const char*>(next) - data + 1;
        out.append(data + i, end - i);
        i = end;
        m_lineStart = true;
    }
    return i;
}

Pop3Client::Pop3Client(const TextCodec& codec, Progress progress)
    : m_codec(codec), m_progress(std::move(progress)), m_socket(m_cancelled)
{
}

QList<QByteArray> Pop3Client::tokens(const QByteArray& line)
{
    QList<QByteArray> out;
    for (const QByteArray& piece : line.split(' '))
        if (!piece.isEmpty())
            out.append(piece);
    return out;
}

qint64 Pop3Client::leadingNumber(const QByteArray& token)
{
    qint64 v = 0;
    qsizetype i = 0;
    bool negative = false;
    if (i < token.size() && (token[i] == '-' || token[i] == '+'))
        negative = token[i++] == '-';
    for (; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i) {
        if (v > (std::numeric_limits<qint64>::max() - 9) / 10)
            break;
        v = v * 10 + (token[i] - '0');
    }
    return negative ? -v : v;
}

void Pop3Client::close()
{
    m_socket.close();
}

bool Pop3Client::command(const QByteArray& text, QByteArray& reply)
{
    if (!text.isEmpty() && !m_socket.send(text))
        return false;
    return m_socket.readLine(reply);
}

bool Pop3Client::okCommand(const QByteArray& text)
{
    QByteArray reply;
    if (!command(text, reply) || !reply.contains("+OK")) {
        close();
        return false;
    }
    return true;
}

bool Pop3Client::Connect(const QString& server, int port)
{
    m_cancelled = false;
    m_abort = false;
    m_pipelining = Capability::Unknown;
    if (!m_socket.connectTo(server, port))
        return false;
    return okCommand({}); // the greeting
}

bool Pop3Client::Login(const QString& user, const QString& password)
{
    // Commands are single lines: a line break inside a value would smuggle in another.
    auto clean = [](const QString& s) { return !s.contains(QLatin1Char('\r')) && !s.contains(QLatin1Char('\n')); };
    if (!clean(user) || !clean(password)) {
        close();
        return false;
    }
    return okCommand("USER " + m_codec.fromUnicode(user) + "\r\n") && okCommand("PASS " + m_codec.fromUnicode(password) + "\r\n");
}

bool Pop3Client::Stat(int& count, qint64& size)
{
    QByteArray reply;
    if (!command("STAT\r\n", reply)) {
        close();
        return false;
    }
    const QList<QByteArray> t = tokens(reply);
    if (t.size() < 3 || t[0] != "+OK")
        return false;
    const qint64 c = leadingNumber(t[1]);
    if (c < 0 || c > std::numeric_limits<int>::max())
        return false;
    count = int(c);
    size = leadingNumber(t[2]);
    return true;
}

qint64 Pop3Client::ListSize(int number)
{
    QByteArray reply;
    if (!command("LIST " + QByteArray::number(number) + "\r\n", reply)) {
        close();
        return -1;
    }
    const QList<QByteArray> t = tokens(reply);
    if (t.size() < 3) {
        close();
        return -1;
    }
    const qint64 size = leadingNumber(t[2]);
    return size < 0 ? -1 : size;
}

bool Pop3Client::Retrieve(int number, const QString& path, bool deleteAfter)
{
    m_abort = false;
    const Capability pipelining = canPipeline();
    if (pipelining == Capability::Unknown)
        return false;
    qint64 size = -1;
    const QByteArray n = QByteArray::number(number);
    if (pipelining == Capability::Yes) {
        // LIST and RETR go out together: both replies come back in one round trip.
        QByteArray reply;
        if (m_socket.send("LIST " + n + "\r\nRETR " + n + "\r\n") && m_socket.readLine(reply)) {
            const QList<QByteArray> t = tokens(reply);
            size = t.size() < 3 ? -1 : qMax<qint64>(leadingNumber(t[2]), -1);
        }
    } else {
        size = ListSize(number);
    }
    if (size < 0) {
        close();
        return false;
    }
    // Only for the percentage: the message is read to its terminating line, whatever
    // LIST said.
    const qint64 expected = size + 4;
    if (!okCommand(pipelining == Capability::Yes ? QByteArray() : "RETR " + n + "\r\n"))
        return false;

    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        close();
        return false;
    }
    auto fail = [&](bool endConnection) {
        ::close(fd);
        ::unlink(native.constData());
        if (endConnection)
            close();
        return false;
    };
    auto writeOut = [&](QByteArray& out) {
        const char* p = out.constData();
        qsizetype left = out.size();
        while (left > 0) {
            const ssize_t put = ::write(fd, p, size_t(left));
            if (put < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            p += put;
            left -= put;
        }
        out.clear();
        return true;
    };

    if (m_progress)
        m_progress(number, 0);
    Pop3DataReader reader;
    QByteArray out;
    qint64 taken = 0;
    int lastPercent = 0;
    for (;;) {
        const qsizetype used = reader.feed(m_socket.pending(), m_socket.pendingSize(), out);
        m_socket.consume(used);
        taken += used;
        if (out.size() >= (1 << 18) || reader.done())
            if (!writeOut(out))
                return fail(true);
        if (reader.done())
            break;
        if (m_abort.load() || m_cancelled.load()) {
            // Say goodbye so the server commits what was deleted, then hang up.
            m_socket.queue(QByteArrayLiteral("QUIT\r\n"));
            m_socket.close();
            return fail(false);
        }
        if (m_progress && used > 0) {
            const int percent = int(qMin<qint64>(taken * 100 / qMax<qint64>(expected, 1), 1000000));
            if (percent != lastPercent) {
                lastPercent = percent;
                m_progress(number, percent);
            }
        }
        if (!m_socket.receiveMore())
            return fail(true);
    }
    if (::close(fd) != 0) {
        ::unlink(native.constData());
        close();
        return false;
    }
    if (m_progress)
        m_progress(number, 100);
    if (deleteAfter && !okCommand("DELE " + QByteArray::number(number) + "\r\n"))
        return false;
    return true;
}

Pop3Client::Capability Pop3Client::canPipeline()
{
    if (m_pipelining != Capability::Unknown)
        return m_pipelining;
    // RFC 2449: commands may be sent ahead of their replies only when the server says so.
    QByteArray line;
    if (!command("CAPA\r\n", line)) {
        close();
        return Capability::Unknown;
    }
    Capability found = Capability::No;
    if (line.startsWith("+OK")) {
        for (int lines = 0;; ++lines) {
            if (lines > 1000 || !m_socket.readLine(line)) {
                close();
                return Capability::Unknown;
            }
            if (line == ".")
                break;
            if (line.trimmed().compare("PIPELINING", Qt::CaseInsensitive) == 0)
                found = Capability::Yes;
        }
    }
    m_pipelining = found;
    return found;
}

bool Pop3Client::Quit()
{
    m_abort = true;
    return okCommand("QUIT\r\n");
}

void Pop3Client::Abort()
{
    m_abort = true;
    m_cancelled = true;
}
