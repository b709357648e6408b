#pragma once
#include <cstdint>

// The C run-time's classic random generator: values 0..32767 from the linear congruential
// state state * 214013 + 2531011. Games and the splash pick with it so that thresholds
// written for that range keep their odds.
class CRand
{
public:
    static constexpr int Max = 32767;
    explicit CRand(std::uint32_t seed = 1) : m_state(seed) { }
    void seed(std::uint32_t s) { m_state = s; }
    int next()
    {
        m_state = m_state * 214013u + 2531011u;
        return int((m_state >> 16) & 0x7FFF);
    }

private:
    std::uint32_t m_state;
};
