// The POP3 client against a server that sends arbitrary bytes: a whole session (greeting,
// USER, PASS, STAT, LIST and RETR of up to three messages with DELE, QUIT) over loopback,
// and the message reader fed the same bytes in two pieces. No crash, no hang.
#include "mail/MailSocket.h"
#include "mail/Pop3Client.h"

#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdint>
#include <thread>

namespace {

struct Env
{
    int argc = 1;
    char name[8] = "fuzzer";
    char* argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/pop3fuzz-XXXXXX")};
    LocaleTextCodec codec{"UTF-8"};
    int listenFd = -1;
    int port = 0;

    Env()
    {
        MailSocket::setTimeoutMs(1000);
        listenFd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listenFd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(listenFd, 8);
        socklen_t len = sizeof a;
        ::getsockname(listenFd, reinterpret_cast<sockaddr*>(&a), &len);
        port = ntohs(a.sin_port);
    }
};

Env& env()
{
    static Env e;
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Env& e = env();
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));

    // The reader alone, split where the first byte says.
    {
        const qsizetype cut = size ? qsizetype(data[0]) % (qsizetype(size) + 1) : 0;
        Pop3DataReader reader;
        QByteArray out, pending = input.left(cut);
        pending.remove(0, reader.feed(pending.constData(), pending.size(), out));
        if (!reader.done()) {
            pending += input.mid(cut);
            reader.feed(pending.constData(), pending.size(), out);
        }
        if (out.size() > input.size())
            __builtin_trap();
        for (const QByteArray& line : input.split('\n'))
            for (const QByteArray& t : Pop3Client::tokens(line))
                Pop3Client::leadingNumber(t);
    }

    // A whole session: the server sends the input, ends its side, and reads until the
    // client hangs up.
    std::thread server([&] {
        const int fd = ::accept4(e.listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            return;
        for (qsizetype off = 0; off < input.size();) {
            const ssize_t n = ::send(fd, input.constData() + off, size_t(input.size() - off), MSG_NOSIGNAL);
            if (n <= 0)
                break;
            off += n;
        }
        ::shutdown(fd, SHUT_WR);
        char sink[4096];
        while (::recv(fd, sink, sizeof sink, 0) > 0) {
        }
        ::close(fd);
    });
    {
        Pop3Client c(e.codec, [](int, int) {});
        if (c.Connect(QStringLiteral("127.0.0.1"), e.port) && c.Login(QStringLiteral("u"), QStringLiteral("p"))) {
            int count = 0;
            qint64 total = 0;
            if (c.Stat(count, total))
                for (int n = 1; n <= count && n <= 3; ++n)
                    c.Retrieve(n, e.dir.path() + QStringLiteral("/m.eml"), true);
            c.Quit();
        }
        c.close();
    }
    server.join();
    QFile::remove(e.dir.path() + QStringLiteral("/m.eml"));
    // What the sockets left for the event loop (a worker thread's end does the same).
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    return 0;
}
