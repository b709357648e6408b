#include "support/PulseNullSink.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>

#include "support/TestWait.h"

bool PulseNullSink::start(int timeoutMs)
{
    stop();
    m_error.clear();
    m_dir = std::make_unique<QTemporaryDir>();
    const QString runtime = m_dir->filePath(QStringLiteral("runtime"));
    const QString home = m_dir->filePath(QStringLiteral("home"));
    QDir().mkpath(runtime);
    QDir().mkpath(home);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_server = QStringLiteral("unix:%1/pulse/native").arg(runtime);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("PULSE_SERVER", m_server.toLocal8Bit());
    const QStringList env{QStringLiteral("HOME=") + home, QStringLiteral("XDG_CONFIG_HOME=") + home,
                          QStringLiteral("XDG_RUNTIME_DIR=") + runtime};
    const QString log = m_dir->filePath(QStringLiteral("pulseaudio.log"));
    if (!m_serverProcess.start(QStringLiteral("pulseaudio"),
                                {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                                 QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disable-shm=true"),
                                 QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=nullsink"),
                                 QStringLiteral("-L"), QStringLiteral("module-native-protocol-unix")},
                                env, log, log)) {
        m_error = QStringLiteral("pulseaudio cannot be started");
        return false;
    }
    bool ok = false;
    const bool up = waitUntil(
        [&] {
            if (!m_serverProcess.isRunning())
                return true;
            return pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")}, &ok)
                       .contains("nullsink")
                && ok;
        },
        timeoutMs);
    if (!up || !m_serverProcess.isRunning()) {
        QFile f(log);
        f.open(QIODevice::ReadOnly);
        m_error = QStringLiteral("pulseaudio did not come up: ") + QString::fromLocal8Bit(f.readAll().right(600));
        stop();
        return false;
    }
    pactl({QStringLiteral("set-default-sink"), QStringLiteral("nullsink")});
    return true;
}

void PulseNullSink::stop()
{
    m_recorder.stop(2000, 2);
    m_serverProcess.stop(3000);
    m_dir.reset();
}

QByteArray PulseNullSink::pactl(const QStringList& arguments, bool* ok) const
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), m_server);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("pactl"), arguments);
    const bool done = p.waitForFinished(5000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (!done)
        p.kill(), p.waitForFinished(1000);
    if (ok)
        *ok = done;
    return done ? p.readAllStandardOutput() : QByteArray();
}

bool PulseNullSink::sinkMuted() const
{
    return pactl({QStringLiteral("get-sink-mute"), QStringLiteral("nullsink")}).contains("yes");
}

bool PulseNullSink::startRecording()
{
    if (!m_dir)
        return false;
    const QString out = m_dir->filePath(QStringLiteral("record.raw"));
    QFile::remove(out);
    if (!m_recorder.start(QStringLiteral("parec"),
                          {QStringLiteral("-d"), QStringLiteral("nullsink.monitor"), QStringLiteral("--raw"),
                           QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(SampleRate),
                           QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")},
                          {QStringLiteral("PULSE_SERVER=") + m_server}, out,
                          m_dir->filePath(QStringLiteral("parec.log"))))
        return false;
    // The recorder is ready once silence from the monitor reaches the file.
    const QString file = out;
    return waitUntil([&] { return !m_recorder.isRunning() || QFileInfo(file).size() >= SampleRate * 2 / 20; }, 5000)
        && m_recorder.isRunning();
}

QByteArray PulseNullSink::recordedSoFar() const
{
    if (!m_dir)
        return {};
    QFile f(m_dir->filePath(QStringLiteral("record.raw")));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray PulseNullSink::stopRecording()
{
    m_recorder.stop(2000, 2); // SIGINT: parec flushes and exits
    return recordedSoFar();
}
