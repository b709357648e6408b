#pragma once
#include "platform/Registry.h"

// The program's profile: $XDG_CONFIG_HOME/quillora.ini, sections and names as the program
// gives them ("HotKey"/"sk"), compared without regard to case. Values are integers written in
// decimal; reading takes the leading integer of the text, as the system's profile reader does.
class IniProfile final : public Profile
{
public:
    // An empty path means the default place under $XDG_CONFIG_HOME (looked up at each call).
    explicit IniProfile(QString path = {}) : m_path(std::move(path)) {}

    int readInt(const QString& section, const QString& key, int fallback = 0) const override;
    bool writeInt(const QString& section, const QString& key, int value) override;

    QString path() const;

private:
    QString m_path;
};
