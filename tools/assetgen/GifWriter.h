#pragma once
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRgb>

// Writes an animated GIF (GIF89a, looping forever) from frames of one size: one global
// palette of at most 256 colours chosen from the frames, LZW-compressed image data.
class GifWriter
{
public:
    // The whole file; delayMs is each frame's display time (kept to 10 ms steps).
    static QByteArray encode(const QList<QImage>& frames, int delayMs);

    // The palette encode() uses for these frames, and the palette index of every pixel.
    static QList<QRgb> choosePalette(const QList<QImage>& frames);
    static QByteArray indexPixels(const QImage& frame, const QList<QRgb>& palette);

    // LZW data of the indices (minimum code size 8), before it is cut into sub-blocks.
    static QByteArray lzw(const QByteArray& indices);
};
