#pragma once

// The connection check.
class Network
{
public:
    virtual ~Network() = default;
    virtual bool isConnected() const = 0;
};
