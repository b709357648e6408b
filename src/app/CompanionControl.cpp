#include "app/CompanionControl.h"

#include <QLibrary>

QString CompanionControl::libraryPath(const QString& programDir)
{
    QString dir = programDir;
    while (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\')))
        dir.chop(1);
    return dir + QStringLiteral("/lib/Marrowby.so");
}

CompanionControl::Result CompanionControl::call(const QString& programDir, const char* entryPoint)
{
    QLibrary library(libraryPath(programDir));
    if (!library.load())
        return Result::NoLibrary;
    using Entry = long (*)();
    auto entry = reinterpret_cast<Entry>(library.resolve(entryPoint));
    Result result = Result::NoEntryPoint;
    if (entry) {
        entry();
        result = Result::Done;
    }
    library.unload();
    return result;
}

QString CompanionControl::message(Result result)
{
    switch (result) {
    case Result::Done: return {};
    case Result::NoLibrary: return QStringLiteral("Error in LoadLibrary.");
    case Result::NoEntryPoint: return QStringLiteral("Error in GetProcAddress.");
    }
    return {};
}
