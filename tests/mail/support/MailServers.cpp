#include "mail/support/MailServers.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

bool waitFor(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeoutMs)
            return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(2);
    }
    return true;
}

int freeLoopbackPort(int below)
{
    if (below <= 1024) {
        QTcpServer s;
        s.listen(QHostAddress::LocalHost, 0);
        return s.serverPort();
    }
    // A free port under the limit: tried at random, as the system's ephemeral ports are
    // usually above it.
    for (int tries = 0; tries < 200; ++tries) {
        const int port = 1024 + int(QRandomGenerator::global()->bounded(below - 1024));
        QTcpServer s;
        if (s.listen(QHostAddress::LocalHost, quint16(port)))
            return port;
    }
    return 0;
}

namespace {

bool accepting(int port)
{
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, quint16(port));
    return s.waitForConnected(200);
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
}

void stopProcess(QProcess& p)
{
    if (p.state() == QProcess::NotRunning)
        return;
    p.terminate();
    if (!p.waitForFinished(10000)) {
        p.kill();
        p.waitForFinished(5000);
    }
}

} // namespace

// --- Dovecot ---

DovecotServer::DovecotServer() = default;

DovecotServer::~DovecotServer()
{
    stop();
}

QString DovecotServer::maildir() const
{
    return m_dir.path() + QStringLiteral("/mail/testuser/Maildir/");
}

bool DovecotServer::start(int portBelow)
{
    const QString d = m_dir.path();
    QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                 | QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    for (const char* sub : {"tmp", "new", "cur"})
        QDir().mkpath(maildir() + QLatin1String(sub));
    writeFile(d + QStringLiteral("/users"), "testuser:{PLAIN}secret:65534:65534::" + QFile::encodeName(d) + "/mail/testuser\n");
    ::chown(QFile::encodeName(d + QStringLiteral("/users")).constData(), 0, 0);
    m_port = freeLoopbackPort(portBelow);
    const QByteArray dir = QFile::encodeName(d);
    const QByteArray conf = "protocols = pop3\n"
                            "listen = 127.0.0.1\n"
                            "base_dir = " + dir + "/run\n"
                            "state_dir = " + dir + "/state\n"
                            "instance_name = quillora-test-" + QByteArray::number(m_port) + "\n"
                            "log_path = " + dir + "/dovecot.log\n"
                            "ssl = no\n"
                            "disable_plaintext_auth = no\n"
                            "auth_mechanisms = plain login\n"
                            "mail_location = maildir:~/Maildir\n"
                            "passdb {\n  driver = passwd-file\n  args = scheme=PLAIN username_format=%u " + dir + "/users\n}\n"
                            "userdb {\n  driver = passwd-file\n  args = username_format=%u " + dir + "/users\n}\n"
                            "service pop3-login {\n  inet_listener pop3 {\n    address = 127.0.0.1\n    port = "
        + QByteArray::number(m_port) + "\n  }\n  inet_listener pop3s {\n    port = 0\n  }\n}\n";
    writeFile(d + QStringLiteral("/dovecot.conf"), conf);
    QDir().mkpath(d + QStringLiteral("/mail"));
    const QByteArray chown = "chown -R 65534:65534 '" + dir + "/mail'";
    if (::system(chown.constData()) != 0)
        return false;
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("dovecot"), {QStringLiteral("-F"), QStringLiteral("-c"), d + QStringLiteral("/dovecot.conf")});
    if (!m_process.waitForStarted(5000))
        return false;
    return waitFor([this] { return m_process.state() != QProcess::Running || accepting(m_port); }, 10000) && running();
}

void DovecotServer::stop()
{
    stopProcess(m_process);
}

QString DovecotServer::log() const
{
    QFile f(m_dir.path() + QStringLiteral("/dovecot.log"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

void DovecotServer::deliver(const QByteArray& bytes)
{
    ++m_delivered;
    // Names sort in delivery order, so the server numbers the messages in that order.
    const QString name = QStringLiteral("%1.M%2.quillora").arg(1000000 + m_delivered).arg(m_delivered);
    writeFile(maildir() + QStringLiteral("tmp/") + name, bytes);
    const QByteArray tmp = QFile::encodeName(maildir() + QStringLiteral("tmp/") + name);
    ::chown(tmp.constData(), 65534, 65534);
    QFile::rename(maildir() + QStringLiteral("tmp/") + name, maildir() + QStringLiteral("new/") + name);
}

int DovecotServer::storedCount() const
{
    return int(QDir(maildir() + QStringLiteral("new")).entryList(QDir::Files).size()
               + QDir(maildir() + QStringLiteral("cur")).entryList(QDir::Files).size());
}

// --- SMTP ---

SmtpServer::SmtpServer() = default;

SmtpServer::~SmtpServer()
{
    stop();
}

bool SmtpServer::start(int portBelow)
{
    m_port = freeLoopbackPort(portBelow);
    const QString script = QStringLiteral(QUILLORA_SMTP_SERVER_SCRIPT);
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral("/usr/bin/python3"), {script, QString::number(m_port), outDir()});
    if (!m_process.waitForStarted(5000))
        return false;
    QByteArray out;
    const bool ready = waitFor(
        [&] {
            out += m_process.readAllStandardOutput();
            return out.contains("READY") || m_process.state() != QProcess::Running;
        },
        20000);
    return ready && out.contains("READY");
}

void SmtpServer::stop()
{
    stopProcess(m_process);
}

int SmtpServer::receivedCount() const
{
    return int(QDir(outDir()).entryList({QStringLiteral("*.eml")}, QDir::Files).size());
}

QByteArray SmtpServer::message(int n) const
{
    QFile f(outDir() + QStringLiteral("%1.eml").arg(n, 4, 10, QLatin1Char('0')));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray SmtpServer::envelope(int n) const
{
    QFile f(outDir() + QStringLiteral("%1.json").arg(n, 4, 10, QLatin1Char('0')));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// --- Scripted ---

ScriptedServer::ScriptedServer(QList<Step> script) : m_script(std::move(script))
{
    m_listen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int one = 1;
    ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    ::bind(m_listen, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(m_listen, 4);
    socklen_t len = sizeof a;
    ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&a), &len);
    m_port = ntohs(a.sin_port);
    m_thread = std::thread([this] { serve(); });
}

ScriptedServer::~ScriptedServer()
{
    m_stop = true;
    m_thread.join();
    ::close(m_listen);
}

QByteArray ScriptedServer::received() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

QList<QByteArray> ScriptedServer::lines() const
{
    QList<QByteArray> out;
    for (QByteArray l : received().split('\n')) {
        if (l.endsWith('\r'))
            l.chop(1);
        out.append(l);
    }
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

void ScriptedServer::serve()
{
    // Waits for the socket to be readable; false when stopping.
    auto readable = [this](int fd) {
        for (;;) {
            if (m_stop)
                return false;
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 20) > 0)
                return true;
        }
    };
    while (!m_stop) {
        if (!readable(m_listen))
            return;
        const int fd = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0)
            continue;
        QByteArray pending; // received, not yet taken by a read step
        auto fill = [&]() {
            if (!readable(fd))
                return false;
            char buf[65536];
            const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
            if (n <= 0)
                return false;
            pending.append(buf, n);
            std::lock_guard<std::mutex> lock(m_mutex);
            m_received.append(buf, n);
            return true;
        };
        for (const Step& s : m_script) {
            bool go = true;
            switch (s.kind) {
            case Step::Send:
                for (qsizetype off = 0; off < s.bytes.size();) {
                    const ssize_t n = ::send(fd, s.bytes.constData() + off, size_t(s.bytes.size() - off), MSG_NOSIGNAL);
                    if (n <= 0)
                        break;
                    off += n;
                }
                if (s.pauseMs)
                    std::this_thread::sleep_for(std::chrono::milliseconds(s.pauseMs));
                break;
            case Step::ReadLine:
            case Step::ReadUntil: {
                const QByteArray marker = s.kind == Step::ReadLine ? QByteArray("\n") : s.bytes;
                while (!pending.contains(marker) && (go = fill())) {
                }
                if (go)
                    pending.remove(0, pending.indexOf(marker) + marker.size());
                break;
            }
            case Step::Silence:
                while (fill()) {
                }
                go = false;
                break;
            case Step::Close:
                go = false;
                break;
            }
            if (!go)
                break;
        }
        ::shutdown(fd, SHUT_RDWR);
        ::close(fd);
    }
}
