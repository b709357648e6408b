#pragma once
#include "platform/Network.h"

// The connection check: some network interface other than loopback is up and running with
// an address. A point-to-point link (PPP and the like) counts as a modem, any other
// interface as a local network; a proxy named in the environment (http_proxy and its
// kin) adds the proxy flag.
class LinuxNetwork final : public Network
{
public:
    bool isConnected(int* ways = nullptr) const override;
};
