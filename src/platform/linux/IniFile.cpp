#include "platform/linux/IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString IniFile::escape(const QString& text, bool isName)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\')
            out += u"\\\\";
        else if (c == u'\n')
            out += u"\\n";
        else if (c == u'\r')
            out += u"\\r";
        else if (c == QChar(0))
            out += u"\\0";
        else if (isName && c == u'=')
            out += u"\\=";
        else if (isName && i == 0 && (c == u'[' || c == u';' || c == u'#'))
            out += u'\\' + QString(c);
        else
            out += c;
    }
    return out;
}

QString IniFile::unescape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar n = text.at(++i);
        if (n == u'n')
            out += u'\n';
        else if (n == u'r')
            out += u'\r';
        else if (n == u'0')
            out += QChar(0);
        else
            out += n;
    }
    return out;
}

bool IniFile::load()
{
    m_sections.clear();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    Section* current = nullptr;
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype end = line.lastIndexOf(u']');
            const QString name = line.mid(1, end > 0 ? end - 1 : -1);
            current = findSection(name);
            if (!current) {
                m_sections.append({name, {}});
                current = &m_sections.last();
            }
            continue;
        }
        // The name ends at the first '=' that is not escaped.
        qsizetype eq = -1;
        for (qsizetype i = 0; i < line.size(); ++i) {
            if (line.at(i) == u'\\')
                ++i;
            else if (line.at(i) == u'=') {
                eq = i;
                break;
            }
        }
        if (eq < 0 || !current)
            continue;
        const QString name = unescape(line.left(eq));
        const QString value = unescape(line.mid(eq + 1));
        bool replaced = false;
        for (Entry& e : current->entries)
            if (sameName(e.name, name)) {
                e.value = value;
                replaced = true;
            }
        if (!replaced)
            current->entries.append({name, value});
    }
    return true;
}

bool IniFile::save() const
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QString text;
    for (const Section& s : m_sections) {
        if (!text.isEmpty())
            text += u'\n';
        text += u'[' + s.name + QStringLiteral("]\n");
        for (const Entry& e : s.entries)
            text += escape(e.name, true) + u'=' + escape(e.value, false) + u'\n';
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.toUtf8());
    return file.commit();
}

IniFile::Section* IniFile::findSection(const QString& section)
{
    for (Section& s : m_sections)
        if (sameName(s.name, section))
            return &s;
    return nullptr;
}

const IniFile::Section* IniFile::findSection(const QString& section) const
{
    for (const Section& s : m_sections)
        if (sameName(s.name, section))
            return &s;
    return nullptr;
}

bool IniFile::contains(const QString& section, const QString& name) const
{
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            if (sameName(e.name, name))
                return true;
    return false;
}

QString IniFile::value(const QString& section, const QString& name) const
{
    if (const Section* s = findSection(section))
        for (const Entry& e : s->entries)
            if (sameName(e.name, name))
                return e.value;
    return {};
}

void IniFile::setValue(const QString& section, const QString& name, const QString& value)
{
    Section* s = findSection(section);
    if (!s) {
        m_sections.append({section, {}});
        s = &m_sections.last();
    }
    for (Entry& e : s->entries)
        if (sameName(e.name, name)) {
            e.value = value;
            return;
        }
    s->entries.append({name, value});
}

bool IniFile::remove(const QString& section, const QString& name)
{
    for (qsizetype i = 0; i < m_sections.size(); ++i) {
        Section& s = m_sections[i];
        if (!sameName(s.name, section))
            continue;
        for (qsizetype j = 0; j < s.entries.size(); ++j)
            if (sameName(s.entries.at(j).name, name)) {
                s.entries.removeAt(j);
                if (s.entries.isEmpty())
                    m_sections.removeAt(i);
                return true;
            }
    }
    return false;
}
