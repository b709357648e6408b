#pragma once
#include "player/MediaControl.h"
#include "player/Ticker.h"

#include <QMap>
#include <QStringList>

#include <algorithm>

// A playback component on a fake clock: it loads a file when it stands at position 0,
// plays it when the test advances time, and stops at the file's end. Durations are set
// per path; unknown paths have none.
class FakeMedia final : public MediaControl
{
public:
    enum class State { Stopped, Playing, Paused };

    QMap<QString, double> durations;
    QStringList loads;   // every file loaded, in order
    QStringList calls;   // start/pause/resume/stop/setPosition, in order
    QString path;        // the file loaded
    QString given;       // the file last given by start()
    double pos = 0;
    int vol = 100;
    State state = State::Stopped;
    bool timerRunning = false;

    void start(const QString& p, bool fromBeginning) override
    {
        calls << QStringLiteral("start %1 %2").arg(p).arg(fromBeginning ? 1 : 0);
        given = p;
        if (fromBeginning) {
            state = State::Stopped;
            pos = 0;
        }
        if (state == State::Stopped && pos == 0) {
            path = p;
            loads << p;
            state = State::Playing;
        }
        timerRunning = true;
    }
    void pause() override
    {
        calls << QStringLiteral("pause");
        if (state == State::Playing)
            state = State::Paused;
    }
    void resume() override
    {
        calls << QStringLiteral("resume");
        if (state != State::Playing)
            state = State::Playing;
    }
    void stop() override
    {
        calls << QStringLiteral("stop");
        state = State::Stopped;
        pos = 0;
        timerRunning = false;
    }
    void setPosition(double seconds) override
    {
        calls << QStringLiteral("setPosition %1").arg(seconds);
        pos = std::clamp(seconds, 0.0, std::max(0.0, duration()));
    }
    double position() const override { return pos; }
    double duration() const override { return durations.value(path, 0); }
    int volume() const override { return vol; }
    void setVolume(int v) override { vol = v; }

    // Time passes: a playing file moves on, up to its end.
    void advance(double seconds)
    {
        if (state == State::Playing)
            pos = std::min(pos + seconds, duration());
    }
};

// A timer that ticks when the test says.
class FakeTicker final : public Ticker
{
public:
    int interval = 0;
    bool active = false;
    void start(int ms) override
    {
        interval = ms;
        active = true;
    }
    void stop() override { active = false; }
    bool isActive() const override { return active; }
    void fire()
    {
        if (active && onTick)
            onTick();
    }
};
