#pragma once
#include <QString>

// What the Player page asks of its video window, the playback component's host. Times are
// in seconds; the volume runs from 0 to 100.
class MediaControl
{
public:
    virtual ~MediaControl() = default;

    // Gives the window the file. From the beginning: the component is stopped and set to
    // position 0 first. Then, when the component stands at position 0, the file is loaded
    // and starts by itself; otherwise what plays goes on. The window's own timer runs from
    // here until stop().
    virtual void start(const QString& path, bool fromBeginning) = 0;
    virtual void pause() = 0;
    virtual void resume() = 0;
    // Stops the component and the window's timer.
    virtual void stop() = 0;
    virtual void setPosition(double seconds) = 0;
    virtual double position() const = 0;
    virtual double duration() const = 0;
    virtual int volume() const = 0;
    virtual void setVolume(int volume) = 0;
};
