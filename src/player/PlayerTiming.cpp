#include "player/PlayerTiming.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace PlayerTiming {

int positionBar(double position, double duration)
{
    const double f = std::clamp(position / duration, 0.0, 1.0);
    return std::min(int(f * 100 + 1), PositionBarMax);
}

double seekPosition(int barValue, double duration)
{
    const double x = std::clamp(barValue * 0.01, 0.0, 1.0);
    return x * std::max(duration, 0.0);
}

QString timeText(double position)
{
    const long long s = position > 0 ? (long long)position : 0;
    QString text = QString::asprintf("%02lld:%02lld", (s / 60) % 60, s % 60);
    if (s >= 3600)
        text.prepend(QString::asprintf("%02lld:", (s / 3600) % 60));
    return text;
}

bool wideTime(double duration)
{
    return duration >= 3600;
}

bool atEnd(double position, double duration)
{
    return duration - position <= 0.5;
}

bool knownDuration(double duration)
{
    return std::abs(duration) > 0.1;
}

int volumeBar(int volume)
{
    const double v = volume / 100.0;
    return std::min(int(v * 50 + 1), VolumeBarMax);
}

int volumeFromBar(int barValue)
{
    const double x = std::clamp(barValue * 0.02, 0.0, 1.0);
    return int(x * 100);
}

double zoomFactor(int zoom)
{
    static constexpr double factors[] = {0.5, 0.75, 1.0, 1.5, 2.0};
    return factors[std::clamp(zoom, 0, 4)];
}

QSize zoomedComponent(QSize picture, int zoom)
{
    if (picture.width() <= 0 || picture.height() <= 0)
        return {280, 170};
    const double f = zoomFactor(zoom);
    return {int(picture.width() * f), int(picture.height() * f) + 70};
}

QSize windowAround(QSize component)
{
    return component + QSize(12, 30);
}

QSize firstWindowSize(QSize screen)
{
    return {screen.width() / 2, screen.height() / 2 + 100};
}

bool needsRefit(QSize window, QSize wanted)
{
    return std::abs(window.width() - wanted.width()) > 1 || std::abs(window.height() - wanted.height()) > 1;
}

} // namespace PlayerTiming
