#include "controls/ItemFileChooser.h"

#include <QFileDialog>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <optional>

namespace {
std::optional<QString>& nextName()
{
    static std::optional<QString> n;
    return n;
}
QString& lastProposed()
{
    static QString n;
    return n;
}
QString& lastFilterText()
{
    static QString f;
    return f;
}
std::optional<QStringList>& nextNames()
{
    static std::optional<QStringList> n;
    return n;
}
QString& lastStart()
{
    static QString s;
    return s;
}
} // namespace

QString ItemFileChooser::qtFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString text = parts.at(i);
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns.split(QLatin1Char(' ')).contains(QStringLiteral("*.*")))
            patterns = QStringLiteral("*");
        // Qt reads the patterns from the parentheses of each entry.
        const qsizetype open = text.indexOf(QLatin1Char('('));
        if (open >= 0)
            text = text.left(open);
        out << text + QLatin1Char('(') + patterns + QLatin1Char(')');
    }
    return out.join(QStringLiteral(";;"));
}

QString ItemFileChooser::openFile(QWidget* parent, const QString& caption, const QString& filter)
{
    lastFilterText() = filter;
    if (nextName()) {
        const QString name = *nextName();
        nextName().reset();
        return name.isEmpty() ? QString() : QFileInfo(name).absoluteFilePath();
    }
    const QString chosen = QFileDialog::getOpenFileName(parent, caption, QString(), qtFilter(filter), nullptr,
        QFileDialog::DontUseNativeDialog);
    return chosen.isEmpty() ? QString() : QFileInfo(chosen).absoluteFilePath();
}

QStringList ItemFileChooser::openFiles(QWidget* parent, const QString& caption, const QString& filter, const QString& startIn)
{
    lastFilterText() = filter;
    lastStart() = startIn;
    QStringList chosen;
    if (nextNames()) {
        chosen = *nextNames();
        nextNames().reset();
    } else {
        chosen = QFileDialog::getOpenFileNames(parent, caption, startIn, qtFilter(filter), nullptr, QFileDialog::DontUseNativeDialog);
    }
    for (QString& name : chosen)
        name = QFileInfo(name).absoluteFilePath();
    return chosen;
}

void ItemFileChooser::setNextFileNames(const QStringList& paths)
{
    nextNames() = paths;
}

QString ItemFileChooser::lastStartIn()
{
    return lastStart();
}

void ItemFileChooser::setNextFileName(const QString& path)
{
    nextName() = path;
}

void ItemFileChooser::clearNextFileName()
{
    nextName().reset();
    nextNames().reset();
}

QString ItemFileChooser::lastFilter()
{
    return lastFilterText();
}

QString ItemFileChooser::saveFile(QWidget* parent, const QString& caption, const QString& proposedName, const QString& filter)
{
    lastFilterText() = filter;
    lastProposed() = proposedName;
    if (nextName()) {
        const QString name = *nextName();
        nextName().reset();
        return name.isEmpty() ? QString() : QFileInfo(name).absoluteFilePath();
    }
    QString dir = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        dir = QDir::homePath();
    const QString chosen = QFileDialog::getSaveFileName(parent, caption, dir + QLatin1Char('/') + proposedName,
        qtFilter(filter), nullptr, QFileDialog::DontUseNativeDialog);
    return chosen.isEmpty() ? QString() : QFileInfo(chosen).absoluteFilePath();
}

QString ItemFileChooser::lastProposedName()
{
    return lastProposed();
}
