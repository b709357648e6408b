#include "LinuxPlatform.h"

#include "DbusSessionServices.h"
#include "DesktopLauncher.h"
#include "IniRegistry.h"
#include "IniProfile.h"
#include "LinuxNetwork.h"
#include "PosixFiles.h"
#include "QtSound.h"
#include "SystemClock.h"
#include "X11Desktop.h"

std::unique_ptr<Platform> makeLinuxPlatform()
{
    auto p = std::make_unique<Platform>();
    p->clock = std::make_unique<SystemClock>();
    p->launcher = std::make_unique<DesktopLauncher>();
    p->sound = std::make_unique<QtSound>();
    p->session = std::make_unique<DbusSessionServices>();
    p->desktop = std::make_unique<X11Desktop>();
    p->registry = std::make_unique<IniRegistry>();
    p->profile = std::make_unique<IniProfile>();
    p->files = std::make_unique<PosixFiles>();
    p->codec = std::make_unique<LocaleTextCodec>();
    p->network = std::make_unique<LinuxNetwork>();
    return p;
}
