#pragma once
#include "platform/Clock.h"

// The system clock. Setting it goes through systemd-timedated (org.freedesktop.timedate1
// SetTime on the system bus, interactive: the desktop may ask for a password).
class SystemClock final : public Clock
{
public:
    qint64 now() const override;
    qint64 nowMs() const override;
    qint64 tickMs() const override;
    bool setSystemTime(const QDateTime& moment) override;
};
