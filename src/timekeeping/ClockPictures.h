#pragma once
#include <QImage>
#include <QString>

// The clocks' pictures from the program directory.
namespace ClockPictures {
// A Windows bitmap file as an image; a null image when the file is missing or not a bitmap
// (its first two bytes are not "BM").
QImage load(const QString& path);
}
