#include "platform/linux/IniProfile.h"

#include "platform/linux/IniFile.h"
#include "platform/linux/XdgPaths.h"

QString IniProfile::path() const
{
    return m_path.isEmpty() ? XdgPaths::configHome() + QStringLiteral("/quillora.ini") : m_path;
}

int IniProfile::readInt(const QString& section, const QString& key, int fallback) const
{
    IniFile ini(path());
    if (!ini.load() || !ini.contains(section, key))
        return fallback;
    const QString text = ini.value(section, key).trimmed();
    qsizetype end = 0;
    if (end < text.size() && (text.at(0) == u'-' || text.at(0) == u'+'))
        ++end;
    while (end < text.size() && text.at(end).isDigit() && text.at(end).unicode() < 128)
        ++end;
    bool ok = false;
    const qlonglong v = text.left(end).toLongLong(&ok);
    if (!ok)
        return fallback;
    return int(qBound(qlonglong(INT_MIN), v, qlonglong(INT_MAX)));
}

bool IniProfile::writeInt(const QString& section, const QString& key, int value)
{
    IniFile ini(path());
    if (!ini.load())
        return false;
    ini.setValue(section, key, QString::number(value));
    return ini.save();
}
