#pragma once
#include <QString>

class Registry;

// The program's start at log-on: the value "Quillora" under the current user's Run key
// holds the executable's full path when it is on and the text "zzz:" when it is off.
class LogonStart
{
public:
    LogonStart(Registry& registry, QString executable);

    static QString runKey();
    static QString valueName() { return QStringLiteral("Quillora"); }
    static QString disabledValue() { return QStringLiteral("zzz:"); }

    // On when the value exists and holds this executable's path.
    bool isEnabled() const;
    // Writes the path (on) or "zzz:" (off) at once.
    void setEnabled(bool on);

private:
    Registry& m_registry;
    QString m_executable;
};
