#pragma once
#include <QObject>
#include <QTimer>

#include <functional>

// A repeating timer behind a seam, so the logic it drives is tested tick by tick.
class Ticker
{
public:
    virtual ~Ticker() = default;
    virtual void start(int intervalMs) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    // Called on every tick.
    std::function<void()> onTick;
};

// The real one: a QTimer.
class QtTicker final : public Ticker
{
public:
    QtTicker()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (onTick)
                onTick();
        });
    }
    void start(int intervalMs) override { m_timer.start(intervalMs); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }

private:
    QTimer m_timer;
};
