#pragma once
#include <QString>

// Opens things the way the desktop does: programs are started, documents, folders and
// addresses go to the desktop's default handler.
class Launcher
{
public:
    virtual ~Launcher() = default;
    // Opens a program, document, folder or address; false when it cannot be opened.
    virtual bool open(const QString& target, const QString& verb = QStringLiteral("open")) = 0;
    // Runs a command line (program and arguments, shell-style quoting).
    virtual bool runCommand(const QString& commandLine) = 0;
};
