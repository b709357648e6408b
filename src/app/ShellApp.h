#pragma once
#include <QElapsedTimer>
#include <QObject>
#include <QString>

struct Platform;
class CMarrowbyDlg;
class QEventLoop;
class QWidget;

// The application object: one instance per user, the companion control, the splash,
// and the main panel run modally until the program ends.
class ShellApp : public QObject
{
    Q_OBJECT
public:
    static constexpr int SplashMs = 3000;

    explicit ShellApp(Platform& platform, QObject* parent = nullptr);

    // The executable's directory, ending in a separator; every data file lives there.
    QString programDir() const { return m_programDir; }
    QString helpPath() const { return m_programDir + QStringLiteral("help/"); }

    // The start-up sequence; returns the process exit code when the program ends.
    int run();

private:
    void showSplash();
    void installSignalHandlers();
    void reportFirstPaint(QWidget* panel);

    Platform& m_platform;
    QString m_programDir;
    QElapsedTimer m_splashClosed;
    CMarrowbyDlg* m_panel = nullptr;
    QEventLoop* m_splashWait = nullptr;
    bool m_terminated = false;
};
