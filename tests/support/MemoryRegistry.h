#pragma once
#include <QMap>
#include <QPair>

#include "platform/Registry.h"

// A registry in memory. Key paths and value names compare without regard to case, as the
// system's registry does. Writes can be made to fail.
class MemoryRegistry final : public Registry
{
public:
    bool hasValue(const QString& key, const QString& name) const override
    {
        return m_values.contains(slot(key, name));
    }
    QString readString(const QString& key, const QString& name) const override
    {
        return m_values.value(slot(key, name)).value;
    }
    bool writeString(const QString& key, const QString& name, const QString& value) override
    {
        if (m_failWrites)
            return false;
        m_values.insert(slot(key, name), {key, name, value});
        ++m_writeCount;
        return true;
    }
    bool removeValue(const QString& key, const QString& name) override
    {
        if (m_failWrites)
            return false;
        return m_values.remove(slot(key, name)) > 0;
    }

    void setFailWrites(bool fail) { m_failWrites = fail; }
    int writeCount() const { return m_writeCount; }
    int size() const { return int(m_values.size()); }

private:
    struct Entry
    {
        QString key;
        QString name;
        QString value;
    };
    static QPair<QString, QString> slot(const QString& key, const QString& name)
    {
        return {key.toCaseFolded(), name.toCaseFolded()};
    }

    QMap<QPair<QString, QString>, Entry> m_values;
    bool m_failWrites = false;
    int m_writeCount = 0;
};

// The profile in memory: sections of named integers.
class MemoryProfile final : public Profile
{
public:
    int readInt(const QString& section, const QString& key, int fallback = 0) const override
    {
        const auto s = m_sections.constFind(section.toCaseFolded());
        if (s == m_sections.cend())
            return fallback;
        return s->value(key.toCaseFolded(), fallback);
    }
    bool writeInt(const QString& section, const QString& key, int value) override
    {
        if (m_failWrites)
            return false;
        m_sections[section.toCaseFolded()].insert(key.toCaseFolded(), value);
        return true;
    }

    bool contains(const QString& section, const QString& key) const
    {
        return m_sections.value(section.toCaseFolded()).contains(key.toCaseFolded());
    }
    void setFailWrites(bool fail) { m_failWrites = fail; }

private:
    QMap<QString, QMap<QString, int>> m_sections;
    bool m_failWrites = false;
};
