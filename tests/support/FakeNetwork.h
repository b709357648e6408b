#pragma once
#include "platform/Network.h"

// A connection state set by the test; counts the checks.
class FakeNetwork final : public Network
{
public:
    explicit FakeNetwork(bool connected = true, int ways = Lan) : m_connected(connected), m_ways(ways) {}
    bool isConnected(int* ways = nullptr) const override
    {
        ++m_checks;
        if (ways)
            *ways = m_connected ? m_ways : 0;
        return m_connected;
    }
    void setConnected(bool connected) { m_connected = connected; }
    // The Network::Way flags a connected check reports.
    void setWays(int ways) { m_ways = ways; }
    int checks() const { return m_checks; }

private:
    bool m_connected;
    int m_ways;
    mutable int m_checks = 0;
};
