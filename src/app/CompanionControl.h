#pragma once
#include <QString>

// The companion control library "Marrowby" in the program directory's lib/ folder,
// registered at start and unregistered at exit through its two exported entry points.
class CompanionControl
{
public:
    enum class Result { Done, NoLibrary, NoEntryPoint };

    static QString libraryPath(const QString& programDir);
    // Loads the library, calls the entry point by name and unloads it again.
    static Result call(const QString& programDir, const char* entryPoint);
    // "Error in LoadLibrary." / "Error in GetProcAddress." / empty.
    static QString message(Result result);
};
