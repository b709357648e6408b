#pragma once
#include "platform/Network.h"

// A connection state set by the test; counts the checks.
class FakeNetwork final : public Network
{
public:
    explicit FakeNetwork(bool connected = true) : m_connected(connected) {}
    bool isConnected() const override
    {
        ++m_checks;
        return m_connected;
    }
    void setConnected(bool connected) { m_connected = connected; }
    int checks() const { return m_checks; }

private:
    bool m_connected;
    mutable int m_checks = 0;
};
