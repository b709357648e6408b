#include "support/ChildProcess.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QStandardPaths>
#include <QThread>

#include <vector>

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

bool ChildProcess::start(const QString& program, const QStringList& arguments, const QStringList& environment,
                         const QString& stdoutPath, const QString& stderrPath)
{
    stop();
    // Everything the child needs is prepared before fork (the path looked up too): after it
    // only async-signal-safe calls.
    const QString path = program.contains(u'/') ? program : QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return false;
    const QByteArray executable = path.toLocal8Bit();
    std::vector<QByteArray> argStore{program.toLocal8Bit()};
    for (const QString& a : arguments)
        argStore.push_back(a.toLocal8Bit());
    std::vector<QByteArray> envStore;
    for (char** e = environ; *e; ++e) {
        const QByteArray entry(*e);
        const QByteArray name = entry.left(entry.indexOf('=') + 1);
        bool replaced = false;
        for (const QString& o : environment)
            replaced = replaced || o.toLocal8Bit().startsWith(name);
        if (!replaced)
            envStore.push_back(entry);
    }
    for (const QString& o : environment)
        envStore.push_back(o.toLocal8Bit());
    std::vector<char*> argv, envp;
    for (auto& a : argStore)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : envStore)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    const QByteArray out = stdoutPath.isEmpty() ? QByteArray("/dev/null") : stdoutPath.toLocal8Bit();
    const QByteArray err = stderrPath.isEmpty() ? QByteArray("/dev/null") : stderrPath.toLocal8Bit();
    const pid_t parent = getpid();

    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        setpgid(0, 0);
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        const int in = open("/dev/null", O_RDONLY);
        const int o = open(out.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int e = open(err.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (in >= 0)
            dup2(in, 0);
        if (o >= 0)
            dup2(o, 1);
        if (e >= 0)
            dup2(e, 2);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        execve(executable.constData(), argv.data(), envp.data());
        _exit(127);
    }
    setpgid(pid, pid); // also from this side, so stop() works even right after start
    m_pid = pid;
    m_exitCode = -1;
    return true;
}

bool ChildProcess::reap(bool block)
{
    if (m_pid <= 0)
        return true;
    int status = 0;
    const pid_t r = waitpid(m_pid, &status, block ? 0 : WNOHANG);
    if (r == 0)
        return false;
    if (r == m_pid)
        m_exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    m_pid = -1;
    return true;
}

bool ChildProcess::isRunning()
{
    return m_pid > 0 && !reap(false);
}

void ChildProcess::stop(int graceMs, int signal)
{
    if (m_pid <= 0)
        return;
    const pid_t group = m_pid;
    ::kill(-group, signal);
    QDeadlineTimer deadline(graceMs);
    while (!reap(false)) {
        if (deadline.hasExpired()) {
            ::kill(-group, SIGKILL);
            reap(true);
            break;
        }
        QThread::msleep(5);
    }
    ::kill(-group, SIGKILL); // anything the process left behind in its group
}
