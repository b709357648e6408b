#pragma once
#include "mail/MailSocket.h"

#include <QByteArray>
#include <QString>

#include <atomic>
#include <functional>

// Undoes the dot-stuffing of a multi-line POP3 reply and finds its terminating line.
// Fed the received bytes piece by piece; the terminating line itself is dropped, so the
// output is the message as it was written.
class TextCodec;

class Pop3DataReader
{
public:
    // Appends the message bytes in `data` to `out` and returns how many input bytes were
    // taken. It takes fewer than `size` when the terminating line has been reached (the
    // rest belongs to the next reply) or when the last bytes may start it (feed them again
    // with what follows).
    qsizetype feed(const char* data, qsizetype size, QByteArray& out);
    bool done() const { return m_done; }

private:
    bool m_lineStart = true;
    bool m_done = false;
};

// The POP3 client: blocking commands on the calling (worker) thread, each reply read as
// whole lines with a time-out. `Abort` may be called from any thread.
class Pop3Client
{
public:
    // (message number, percent); the percent may pass 100 when the server's LIST size was
    // too small.
    using Progress = std::function<void(int number, int percent)>;

    // `codec` converts command text to the code page; it must outlive the client.
    explicit Pop3Client(const TextCodec& codec, Progress progress = {});

    bool Connect(const QString& server, int port);
    bool Login(const QString& user, const QString& password);
    bool Stat(int& count, qint64& size);
    qint64 ListSize(int number);
    bool Retrieve(int number, const QString& path, bool deleteAfter);
    bool Quit();
    // Cancels what runs: the current transfer stops and deletes its partial file, and the
    // connection is ended; every later command fails until the next Connect.
    void Abort();
    void close();
    // Whether the connection is still there to take the next command.
    bool isConnected() const { return m_socket.isOpen(); }

    // The text tokens of a STAT or LIST reply: split on spaces, empty pieces dropped.
    static QList<QByteArray> tokens(const QByteArray& line);
    // Leading-digit conversion of a token ("320" and "320xyz" read 320, "abc" reads 0).
    static qint64 leadingNumber(const QByteArray& token);

private:
    enum class Capability { Unknown, No, Yes };
    // Whether the server takes pipelined commands; asked once per connection (CAPA)
    // before the first transfer. Unknown: the question failed and the connection is closed.
    Capability canPipeline();
    bool command(const QByteArray& text, QByteArray& reply);
    bool okCommand(const QByteArray& text);

    const TextCodec& m_codec;
    Progress m_progress;
    std::atomic<bool> m_abort{false};     // the transfer in progress stops
    std::atomic<bool> m_cancelled{false}; // the connection is finished: waits end at once
    Capability m_pipelining = Capability::Unknown;
    MailSocket m_socket;
};
