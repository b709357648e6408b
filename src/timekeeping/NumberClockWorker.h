#pragma once
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include "timekeeping/ClockFaces.h"

class Clock;

// The Number Clock's worker thread: once a second it reads the local time, updates the
// digits and asks for a repaint (updated(), delivered on the receiver's thread). Stopping
// wakes it at once; the destructor stops it and waits at most StopWaitMs.
class NumberClockWorker : public QThread
{
    Q_OBJECT
public:
    static constexpr int PeriodMs = 1000;
    static constexpr int StopWaitMs = 1500;

    explicit NumberClockWorker(Clock& clock, NumberClock::DateOrder order = NumberClock::DateOrder::DayMonthYear,
                               QObject* parent = nullptr);
    ~NumberClockWorker() override;

    // The digits last computed.
    NumberClock::Digits digits() const;
    // Reads the clock and updates the digits now (the worker does this every second).
    void refresh();
    // Asks the thread to end and waits for it, at most StopWaitMs.
    void stop();

Q_SIGNALS:
    void updated();

protected:
    void run() override;

private:
    Clock& m_clock;
    const NumberClock::DateOrder m_order;
    mutable QMutex m_mutex;
    QWaitCondition m_wake;
    bool m_stopping = false;
    NumberClock::Digits m_digits{};
};
