#include "app/ShellApp.h"

#include "app/CMarrowbyDlg.h"
#include "platform/CRand.h"
#include "app/CSplashWindow.h"
#include "app/CompanionControl.h"
#include "storage/DataFile.h"
#include "controls/MessageBox.h"
#include "platform/Platform.h"
#include "app/SingleInstance.h"
#include "controls/Style.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScopeGuard>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <ctime>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_signalPipe[2] = {-1, -1};

void onTerminate(int)
{
    const char c = 1;
    [[maybe_unused]] ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

void reportCompanion(CompanionControl::Result result)
{
    const QString text = CompanionControl::message(result);
    if (!text.isEmpty())
        MessageBox::info(nullptr, text);
}

} // namespace

ShellApp::ShellApp(Platform& platform, QObject* parent)
    : QObject(parent)
    , m_platform(platform)
    , m_programDir(QCoreApplication::applicationDirPath() + QLatin1Char('/'))
{
}

int ShellApp::run()
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    Style::applyApplicationLook(*app);
    DataFile::setDamageNotifier([](const QString& message) { MessageBox::stop(nullptr, message); });

    SingleInstance instance;
    if (instance.notifyRunningInstance()) {
        MessageBox::stop(nullptr, QStringLiteral("There is already a runing instance!"));
        return 1;
    }
    instance.listen();
    installSignalHandlers();

    reportCompanion(CompanionControl::call(m_programDir, "DllRegisterServer"));

    m_platform.sound->playWave(m_programDir + QStringLiteral("Sound/SplashWindow.wav"));
    showSplash();
    m_splashClosed.start();

    if (!m_terminated) {
        CMarrowbyDlg panel(m_programDir, m_platform);
        m_panel = &panel;
        connect(&instance, &SingleInstance::showRequested, &panel, &CMarrowbyDlg::showPanel);
        if (qEnvironmentVariableIsSet("QUILLORA_REPORT_STARTUP"))
            reportFirstPaint(&panel);
        // The panel hides and shows itself all the time, so the program's loop is the
        // application's: it ends when the panel is closed for good.
        connect(&panel, &QDialog::finished, app, &QCoreApplication::quit);
        panel.showPanel();
        QApplication::exec();
        m_panel = nullptr;
    }

    reportCompanion(CompanionControl::call(m_programDir, "DllUnregisterServer"));
    return 0;
}

// For the start-up benchmark: how long after the splash closed the panel was first painted.
void ShellApp::reportFirstPaint(QWidget* panel)
{
    class FirstPaint : public QObject
    {
    public:
        FirstPaint(const QElapsedTimer& since, QObject* parent) : QObject(parent), m_since(since) { }
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint) {
                std::fprintf(stderr, "quillora: panel painted %.1f ms after the splash closed\n", m_since.nsecsElapsed() / 1e6);
                deleteLater();
            }
            return false;
        }

    private:
        const QElapsedTimer& m_since;
    };
    panel->installEventFilter(new FirstPaint(m_splashClosed, panel));
}

void ShellApp::showSplash()
{
    const QPixmap picture(m_programDir + QStringLiteral("bmp/SplashWindow.bmp"));
    CRand random(std::uint32_t(std::time(nullptr)));
    QEventLoop wait;
    m_splashWait = &wait;
    const auto done = qScopeGuard([this] { m_splashWait = nullptr; });
    if (!picture.isNull()) {
        CSplashWindow splash(picture, random.next() % CSplashWindow::TransitionCount);
        splash.show();
        QTimer::singleShot(SplashMs, &wait, &QEventLoop::quit);
        wait.exec();
        splash.close();
        return;
    }
    QTimer::singleShot(SplashMs, &wait, &QEventLoop::quit);
    wait.exec();
}

void ShellApp::installSignalHandlers()
{
    // A log-out or a kill ends the program the way the tray's "Exit" does; during the
    // splash it ends the start-up instead.
    if (g_signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char c;
        [[maybe_unused]] ssize_t n = ::read(g_signalPipe[0], &c, 1);
        m_terminated = true;
        if (m_panel)
            m_panel->exitProgram();
        else if (m_splashWait)
            m_splashWait->quit();
    });
    struct sigaction sa = {};
    sa.sa_handler = onTerminate;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
}
