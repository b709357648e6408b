#include "support/DesktopTools.h"

#include "support/ChildProcess.h"
#include "support/TestWait.h"
#include "support/XDisplayFixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

bool copyProgramDir(const QString& from, const QString& to)
{
    // What the build ships, not the data files a run of the program may have left there.
    static const QStringList shipped = {QStringLiteral("quillora"), QStringLiteral("Introduction"), QStringLiteral("lib"),
                                        QStringLiteral("bmp"), QStringLiteral("face"), QStringLiteral("ico"),
                                        QStringLiteral("Sound"), QStringLiteral("help")};
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString relative = QDir(from).relativeFilePath(src);
        if (!shipped.contains(relative.section(QLatin1Char('/'), 0, 0)))
            continue;
        const QString dst = to + relative;
        QDir().mkpath(QFileInfo(dst).absolutePath());
        if (!QFile::copy(src, dst))
            return false;
        QFile::setPermissions(dst, QFileInfo(src).permissions());
    }
    return QFile::exists(to + QStringLiteral("quillora"));
}

QStringList visibleWindows(const QString& pattern)
{
    const ToolResult r = runTool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern});
    return r.ok() ? QString::fromLatin1(r.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts) : QStringList();
}

QStringList visibleWindowsTitled(const QString& title)
{
    QStringList out;
    for (const QString& id : visibleWindows(QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$'))) {
        const ToolResult r = runTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowname"), id});
        if (r.ok() && QString::fromUtf8(r.out).trimmed() == title)
            out << id;
    }
    return out;
}

QRect windowGeometry(const QString& id)
{
    const ToolResult r = runTool(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
    if (!r.ok())
        return {};
    QRect g;
    for (const QByteArray& line : r.out.split('\n')) {
        const QList<QByteArray> kv = line.split('=');
        if (kv.size() != 2)
            continue;
        const int v = kv[1].toInt();
        if (kv[0] == "X")
            g.moveLeft(v);
        else if (kv[0] == "Y")
            g.moveTop(v);
        else if (kv[0] == "WIDTH")
            g.setWidth(v);
        else if (kv[0] == "HEIGHT")
            g.setHeight(v);
    }
    return g;
}

bool prepareProgramDir(const QString& from, const QString& to)
{
    if (!copyProgramDir(from, to))
        return false;
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    QDir().mkpath(config);
    QFile ini(config + QStringLiteral("/quillora.ini"));
    return ini.open(QIODevice::WriteOnly) && ini.write("[HotKey]\nsk=6\nvk=75\n") > 0;
}

QStringList programWindows()
{
    const ToolResult r = runTool(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                             QStringLiteral("--class"), QStringLiteral("quillora")});
    return r.ok() ? QString::fromLatin1(r.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts) : QStringList();
}

QImage windowImage(const QString& id)
{
    const ToolResult r = runTool(QStringLiteral("import"), {QStringLiteral("-window"), id, QStringLiteral("png:-")});
    return r.ok() ? QImage::fromData(r.out, "PNG") : QImage();
}

bool xdotool(const QStringList& args)
{
    const ToolResult r = runTool(QStringLiteral("xdotool"), args);
    EXPECT_TRUE(r.ok()) << args.join(QLatin1Char(' ')).toStdString() << r.err.constData();
    return r.ok();
}

QString startXterm(ChildProcess& process, const QString& title, const QPoint& topLeft)
{
    if (!process.start(QStringLiteral("xterm"), {QStringLiteral("-T"), title, QStringLiteral("-geometry"),
                                                 QStringLiteral("40x8+%1+%2").arg(topLeft.x()).arg(topLeft.y())}))
        return {};
    QString id;
    waitUntil([&] { return !(id = visibleWindowsTitled(title).value(0)).isEmpty(); }, 15000);
    return id;
}

bool isMapped(const QString& id)
{
    const ToolResult r = runTool(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
    return r.ok() && r.out.contains("Map State: IsViewable");
}
