#pragma once
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// The drawing of the program's one light-blue skin, in QtGui only: the numbered
// resources (bitmap buttons, skin pieces, menu images, program icon) and the pictures
// the asset generator writes into the program directory. Everything is drawn in code,
// so the pictures are the same wherever they are used.
namespace SkinArt {

// The picture of a resource number; a null image for numbers the skin does not know.
QImage resource(int number);
// Every resource number the skin draws, ascending.
QList<int> resourceNumbers();

// The colours of the skin.
namespace Palette {
inline constexpr unsigned Background = 0xFFCCEBFF; // (204, 235, 255)
inline constexpr unsigned Deep = 0xFF1D5AA0;       // title bars, frames
inline constexpr unsigned Mid = 0xFF3A78BC;
inline constexpr unsigned Light = 0xFF9FCDF3;
inline constexpr unsigned Pale = 0xFFEAF6FF;
inline constexpr unsigned Accent = 0xFFF5A623;     // warm highlight (hover glow, star)
}

// The program icon drawn at size x size pixels (resource 128 is the 32-pixel one).
QImage programIcon(int size);

// The splash picture (400 x 250) with the program's name.
QImage splash();

// The 16 x 16 icons of the category pages, "face/<name><number>.bmp": black is
// transparent. faceNames() lists the names.
QStringList faceNames();
QImage faceIcon(const QString& name, int number);

// The diary's face pictures "ico/<number>.bmp", 1 to 7, 32 x 32.
QImage diaryFace(int number);

// The clocks' digit strips "bmp/Clock/<colour>.bmp": 162 x 25, digits 0..9 each 15 wide at
// x = 15 d, a colon 8 wide at x = 150, a 2-pixel edge column at x = 160.
QStringList clockDigitColours();
QImage clockDigits(const QString& colour);

// The Cartoon Clock's skins "bmp/Clock/<name>.bmp": the top-left pixel's colour is clear, and
// two black bars 109 pixels apart, 25 high, frame the 110 x 25 time display.
QStringList clockSkins();
QImage clockSkin(const QString& name);

// Winlinez: "bmp/FivePlus/BK.bmp" (360 x 410: score band, then the 9 x 9 board of 40-pixel
// cells), "ALL_GRID.bmp" (the nine ball kinds 38 x 38 at x = 38 (k - 1), selected look in the
// row at y = 38), "NUMBER.bmp" (digits 24 x 42 at x = 24 d).
QImage fivePlusBackground();
QImage fivePlusBalls();
QImage fivePlusDigits();

// SameBall's sprite sheet "bmp/SameBall/bitmap<n>.bmp" for cells of cell x cell pixels.
QImage sameBallSheet(int cell);

// The frames of the banner movie, a light-blue strip with the program's name.
QList<QImage> bannerFrames(int width, int height);
inline constexpr int BannerWidth = 209, BannerHeight = 56, BannerFrameMs = 80;

} // namespace SkinArt
