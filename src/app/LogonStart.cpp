#include "app/LogonStart.h"

#include "platform/Registry.h"

LogonStart::LogonStart(Registry& registry, QString executable)
    : m_registry(registry), m_executable(std::move(executable))
{
}

QString LogonStart::runKey()
{
    return QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\MICROSOFT\\WINDOWS\\CURRENTVERSION\\RUN");
}

bool LogonStart::isEnabled() const
{
    return m_registry.hasValue(runKey(), valueName()) && m_registry.readString(runKey(), valueName()) == m_executable;
}

void LogonStart::setEnabled(bool on)
{
    m_registry.writeString(runKey(), valueName(), on ? m_executable : disabledValue());
}
