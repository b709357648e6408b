#pragma once
#include <QTimer>

#include <functional>

// The timer that makes one player's piece fall. The window hands the game real ones;
// tests hand in timers they fire themselves.
class GravityTimer
{
public:
    virtual ~GravityTimer() = default;
    virtual void start(int periodMs) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    virtual int periodMs() const = 0;

    // Called on every tick (set by the game).
    std::function<void()> onTick;
};

// A gravity timer on a QTimer of the thread's event loop.
class QtGravityTimer final : public GravityTimer
{
public:
    QtGravityTimer()
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] {
            if (onTick)
                onTick();
        });
    }
    void start(int periodMs) override { m_timer.start(periodMs); }
    void stop() override { m_timer.stop(); }
    bool isActive() const override { return m_timer.isActive(); }
    int periodMs() const override { return m_timer.interval(); }

private:
    QTimer m_timer;
};
