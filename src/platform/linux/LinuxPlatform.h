#pragma once
#include <memory>

#include "platform/Platform.h"

// The platform of a Linux X11 desktop. Make it after the QGuiApplication (the desktop and
// the screen saver use its X connection) and destroy it before.
std::unique_ptr<Platform> makeLinuxPlatform();
