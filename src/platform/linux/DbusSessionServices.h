#pragma once
#include "platform/SessionServices.h"

// Power-off through systemd-logind, locking through the desktop's screen saver service or
// logind, the screen saver through the X server (or xdg-screensaver).
class DbusSessionServices final : public SessionServices
{
public:
    // login1 Manager.PowerOff(true) on the system bus: interactive, never forced.
    bool powerOff() override;
    // org.freedesktop.ScreenSaver.Lock on the session bus, else the logind session's Lock.
    bool lockSession() override;
    // XForceScreenSaver(Activate) on the X display, else `xdg-screensaver activate`.
    bool startScreenSaver() override;
};
