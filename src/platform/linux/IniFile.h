#pragma once
#include <QList>
#include <QString>

// A small INI file: [section] headers and name=value lines, kept in file order. Sections and
// names compare without regard to case (as the system's profile and registry do) but keep
// the spelling they were first written with. Values are stored exactly: a backslash,
// line breaks and NUL characters are escaped (\\, \n, \r, \0), nothing is trimmed.
class IniFile
{
public:
    explicit IniFile(QString path) : m_path(std::move(path)) {}

    // Reads the file; a missing file is an empty one. False when it exists but is unreadable.
    bool load();
    // Writes the whole file atomically (temporary sibling, then rename).
    bool save() const;

    bool contains(const QString& section, const QString& name) const;
    QString value(const QString& section, const QString& name) const;
    void setValue(const QString& section, const QString& name, const QString& value);
    // False when there was no such value. An emptied section is dropped.
    bool remove(const QString& section, const QString& name);

    const QString& path() const { return m_path; }

    static QString escape(const QString& text, bool isName);
    static QString unescape(const QString& text);

private:
    struct Entry
    {
        QString name;
        QString value;
    };
    struct Section
    {
        QString name;
        QList<Entry> entries;
    };
    Section* findSection(const QString& section);
    const Section* findSection(const QString& section) const;

    QString m_path;
    QList<Section> m_sections;
};
