#include "platform/linux/IniRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "platform/linux/IniFile.h"
#include "platform/linux/XdgPaths.h"

namespace {

const QString& runKey()
{
    static const QString key = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN");
    return key;
}

// One argument of an Exec line: quoted when it holds anything the desktop would split or
// expand, then escaped for the desktop file's string syntax.
QString execArgument(const QString& arg)
{
    static const QString special = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = arg.isEmpty();
    for (QChar c : arg)
        quote = quote || special.contains(c);
    QString out;
    for (QChar c : arg) {
        if (c == u'%')
            out += u"%%";
        else if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\'))
            out += u'\\' + QString(c);
        else
            out += c;
    }
    if (quote)
        out = u'"' + out + u'"';
    // The string escapes of desktop files come on top of the Exec quoting.
    out.replace(u'\\', QStringLiteral("\\\\"));
    return out;
}

} // namespace

QString IniRegistry::path() const
{
    return m_path.isEmpty() ? XdgPaths::configHome() + QStringLiteral("/Quillora/registry.ini") : m_path;
}

QString IniRegistry::autostartPath()
{
    return XdgPaths::configHome() + QStringLiteral("/autostart/quillora.desktop");
}

bool IniRegistry::isRunValue(const QString& key, const QString& name)
{
    QString k = key;
    k.replace(u'/', u'\\');
    return k.compare(runKey(), Qt::CaseInsensitive) == 0 && name.compare(u"Quillora", Qt::CaseInsensitive) == 0;
}

bool IniRegistry::hasValue(const QString& key, const QString& name) const
{
    IniFile ini(path());
    return ini.load() && ini.contains(key, name);
}

QString IniRegistry::readString(const QString& key, const QString& name) const
{
    IniFile ini(path());
    return ini.load() ? ini.value(key, name) : QString();
}

bool IniRegistry::writeString(const QString& key, const QString& name, const QString& value)
{
    IniFile ini(path());
    if (!ini.load())
        return false;
    ini.setValue(key, name, value);
    if (!ini.save())
        return false;
    return !isRunValue(key, name) || applyRunValue(&value);
}

bool IniRegistry::removeValue(const QString& key, const QString& name)
{
    IniFile ini(path());
    if (!ini.load() || !ini.remove(key, name))
        return false;
    if (!ini.save())
        return false;
    return !isRunValue(key, name) || applyRunValue(nullptr);
}

// Writes or deletes the autostart entry for the Run value (nullptr: the value is gone).
bool IniRegistry::applyRunValue(const QString* value)
{
    QString program = value ? *value : QString();
    // The program writes the value with its terminating zero, as the system stores strings.
    while (program.endsWith(QChar(0)))
        program.chop(1);
    const QString entry = autostartPath();
    if (program.isEmpty() || !QDir::isAbsolutePath(program))
        return !QFile::exists(entry) || QFile::remove(entry);
    QDir().mkpath(QFileInfo(entry).absolutePath());
    QSaveFile file(entry);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=Quillora\nExec=%1\n"
                                        "X-GNOME-Autostart-enabled=true\n")
                             .arg(execArgument(program));
    file.write(text.toUtf8());
    return file.commit();
}
