#pragma once

// The connection check.
class Network
{
public:
    // The ways the computer is connected; they may combine.
    enum Way : int { Modem = 1, Lan = 2, Proxy = 4 };

    virtual ~Network() = default;
    // True when the computer is connected to a network beyond itself; `ways`, when given,
    // receives the Way flags of the connection (0 when not connected).
    virtual bool isConnected(int* ways = nullptr) const = 0;
};
