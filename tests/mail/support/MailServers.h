#pragma once
#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

// Servers the mail tests talk to on loopback. Each starts on a free port from a private
// configuration in its own temporary directory and is stopped by its destructor.

// Polls `condition` until it holds or `timeoutMs` pass, running the event loop between
// polls so queued signals arrive.
bool waitFor(const std::function<bool()>& condition, int timeoutMs);

// A loopback port nobody listens on at the moment of asking (below `below` when given:
// the account dialog takes ports up to 10000).
int freeLoopbackPort(int below = 0);

// Dovecot serving POP3 for one user ("testuser" / "secret") from a Maildir.
class DovecotServer
{
public:
    DovecotServer();
    ~DovecotServer();
    bool start(int portBelow = 0);
    void stop();
    bool running() const { return m_process.state() == QProcess::Running; }
    int port() const { return m_port; }
    QString log() const;

    // Delivers a message into the Maildir the way a delivery agent does (tmp, then new).
    void deliver(const QByteArray& bytes);
    // Messages left on the server (Maildir new + cur).
    int storedCount() const;

    static QString user() { return QStringLiteral("testuser"); }
    static QString password() { return QStringLiteral("secret"); }

private:
    QString maildir() const;
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
    int m_delivered = 0;
};

// An SMTP server with AUTH LOGIN ("testuser" / "secret") that stores each message it
// takes as NNNN.eml (the data as written, dots unstuffed, without the terminator) and
// NNNN.json (the envelope). No size limit.
class SmtpServer
{
public:
    SmtpServer();
    ~SmtpServer();
    bool start(int portBelow = 0);
    void stop();
    int port() const { return m_port; }
    QString outDir() const { return m_dir.path() + QStringLiteral("/out/"); }
    int receivedCount() const;
    QByteArray message(int n) const;  // from 1
    QByteArray envelope(int n) const; // the JSON envelope

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    int m_port = 0;
};

// A scripted server for the replies real servers never send. It accepts connections one
// after the other and plays the script on each; it records every byte it receives.
class ScriptedServer
{
public:
    struct Step
    {
        enum Kind { Send, ReadLine, ReadUntil, Silence, Close } kind;
        QByteArray bytes; // Send: what to send; ReadUntil: the marker to read up to
        int pauseMs = 0;   // Send: pause after sending (lets the client see two receives)
    };
    static Step send(QByteArray b, int pauseMs = 0) { return {Step::Send, std::move(b), pauseMs}; }
    static Step readLine() { return {Step::ReadLine, {}, 0}; }
    static Step readUntil(QByteArray marker) { return {Step::ReadUntil, std::move(marker), 0}; }
    static Step silence() { return {Step::Silence, {}, 0}; }
    static Step close() { return {Step::Close, {}, 0}; }

    explicit ScriptedServer(QList<Step> script);
    ~ScriptedServer();
    int port() const { return m_port; }
    QByteArray received() const;
    // The lines received (without line ends).
    QList<QByteArray> lines() const;

private:
    void serve();
    QList<Step> m_script;
    int m_listen = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    QByteArray m_received;
    std::thread m_thread;
};
