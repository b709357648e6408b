#include "timekeeping/NumberClockWorker.h"

#include "platform/Clock.h"

#include <QDeadlineTimer>

NumberClockWorker::NumberClockWorker(Clock& clock, NumberClock::DateOrder order, QObject* parent)
    : QThread(parent), m_clock(clock), m_order(order)
{
}

NumberClockWorker::~NumberClockWorker()
{
    stop();
}

NumberClock::Digits NumberClockWorker::digits() const
{
    QMutexLocker lock(&m_mutex);
    return m_digits;
}

void NumberClockWorker::refresh()
{
    const NumberClock::Digits d = NumberClock::digits(m_clock.localNow(), m_order);
    {
        QMutexLocker lock(&m_mutex);
        m_digits = d;
    }
    Q_EMIT updated();
}

void NumberClockWorker::stop()
{
    {
        QMutexLocker lock(&m_mutex);
        m_stopping = true;
        m_wake.wakeAll();
    }
    wait(QDeadlineTimer(StopWaitMs));
}

void NumberClockWorker::run()
{
    for (;;) {
        refresh();
        QMutexLocker lock(&m_mutex);
        if (m_stopping)
            return;
        m_wake.wait(&m_mutex, QDeadlineTimer(PeriodMs));
        if (m_stopping)
            return;
    }
}
