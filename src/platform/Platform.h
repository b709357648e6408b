#pragma once
#include <memory>

#include "platform/Clock.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/Launcher.h"
#include "platform/Network.h"
#include "platform/Registry.h"
#include "platform/SessionServices.h"
#include "platform/Sound.h"
#include "platform/TextCodec.h"

// Everything that touches the world outside the program directory. One is made in main()
// and handed down; tests hand in fakes.
struct Platform
{
    std::unique_ptr<Clock> clock;
    std::unique_ptr<Launcher> launcher;
    std::unique_ptr<Sound> sound;
    std::unique_ptr<SessionServices> session;
    std::unique_ptr<Desktop> desktop;
    std::unique_ptr<Registry> registry;
    std::unique_ptr<Profile> profile;
    std::unique_ptr<Files> files;
    std::unique_ptr<TextCodec> codec;
    std::unique_ptr<Network> network;
};
