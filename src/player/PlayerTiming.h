#pragma once
#include <QSize>
#include <QString>

// The arithmetic of the Player page and its video window: the bars, the time text, the
// end of a file, and the sizes of the video window.
namespace PlayerTiming {

inline constexpr int PositionBarMax = 101;
inline constexpr int VolumeBarMax = 51;
inline constexpr int VolumeBarStart = 48;
inline constexpr int PanelTickMs = 200;
inline constexpr int VideoTickMs = 500;

// The position bar for position P of a file D seconds long: min(int(P / D * 100 + 1), 101),
// the fraction held to 0..1.
int positionBar(double position, double duration);
// The position a bar value seeks to: value * 0.01 (held to 0..1) of the duration
// (0 when the duration is negative).
double seekPosition(int barValue, double duration);
// "mm:ss", with "hh:" in front from an hour on (75 s gives 01:15, 3725 s 01:02:05).
QString timeText(double position);
// Whether the time text needs its wider room: files of an hour or longer.
bool wideTime(double duration);
// The file has (nearly) ended: D - P <= 0.5 s.
bool atEnd(double position, double duration);
// Whether the duration is known well enough to act on (more than 0.1 s either way).
bool knownDuration(double duration);

// The volume bar for a volume of 0..100: min(int(v / 100 * 50 + 1), 51).
int volumeBar(int volume);
// The volume a bar value sets: int(value * 0.02 (held to 0..1) * 100).
int volumeFromBar(int barValue);

// The video window.
// The five zoom factors "Zoom0" .. "Zoom4".
double zoomFactor(int zoom);
// The component for a picture at a zoom: the picture times the factor, 70 pixels higher
// for the strip under it; 280 x 170 when the picture size is not known.
QSize zoomedComponent(QSize picture, int zoom);
// The window around a component: 12 pixels wider, 30 higher.
QSize windowAround(QSize component);
// The window's first size: half the screen wide, half the screen plus 100 high.
QSize firstWindowSize(QSize screen);
// Whether the window must be refitted: either side off by more than one pixel.
bool needsRefit(QSize window, QSize wanted);

} // namespace PlayerTiming
