#pragma once

// The session's power, lock and screen-saver services. Each returns false when the
// service is missing or refused; callers then skip the action.
class SessionServices
{
public:
    virtual ~SessionServices() = default;
    // Asks for a power-off; interactive (the desktop may ask the user), never forced.
    virtual bool powerOff() = 0;
    virtual bool lockSession() = 0;
    virtual bool startScreenSaver() = 0;
};
