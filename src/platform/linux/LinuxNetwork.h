#pragma once
#include "platform/Network.h"

// The connection check: some network interface other than loopback is up and running with
// an address.
class LinuxNetwork final : public Network
{
public:
    bool isConnected() const override;
};
