#pragma once
#include <QString>
#include <QStringList>

#include <sys/types.h>

// A helper process run by a fixture: its own process group (so stop() takes its children
// with it), killed by the kernel if the test process dies, output sent to files.
class ChildProcess
{
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess() { stop(); }

    // `environment`: "NAME=value" entries added to (or replacing in) the current environment.
    // Output goes to `stdoutPath`/`stderrPath` (empty: /dev/null). False when it cannot start.
    bool start(const QString& program, const QStringList& arguments, const QStringList& environment = {},
               const QString& stdoutPath = {}, const QString& stderrPath = {});
    bool isRunning();
    // SIGTERM to the process group, SIGKILL after `graceMs`; reaps the process.
    void stop(int graceMs = 3000, int signal = 15);
    pid_t pid() const { return m_pid; }
    // The exit code once it ended (-1 while running or when killed by a signal).
    int exitCode() const { return m_exitCode; }

private:
    bool reap(bool block);

    pid_t m_pid = -1;
    int m_exitCode = -1;
};
