#pragma once
#include <QDir>
#include <QString>

// The XDG base folders, read from the environment each time (tests point them elsewhere).
namespace XdgPaths {

inline QString home()
{
    const QString h = qEnvironmentVariable("HOME");
    return h.isEmpty() ? QDir::homePath() : h;
}

// $XDG_CONFIG_HOME, or ~/.config when unset or not absolute.
inline QString configHome()
{
    const QString c = qEnvironmentVariable("XDG_CONFIG_HOME");
    return (!c.isEmpty() && QDir::isAbsolutePath(c)) ? c : home() + QStringLiteral("/.config");
}

} // namespace XdgPaths
