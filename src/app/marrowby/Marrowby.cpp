// The companion control library. Registering it records the control (its name, version
// and file) in the user's configuration folder; unregistering removes the record again.
// Both are harmless to repeat.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString recordPath()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/Quillora/Marrowby.control");
}

} // namespace

extern "C" __attribute__((visibility("default"))) long DllRegisterServer()
{
    const QString path = recordPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings record(path, QSettings::IniFormat);
    record.beginGroup(QStringLiteral("Marrowby.MarrowbyCtrl.1"));
    record.setValue(QStringLiteral("Name"), QStringLiteral("Marrowby Control"));
    record.setValue(QStringLiteral("Version"), QStringLiteral("1.0"));
    record.setValue(QStringLiteral("Program"), QCoreApplication::applicationFilePath());
    record.endGroup();
    record.sync();
    return record.status() == QSettings::NoError ? 0 : 1;
}

extern "C" __attribute__((visibility("default"))) long DllUnregisterServer()
{
    const QString path = recordPath();
    return !QFile::exists(path) || QFile::remove(path) ? 0 : 1;
}
