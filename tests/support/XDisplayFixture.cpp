#include "support/XDisplayFixture.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>

namespace {

// Polls `condition` until it holds, `alive` turns false or the time runs out.
template<class Condition, class Alive>
bool poll(Condition condition, Alive alive, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        if (condition())
            return true;
        if (!alive())
            return false;
        QThread::msleep(10);
    }
    return condition();
}

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}

// A short-lived connection to the display for the readiness checks.
class Probe
{
public:
    explicit Probe(const QByteArray& display) : m_c(xcb_connect(display.constData(), &m_screen)) {}
    ~Probe() { xcb_disconnect(m_c); }
    bool ok() const { return !xcb_connection_has_error(m_c); }
    xcb_window_t root() const
    {
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_c));
        for (int i = 0; i < m_screen && it.rem; ++i)
            xcb_screen_next(&it);
        return it.data->root;
    }
    bool hasWindowManager() const
    {
        if (!ok())
            return false;
        const xcb_atom_t check = atom(m_c, "_NET_SUPPORTING_WM_CHECK");
        xcb_get_property_reply_t* r =
            xcb_get_property_reply(m_c, xcb_get_property(m_c, 0, root(), check, XCB_ATOM_WINDOW, 0, 1), nullptr);
        const bool has = r && xcb_get_property_value_length(r) == 4;
        std::free(r);
        return has;
    }
    bool hasTray() const
    {
        if (!ok())
            return false;
        const xcb_atom_t tray = atom(m_c, "_NET_SYSTEM_TRAY_S0");
        xcb_get_selection_owner_reply_t* r =
            xcb_get_selection_owner_reply(m_c, xcb_get_selection_owner(m_c, tray), nullptr);
        const bool has = r && r->owner != XCB_WINDOW_NONE;
        std::free(r);
        return has;
    }

private:
    int m_screen = 0;
    xcb_connection_t* m_c;
};

// The process id written in the display's lock file, or -1.
pid_t lockOwner(int display)
{
    QFile lock(QStringLiteral("/tmp/.X%1-lock").arg(display));
    if (!lock.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const pid_t pid = pid_t(lock.readAll().trimmed().toLongLong(&ok));
    return ok ? pid : -1;
}

} // namespace

QString XDisplayFixture::homePath() const
{
    return m_dir ? m_dir->path() : QString();
}

bool XDisplayFixture::fail(const QString& why)
{
    m_error = why;
    stop();
    return false;
}

bool XDisplayFixture::startServer(int timeoutMs)
{
    // Free numbers have neither a lock file nor a socket; a lost race makes Xvfb exit at
    // once, and the next number is tried.
    const int first = 40 + int(getpid() % 200);
    for (int n = first; n < first + 60; ++n) {
        if (QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n))
            || QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)))
            continue;
        const QString log = m_dir->filePath(QStringLiteral("xvfb.log"));
        if (!m_xvfb.start(QStringLiteral("Xvfb"),
                          {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                           QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                           QStringLiteral("-noreset")},
                          {}, log, log))
            return false;
        const QByteArray name = QStringLiteral(":%1").arg(n).toLatin1();
        // The display is ours once its lock file names our server (a server that lost the
        // race for the number exits, and the display answering would be the winner's).
        const pid_t pid = m_xvfb.pid();
        if (poll([&] { return lockOwner(n) == pid && Probe(name).ok(); }, [&] { return m_xvfb.isRunning(); },
                 timeoutMs)) {
            m_display = n;
            return true;
        }
        m_xvfb.stop(1000);
    }
    return false;
}

bool XDisplayFixture::start(const Options& options)
{
    stop();
    m_error.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    if (!m_dir->isValid())
        return fail(QStringLiteral("no temporary folder"));
    const QString home = m_dir->path();
    for (const char* sub : {".config", ".local/share", ".cache", "runtime"})
        QDir(home).mkpath(QLatin1String(sub));
    QFile::setPermissions(home + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", (home + QStringLiteral("/runtime")).toLocal8Bit());
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home + QStringLiteral("/.local/share")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (home + QStringLiteral("/.cache")).toLocal8Bit());

    if (!startServer(options.timeoutMs))
        return fail(QStringLiteral("Xvfb did not start (see %1/xvfb.log)").arg(home));
    const QByteArray display = displayName().toLatin1();
    qputenv("DISPLAY", display);
    qunsetenv("WAYLAND_DISPLAY");
    const QStringList env{QStringLiteral("DISPLAY=") + displayName()};

    if (options.windowManager) {
        const QString log = m_dir->filePath(QStringLiteral("openbox.log"));
        if (!m_wm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")}, env, log, log))
            return fail(QStringLiteral("openbox cannot be started"));
        if (!poll([&] { return Probe(display).hasWindowManager(); }, [&] { return m_wm.isRunning(); },
                  options.timeoutMs))
            return fail(QStringLiteral("openbox did not come up (see %1)").arg(log));
    }
    if (options.tray) {
        const QString log = m_dir->filePath(QStringLiteral("trayer.log"));
        if (!m_tray.start(QStringLiteral("trayer"),
                          {QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--align"),
                           QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("request"),
                           QStringLiteral("--height"), QStringLiteral("24"), QStringLiteral("--SetDockType"),
                           QStringLiteral("true")},
                          env, log, log))
            return fail(QStringLiteral("trayer cannot be started"));
        if (!poll([&] { return Probe(display).hasTray(); }, [&] { return m_tray.isRunning(); }, options.timeoutMs))
            return fail(QStringLiteral("trayer did not take the tray selection (see %1)").arg(log));
    }
    return true;
}

void XDisplayFixture::stop()
{
    m_tray.stop(2000);
    m_wm.stop(2000);
    const pid_t server = m_xvfb.pid();
    m_xvfb.stop(3000);
    if (m_display >= 0 && server > 0 && lockOwner(m_display) == server) {
        // Xvfb removes these itself on SIGTERM; after a SIGKILL they would block the number.
        QFile::remove(QStringLiteral("/tmp/.X%1-lock").arg(m_display));
        QFile::remove(QStringLiteral("/tmp/.X11-unix/X%1").arg(m_display));
    }
    m_display = -1;
    m_dir.reset();
}

ToolResult runTool(const QString& program, const QStringList& arguments, int timeoutMs)
{
    ToolResult result;
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForStarted(timeoutMs))
        return result;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished(2000);
        return result;
    }
    result.finished = p.exitStatus() == QProcess::NormalExit;
    result.exitCode = p.exitCode();
    result.out = p.readAllStandardOutput();
    result.err = p.readAllStandardError();
    return result;
}
