#pragma once
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A private temporary folder for one test, with small file helpers.
class TempDir
{
public:
    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString file(const QString& name) const { return path() + name; }
    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile f(file(name));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(bytes);
    }
    QByteArray read(const QString& name) const
    {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    bool exists(const QString& name) const { return QFile::exists(file(name)); }

private:
    QTemporaryDir m_dir;
};
