// The skin's numbered pictures, as the windows take them from the controls library.
#include "controls/Skin.h"

#include <QImage>
#include <QPainter>
#include <QSet>

#include <gtest/gtest.h>

namespace {
struct ButtonCase
{
    const char* name;
    std::vector<int> numbers; // normal, pressed, hover[, disabled]
    QSize size;
};

const ButtonCase buttonCases[] = {
    {"Player", {220, 223, 221, 485}, {29, 33}},
    {"Game", {210, 213, 211, 486}, {29, 33}},
    {"Alarm", {192, 195, 193, 479}, {29, 33}},
    {"Boot", {196, 199, 197, 484}, {29, 33}},
    {"Favorite", {206, 209, 207, 481}, {29, 33}},
    {"SysTool", {227, 230, 228, 483}, {29, 33}},
    {"Work", {234, 237, 235, 480}, {29, 33}},
    {"Mail", {216, 214, 215, 489}, {29, 29}},
    {"Calculator", {200, 201, 202, 488}, {29, 29}},
    {"Metrology", {217, 218, 219, 487}, {29, 29}},
    {"Calendar", {203, 204, 205, 490}, {29, 29}},
    {"ShortcutKey", {224, 225, 226, 491}, {29, 29}},
    {"Minimize", {244, 245, 246}, {17, 20}},
    {"Setting", {241, 242, 243}, {17, 20}},
    {"Close", {238, 239, 240}, {17, 20}},
    {"Help", {9011, 9012, 9013}, {17, 20}},
    {"PlayerFirst", {9201, 9202, 9203}, {16, 19}},
    {"PlayerPlay", {9204, 9205, 9206}, {16, 19}},
    {"PlayerPause", {9207, 9208, 9209}, {16, 19}},
    {"PlayerStop", {9210, 9211, 9212}, {16, 19}},
    {"PlayerLast", {9213, 9214, 9215}, {16, 19}},
    {"PlayerMenu", {9216, 9217, 9218}, {16, 19}},
    {"MediaHide", {9221, 9222, 9223}, {20, 24}},
    {"MediaZoom", {9224, 9225, 9226}, {20, 24}},
    {"MediaClose", {9227, 9228, 9229}, {31, 24}},
};
} // namespace

TEST(Skin, EveryBitmapButtonHasItsLooksInTheirSize)
{
    QSet<QByteArray> normals;
    for (const ButtonCase& c : buttonCases) {
        QList<QImage> looks;
        for (int n : c.numbers) {
            const QPixmap p = Skin::resource(n);
            ASSERT_FALSE(p.isNull()) << c.name << " " << n;
            EXPECT_EQ(p.size(), c.size) << c.name << " " << n;
            looks.append(p.toImage());
        }
        // The looks differ from each other.
        for (int i = 0; i < looks.size(); ++i)
            for (int j = i + 1; j < looks.size(); ++j)
                EXPECT_NE(looks[i], looks[j]) << c.name << " looks " << i << " and " << j;
        // And the buttons differ from each other (each has its own pictogram).
        const QImage normal = looks[0].convertToFormat(QImage::Format_ARGB32);
        normals.insert(QByteArray(reinterpret_cast<const char*>(normal.constBits()), normal.sizeInBytes()));
    }
    EXPECT_EQ(normals.size(), int(std::size(buttonCases)));
}

TEST(Skin, PanelPiecesMenuImagesAndIcon)
{
    const struct
    {
        int number;
        QSize size;
    } fixed[] = {{128, {32, 32}}, {138, {16, 16}}, {139, {16, 16}}};
    for (const auto& f : fixed)
        EXPECT_EQ(Skin::resource(f.number).size(), f.size) << f.number;
    for (int n = 247; n <= 257; ++n)
        EXPECT_FALSE(Skin::resource(n).isNull()) << n;
    for (int n = 263; n <= 266; ++n)
        EXPECT_FALSE(Skin::resource(n).isNull()) << n;
    EXPECT_EQ(Skin::resource(Skin::PanelTitleMiddle).height(), Skin::TitleHeight);
    EXPECT_EQ(Skin::resource(Skin::BorderTop).height(), 2);
    EXPECT_EQ(Skin::resource(Skin::BorderLeft).width(), 2);
    EXPECT_EQ(Skin::resource(Skin::PlayerBottom).height(), 57);
    EXPECT_FALSE(Skin::resource(Skin::TrayTipPicture).isNull());
    EXPECT_TRUE(Skin::resource(1).isNull());
    EXPECT_TRUE(Skin::resource(258).isNull());
    EXPECT_FALSE(Skin::programIcon().isNull());
    EXPECT_FALSE(Skin::programIcon().pixmap(16).isNull());
    for (int n : Skin::resourceNumbers())
        EXPECT_FALSE(Skin::resource(n).isNull()) << n;
}

TEST(Skin, PanelBackgroundCoversTheWholePanel)
{
    // Every pixel of a 210 x 350 panel is painted opaquely, with and without the border.
    for (bool border : {false, true}) {
        QImage img(210, 350, QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        QPainter p(&img);
        Skin::paintPanel(p, img.rect(), border);
        p.end();
        int holes = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                holes += qAlpha(img.pixel(x, y)) != 255;
        EXPECT_EQ(holes, 0) << "border " << border;
        // The title bar is the skin's dark blue, the body the light dialog blue.
        const QColor title = img.pixelColor(100, 10), body = img.pixelColor(100, 200);
        EXPECT_GT(title.blue(), title.red() + 60);
        EXPECT_EQ(body, QColor(204, 235, 255));
    }
}
