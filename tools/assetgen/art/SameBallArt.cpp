// SameBall's art: the sprite sheets of its three board sizes and its sounds.
#include "assetgen/art/SameBallArt.h"

#include "assetgen/WaveWriter.h"
#include "assetgen/art/ArtKit.h"
#include "controls/SkinArt.h"

#include <QPainter>
#include <QtMath>

namespace SameBallArt {
namespace {
using SkinArt::vertical;

// The cell sizes of the sheets bitmap1, bitmap2 and bitmap3.
const int sheetCells[] = {64, 48, 32};

// The sprite sheet "bmp/SameBall/bitmap<n>.bmp" for cells of cell x cell pixels.
QImage sameBallSheet(int cell)
{
    // 11 columns x 7 rows of cell x cell: rows 0..2 colour r at rest (column 0) and frames
    // 1..10; rows 3..5 frames 11..20 of colours 0..2; row 6 column 0 the empty cell. The
    // frames spin the ball's light once round.
    const QColor colours[3] = {QColor(225, 45, 45), QColor(40, 175, 70), QColor(45, 95, 225)};
    QImage img(11 * cell, 7 * cell, QImage::Format_RGB32);
    QPainter p(&img);
    auto empty = [&](const QRectF& r) {
        p.fillRect(r, vertical(r.top(), r.bottom(), QColor(30, 62, 110), QColor(20, 44, 84)));
        p.setPen(QColor(44, 82, 136));
        p.setRenderHint(QPainter::Antialiasing, false);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    };
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 11; ++col)
            empty(QRectF(col * cell, row * cell, cell, cell));
    auto ball = [&](int colour, int frame, int col, int row) {
        const QRectF r(col * cell, row * cell, cell, cell);
        const qreal radius = cell * 0.42;
        const qreal angle = -2.3 + 2 * M_PI * frame / 20.0;
        // Hovered balls also breathe a little.
        const qreal grow = frame ? 1.0 + 0.05 * qSin(M_PI * frame / 10.0) : 1.0;
        ArtKit::drawGlossyBall(p, r.center() - QPointF(0, cell * 0.02), radius * grow, colours[colour], angle);
    };
    for (int c = 0; c < 3; ++c) {
        for (int f = 0; f <= 10; ++f)
            ball(c, f, f, c);
        for (int f = 11; f <= 20; ++f)
            ball(c, f, f - 11, 3 + c);
    }
    return img;
}


// SameBall's sounds, 16-bit mono at 22050 Hz.
QList<QPair<QString, std::function<QByteArray()>>> sameBallSounds()
{
    constexpr int rate = 22050;
    return {
        {QStringLiteral("BkMusic.wav"),
         [] {
             // Eight seconds of a soft music box in C major, made to loop without a seam:
             // notes ringing past the end continue at the start.
             const double bar = 2.0;
             const double chords[4][4] = {{523.25, 659.25, 783.99, 1046.50}, // C
                                          {440.00, 523.25, 659.25, 880.00},  // Am
                                          {349.23, 440.00, 523.25, 698.46},  // F
                                          {392.00, 493.88, 587.33, 783.99}}; // G
             const int order[8] = {0, 1, 2, 3, 2, 1, 3, 1};
             QList<double> mix(qsizetype(4 * bar * rate), 0.0);
             for (int b = 0; b < 4; ++b)
                 for (int step = 0; step < 8; ++step) {
                     const double at = b * bar + step * bar / 8;
                     WaveWriter::strike(mix, rate, at, chords[b][order[step] % 4], 1.6, step == 0 ? 1.0 : 0.6, true);
                 }
             for (int b = 0; b < 4; ++b)
                 WaveWriter::strike(mix, rate, b * bar, chords[b][0] / 2, 2.4, 0.8, true);
             return WaveWriter::encode(WaveWriter::finish(mix, 0.35, 0, rate), rate);
         }},
        {QStringLiteral("kill.wav"),
         [] { return WaveWriter::encode(WaveWriter::finish(WaveWriter::sweep(900, 220, 0.22, 0.25, rate), 0.7, 0.02, rate), rate); }},
        {QStringLiteral("active.wav"),
         [] { return WaveWriter::encode(WaveWriter::finish(WaveWriter::sweep(1400, 1800, 0.06, 0.0, rate), 0.4, 0.01, rate), rate); }},
        {QStringLiteral("gameover.wav"),
         [] {
             // G5, E5, C5, G4: falling.
             return WaveWriter::encode(WaveWriter::chime({783.99, 659.25, 523.25, 392.00}, 0.22, 1.4, rate), rate);
         }},
    };
}

} // namespace

QList<Asset> assets()
{
    QList<Asset> list;
    for (int n = 1; n <= 3; ++n) {
        const int cell = sheetCells[n - 1];
        list.append({QStringLiteral("bmp/SameBall/bitmap%1.bmp").arg(n),
                     [cell] { return bmp(sameBallSheet(cell)); }, pictureOfSize({11 * cell, 7 * cell})});
    }
    for (const auto& [name, make] : sameBallSounds())
        list.append({QStringLiteral("Sound/SameBall/%1").arg(name), make, checkWave});
    return list;
}

QList<Tile> tiles()
{
    // The smallest sheet: the others are the same at larger cells.
    return {{QStringLiteral("bitmap3"), sameBallSheet(sheetCells[2])}};
}

} // namespace SameBallArt
