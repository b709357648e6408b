// The pictures and sounds the asset generator put into the program directory.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMovie>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {
QString programDir()
{
    const QByteArray dir = qgetenv("QUILLORA_BIN_DIR");
    return dir.isEmpty() ? QString() : QString::fromLocal8Bit(dir);
}

QString file(const QString& name) { return QDir(programDir()).filePath(name); }
} // namespace

TEST(AssetFiles, PicturesHaveTheirNamesAndSizes)
{
    ASSERT_FALSE(programDir().isEmpty());
    const struct
    {
        const char* name;
        QSize size;
    } pictures[] = {
        {"bmp/SplashWindow.bmp", {400, 250}}, {"face/work1.bmp", {16, 16}},
        {"face/alarm1.bmp", {16, 16}},        {"face/favorite1.bmp", {16, 16}},
        {"face/boot1.bmp", {16, 16}},         {"face/player1.bmp", {16, 16}},
        {"face/player2.bmp", {16, 16}},       {"face/game1.bmp", {16, 16}},
        {"face/systool1.bmp", {16, 16}},     {"ico/1.bmp", {32, 32}},
        {"ico/2.bmp", {32, 32}},              {"ico/3.bmp", {32, 32}},
        {"ico/4.bmp", {32, 32}},              {"ico/5.bmp", {32, 32}},
        {"ico/6.bmp", {32, 32}},              {"ico/7.bmp", {32, 32}},
        {"bmp/Clock/Pink.bmp", {162, 25}},    {"bmp/Clock/Dark Green.bmp", {162, 25}},
        {"bmp/Clock/Light Yellow.bmp", {162, 25}}, {"bmp/Clock/Lark.bmp", {162, 25}},
        {"bmp/Clock/Saffron.bmp", {162, 25}}, {"bmp/Clock/Cyan.bmp", {162, 25}},
        {"bmp/Clock/Light Blue.bmp", {162, 25}}, {"bmp/Clock/Liquid Crystal.bmp", {162, 25}},
        {"bmp/Clock/No.bmp", {126, 41}},      {"bmp/Clock/Girl.bmp", {150, 150}},
        {"bmp/Clock/Fish Ash.bmp", {150, 150}}, {"bmp/Clock/Mickey Mouse.bmp", {150, 150}},
        {"bmp/Clock/Little Bean.bmp", {150, 150}}, {"bmp/Clock/Snoopy.bmp", {150, 150}},
        {"bmp/Clock/Donald Duck.bmp", {150, 150}},
        {"bmp/FivePlus/BK.bmp", {360, 410}},  {"bmp/FivePlus/ALL_GRID.bmp", {342, 76}},
        {"bmp/FivePlus/NUMBER.bmp", {240, 42}}, {"bmp/SameBall/bitmap1.bmp", {11 * 64, 7 * 64}},
        {"bmp/SameBall/bitmap2.bmp", {11 * 48, 7 * 48}}, {"bmp/SameBall/bitmap3.bmp", {11 * 32, 7 * 32}},
    };
    for (const auto& p : pictures) {
        const QString name = QString::fromLatin1(p.name);
        const QImage img(file(name), "BMP");
        ASSERT_FALSE(img.isNull()) << p.name;
        EXPECT_EQ(img.size(), p.size) << p.name;
        if (name.startsWith(u"face/")) {
            // Black is the list's transparent colour: the corners are clear, the middle drawn.
            EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0u) << p.name;
            int drawn = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    drawn += (img.pixel(x, y) & 0xFFFFFF) != 0;
            EXPECT_GT(drawn, 40) << p.name;
        }
        if (name.startsWith(u"bmp/Clock/") && img.width() == 162) {
            // Ten different digits side by side, 15 pixels apart.
            for (int a = 0; a < 10; ++a)
                for (int b = a + 1; b < 10; ++b)
                    EXPECT_NE(img.copy(15 * a, 0, 15, 25), img.copy(15 * b, 0, 15, 25))
                        << p.name << " digits " << a << " and " << b;
        }
    }
}

TEST(AssetFiles, SoundsAre16BitPcmOfTheirLength)
{
    const struct
    {
        const char* name;
        double minSeconds, maxSeconds;
    } sounds[] = {
        {"Sound/SplashWindow.wav", 0.5, 3.0},      {"Sound/SameBall/BkMusic.wav", 4.0, 20.0},
        {"Sound/SameBall/kill.wav", 0.05, 1.0},    {"Sound/SameBall/active.wav", 0.02, 0.5},
        {"Sound/SameBall/gameover.wav", 0.5, 4.0},
    };
    for (const auto& s : sounds) {
        QFile f(file(QString::fromLatin1(s.name)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << s.name;
        const QByteArray wav = f.readAll();
        ASSERT_GE(wav.size(), 44) << s.name;
        EXPECT_TRUE(wav.startsWith("RIFF")) << s.name;
        EXPECT_EQ(wav.mid(8, 8), QByteArray("WAVEfmt ")) << s.name;
        const auto u16 = [&](int at) { return qFromLittleEndian<quint16>(wav.constData() + at); };
        const auto u32 = [&](int at) { return qFromLittleEndian<quint32>(wav.constData() + at); };
        EXPECT_EQ(u16(20), 1) << s.name;  // PCM
        EXPECT_EQ(u16(34), 16) << s.name; // bits per sample
        EXPECT_EQ(u32(4), quint32(wav.size() - 8)) << s.name;
        EXPECT_EQ(wav.mid(36, 4), QByteArray("data")) << s.name;
        const double seconds = double(u32(40)) / u32(28);
        EXPECT_GE(seconds, s.minSeconds) << s.name;
        EXPECT_LE(seconds, s.maxSeconds) << s.name;
        // Not silence.
        int loud = 0;
        for (int at = 44; at + 1 < wav.size(); at += 2)
            loud += qAbs(qFromLittleEndian<qint16>(wav.constData() + at)) > 3000;
        EXPECT_GT(loud, 100) << s.name;
    }
}

TEST(AssetFiles, BackgroundMusicLoopsWithoutAJump)
{
    QFile f(file(QStringLiteral("Sound/SameBall/BkMusic.wav")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray wav = f.readAll();
    ASSERT_GT(wav.size(), 44 + 4);
    const qint16 last = qFromLittleEndian<qint16>(wav.constData() + wav.size() - 2);
    const qint16 first = qFromLittleEndian<qint16>(wav.constData() + 44);
    const qint16 second = qFromLittleEndian<qint16>(wav.constData() + 46);
    // From the last sample to the first is no bigger a step than between neighbours.
    EXPECT_LT(qAbs(int(first) - int(last)), qAbs(int(second) - int(first)) + 2000);
}

TEST(AssetFiles, BannerIsAMovieQMoviePlays)
{
    QMovie movie(file(QStringLiteral("Introduction")));
    ASSERT_TRUE(movie.isValid());
    EXPECT_GT(movie.frameCount(), 1);
    ASSERT_TRUE(movie.jumpToFrame(0));
    EXPECT_EQ(movie.currentImage().size(), QSize(209, 56));
    const QImage first = movie.currentImage();
    ASSERT_TRUE(movie.jumpToNextFrame());
    EXPECT_NE(movie.currentImage(), first) << "the banner does not move";
    // Light blue: the strip's average colour is bluish and light.
    qint64 r = 0, g = 0, b = 0;
    for (int y = 0; y < first.height(); ++y)
        for (int x = 0; x < first.width(); ++x) {
            const QRgb p = first.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
        }
    EXPECT_GT(b, r);
    EXPECT_GT(b / (first.width() * first.height()), 180);
}
