#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

#include <gtest/gtest.h>

#include "support/ChildProcess.h"

// A private X desktop for one test binary: Xvfb on a free display (1024x768x24), openbox as
// the window manager and trayer as the tray host. start() waits for each by condition
// (the display answers, _NET_SUPPORTING_WM_CHECK is set, _NET_SYSTEM_TRAY_S0 has an owner)
// and points the process at it: DISPLAY, and HOME/XDG_CONFIG_HOME/XDG_DATA_HOME/
// XDG_CACHE_HOME (and XDG_RUNTIME_DIR when unset) in a private folder, so nothing touches
// the real user's files.
// stop() (and the destructor) ends every process it started.
class XDisplayFixture
{
public:
    struct Options
    {
        bool windowManager = true;
        bool tray = true;
        int timeoutMs = 15000; // for each step
    };

    XDisplayFixture() = default;
    ~XDisplayFixture() { stop(); }

    bool start() { return start(Options{}); }
    bool start(const Options& options);
    void stop();

    bool isRunning() const { return m_display >= 0; }
    int displayNumber() const { return m_display; }
    QString displayName() const { return QStringLiteral(":%1").arg(m_display); }
    // Why start() failed.
    QString error() const { return m_error; }
    // The private folder holding HOME and the helpers' logs.
    QString homePath() const;

private:
    bool startServer(int timeoutMs);
    bool fail(const QString& why);

    std::unique_ptr<QTemporaryDir> m_dir;
    ChildProcess m_xvfb;
    ChildProcess m_wm;
    ChildProcess m_tray;
    int m_display = -1;
    QString m_error;
};

// The fixture as a GoogleTest global environment (for tests that need no QApplication made
// before the tests run): ::testing::AddGlobalTestEnvironment(new XDisplayEnvironment).
class XDisplayEnvironment : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (!m_fixture.start())
            FAIL() << m_fixture.error().toStdString();
    }
    void TearDown() override { m_fixture.stop(); }
    XDisplayFixture& fixture() { return m_fixture; }

private:
    XDisplayFixture m_fixture;
};

// The result of a helper tool run by runTool.
struct ToolResult
{
    bool finished = false; // false: could not start or timed out (then killed)
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    bool ok() const { return finished && exitCode == 0; }
};

// Runs xdotool, xprop, wmctrl and the like on the current DISPLAY, with a time-out.
ToolResult runTool(const QString& program, const QStringList& arguments, int timeoutMs = 10000);
