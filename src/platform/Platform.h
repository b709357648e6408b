#pragma once
#include <memory>

#include "Clock.h"
#include "Desktop.h"
#include "Files.h"
#include "Launcher.h"
#include "Network.h"
#include "Registry.h"
#include "SessionServices.h"
#include "Sound.h"
#include "TextCodec.h"

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
