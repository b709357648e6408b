#pragma once
#include "platform/Registry.h"

// The emulated registry: $XDG_CONFIG_HOME/Quillora/registry.ini, one section per key path
// (written as the program names it), one line per value. Keys and value names compare
// without regard to case. The file is read for every call, so two instances stay in step.
//
// The log-on start value "Quillora" under the current user's Run key is also applied to the
// desktop: an absolute path writes $XDG_CONFIG_HOME/autostart/quillora.desktop starting that
// program, anything else ("zzz:") or removing the value deletes it.
class IniRegistry final : public Registry
{
public:
    // An empty path means the default place under $XDG_CONFIG_HOME (looked up at each call).
    explicit IniRegistry(QString path = {}) : m_path(std::move(path)) {}

    bool hasValue(const QString& key, const QString& name) const override;
    QString readString(const QString& key, const QString& name) const override;
    bool writeString(const QString& key, const QString& name, const QString& value) override;
    bool removeValue(const QString& key, const QString& name) override;

    QString path() const;
    static QString autostartPath();
    static bool isRunValue(const QString& key, const QString& name);

private:
    static bool applyRunValue(const QString* value);

    QString m_path;
};
