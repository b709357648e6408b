#pragma once
#include <QImage>
#include <QPixmap>
#include <QRegion>
#include <QRgb>
#include <QString>

// The bitmap helper: loading the program's BMP pictures and cutting them out by a
// transparent colour.
namespace CDib {

// The picture in a Windows BMP file, or a null image when the file is missing or is not a
// BMP (its first two bytes are not "BM").
QImage loadBmp(const QString& path);

// The picture with every pixel of the transparent colour made clear (for list icons with
// black as the transparent colour, skins whose top-left pixel is transparent, ...).
QPixmap withTransparentColour(const QImage& image, QRgb transparent);

// The region of the pixels that are not the transparent colour: a window outline cut to
// its picture.
QRegion opaqueRegion(const QImage& image, QRgb transparent);

} // namespace CDib
