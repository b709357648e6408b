#include "ShellApp.h"

#include "CMarrowbyDlg.h"
#include "CRand.h"
#include "CSplashWindow.h"
#include "CompanionControl.h"
#include "DataFile.h"
#include "MessageBox.h"
#include "Platform.h"
#include "SingleInstance.h"
#include "Style.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>

#include <csignal>
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

    reportCompanion(CompanionControl::call(m_programDir, "DllRegisterServer"));

    m_platform.sound->playWave(m_programDir + QStringLiteral("Sound/SplashWindow.wav"));
    showSplash();

    int code = 0;
    {
        CMarrowbyDlg panel(m_programDir, m_platform);
        connect(&instance, &SingleInstance::showRequested, &panel, &CMarrowbyDlg::showPanel);
        installSignalHandlers(&panel);
        QElapsedTimer shown;
        shown.start();
        panel.showPanel();
        if (qEnvironmentVariableIsSet("QUILLORA_REPORT_STARTUP"))
            QTimer::singleShot(0, &panel, [&shown] {
                fprintf(stderr, "quillora: panel shown %lld ms after the splash\n", static_cast<long long>(shown.elapsed()));
            });
        code = panel.exec() == QDialog::Accepted ? 0 : 0;
    }

    reportCompanion(CompanionControl::call(m_programDir, "DllUnregisterServer"));
    return code;
}

void ShellApp::showSplash()
{
    const QPixmap picture(m_programDir + QStringLiteral("bmp/SplashWindow.bmp"));
    CRand random(std::uint32_t(std::time(nullptr)));
    QEventLoop wait;
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

void ShellApp::installSignalHandlers(CMarrowbyDlg* panel)
{
    // A log-out or a kill ends the program the way the tray's "Exit" does.
    if (g_signalPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, panel);
    connect(notifier, &QSocketNotifier::activated, panel, [panel] {
        char c;
        [[maybe_unused]] ssize_t n = ::read(g_signalPipe[0], &c, 1);
        panel->exitProgram();
    });
    struct sigaction sa = {};
    sa.sa_handler = onTerminate;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);
}
