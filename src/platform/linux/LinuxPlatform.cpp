#include "platform/linux/LinuxPlatform.h"

#include "platform/linux/DbusSessionServices.h"
#include "platform/linux/DesktopLauncher.h"
#include "platform/linux/IniRegistry.h"
#include "platform/linux/IniProfile.h"
#include "platform/linux/LinuxNetwork.h"
#include "platform/linux/PosixFiles.h"
#include "platform/linux/QtSound.h"
#include "platform/linux/SystemClock.h"
#include "platform/linux/X11Desktop.h"

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
