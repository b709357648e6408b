#include "platform/linux/DesktopLauncher.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {

bool hasScheme(const QString& target)
{
    // "mailto:", "http://...": a scheme of two or more letters (one letter is a drive).
    const qsizetype colon = target.indexOf(u':');
    if (colon < 2)
        return false;
    for (qsizetype i = 0; i < colon; ++i) {
        const QChar c = target.at(i);
        if (!(c.isLetterOrNumber() || c == u'+' || c == u'-' || c == u'.') || c.unicode() > 127)
            return false;
    }
    return target.at(0).isLetter();
}

} // namespace

bool DesktopLauncher::open(const QString& target, const QString& verb)
{
    if (target.trimmed().isEmpty())
        return false;
    if (hasScheme(target)) {
        const QUrl url(target);
        if (url.isLocalFile())
            return open(url.toLocalFile(), verb);
        return url.isValid() && QDesktopServices::openUrl(url);
    }
    QString path = target;
    if (path.startsWith(QStringLiteral("~/")))
        path = QDir::homePath() + path.mid(1);
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    // "explore" and folders go to the file manager; executable files are started, with
    // their own folder as the working folder; everything else goes to its default handler.
    if (verb.compare(u"explore", Qt::CaseInsensitive) != 0 && info.isFile() && info.isExecutable())
        return QProcess::startDetached(info.absoluteFilePath(), {}, info.absolutePath());
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
}

bool DesktopLauncher::runCommand(const QString& commandLine)
{
    QStringList args = QProcess::splitCommand(commandLine);
    if (args.isEmpty())
        return false;
    const QString program = args.takeFirst();
    return QProcess::startDetached(program, args);
}
