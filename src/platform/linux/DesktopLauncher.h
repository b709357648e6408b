#pragma once
#include "platform/Launcher.h"

// Starts programs itself (detached) and hands documents, folders and addresses to the
// desktop's default handler.
class DesktopLauncher final : public Launcher
{
public:
    bool open(const QString& target, const QString& verb = QStringLiteral("open")) override;
    bool runCommand(const QString& commandLine) override;
};
