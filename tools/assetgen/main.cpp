// assetgen: writes the program's pictures and sounds into a program directory.
//
//   assetgen <program dir> [--sheet <contact sheet .png>]
//
// Every file is drawn or synthesised here (the skin's drawing is shared with the controls
// library), written, then read back and checked; any failure ends with a non-zero status.

#include "assetgen/GifWriter.h"
#include "controls/SkinArt.h"
#include "assetgen/WaveWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>

#include <functional>

namespace {

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

struct Asset
{
    QString path; // relative to the program directory
    std::function<QByteArray()> bytes;
    // Checks the file as written; returns an error text or an empty string.
    std::function<QString(const QString& file)> check;
};

QByteArray bmp(const QImage& image)
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP");
    return out;
}

std::function<QString(const QString&)> pictureOfSize(QSize size)
{
    return [size](const QString& file) -> QString {
        const QImage img(file);
        if (img.isNull())
            return QStringLiteral("does not load as a picture");
        if (img.size() != size)
            return QStringLiteral("is %1 x %2, not %3 x %4")
                .arg(img.width()).arg(img.height()).arg(size.width()).arg(size.height());
        return {};
    };
}

// A clock skin is searched as the Cartoon Clock does: exactly one place where two black
// columns 109 pixels apart run 25 pixels down.
QString checkClockSkin(const QString& file)
{
    const QImage img = QImage(file).convertToFormat(QImage::Format_RGB32);
    if (img.isNull())
        return QStringLiteral("does not load as a picture");
    const QRgb clear = img.pixel(0, 0), black = qRgb(0, 0, 0);
    auto isBlack = [&](int x, int y) {
        return x < img.width() && y < img.height() && img.pixel(x, y) == black;
    };
    int found = 0;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y) {
            if (img.pixel(x, y) == clear || !isBlack(x, y))
                continue;
            bool bars = true;
            for (int i = 0; i < 25 && bars; ++i)
                bars = isBlack(x, y + i) && isBlack(x + 109, y + i);
            found += bars;
        }
    return found == 1 ? QString() : QStringLiteral("has %1 time displays, not one").arg(found);
}

QString checkWave(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot be read");
    const QByteArray head = f.read(44);
    if (head.size() < 44 || !head.startsWith("RIFF") || head.mid(8, 8) != "WAVEfmt ")
        return QStringLiteral("is not a RIFF wave file");
    const auto u16 = [&](int at) { return quint8(head[at]) | quint8(head[at + 1]) << 8; };
    if (u16(20) != 1 || u16(34) != 16)
        return QStringLiteral("is not 16-bit PCM");
    return {};
}

QString checkBanner(const QString& file, const QList<QImage>& frames)
{
    QImageReader reader(file, "gif");
    if (!reader.supportsAnimation() || reader.imageCount() != frames.size())
        return QStringLiteral("is not an animation of %1 frames").arg(frames.size());
    // The frames must come back exactly as their palette indices say.
    const QList<QRgb> palette = GifWriter::choosePalette(frames);
    for (int i = 0; i < frames.size(); ++i) {
        const QImage got = reader.read().convertToFormat(QImage::Format_RGB32);
        if (got.size() != frames[i].size())
            return QStringLiteral("frame %1 has the wrong size").arg(i);
        const QByteArray idx = GifWriter::indexPixels(frames[i], palette);
        for (int y = 0; y < got.height(); ++y)
            for (int x = 0; x < got.width(); ++x) {
                const QRgb want = palette[quint8(idx[y * got.width() + x])];
                if ((got.pixel(x, y) & 0xFFFFFF) != (want & 0xFFFFFF))
                    return QStringLiteral("frame %1 decodes wrongly at (%2, %3)").arg(i).arg(x).arg(y);
            }
    }
    return {};
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

// Every file the generator writes. To add one: draw it in SkinArt (src/controls), add an
// entry here with its check, and add its name to QUILLORA_ASSET_FILES in CMakeLists.txt.
QList<Asset> assets()
{
    QList<Asset> list;
    list.append({QStringLiteral("bmp/SplashWindow.bmp"), [] { return bmp(SkinArt::splash()); },
                 pictureOfSize({400, 250})});
    list.append({QStringLiteral("Sound/SplashWindow.wav"),
                 [] {
                     // C6, E6, G6, C7: a rising major chord.
                     const int rate = 44100;
                     return WaveWriter::encode(
                         WaveWriter::chime({1046.50, 1318.51, 1567.98, 2093.00}, 0.11, 1.3, rate), rate);
                 },
                 checkWave});
    for (const QString& name : SkinArt::faceNames()) {
        const int count = name == u"player" ? 2 : 1;
        for (int n = 1; n <= count; ++n)
            list.append({QStringLiteral("face/%1%2.bmp").arg(name).arg(n),
                         [name, n] { return bmp(SkinArt::faceIcon(name, n)); }, pictureOfSize({16, 16})});
    }
    for (const QString& colour : SkinArt::clockDigitColours())
        list.append({QStringLiteral("bmp/Clock/%1.bmp").arg(colour),
                     [colour] { return bmp(SkinArt::clockDigits(colour)); }, pictureOfSize({162, 25})});
    for (const QString& skin : SkinArt::clockSkins())
        list.append({QStringLiteral("bmp/Clock/%1.bmp").arg(skin),
                     [skin] { return bmp(SkinArt::clockSkin(skin)); }, checkClockSkin});
    list.append({QStringLiteral("bmp/FivePlus/BK.bmp"), [] { return bmp(SkinArt::fivePlusBackground()); },
                 pictureOfSize({360, 410})});
    list.append({QStringLiteral("bmp/FivePlus/ALL_GRID.bmp"), [] { return bmp(SkinArt::fivePlusBalls()); },
                 pictureOfSize({342, 76})});
    list.append({QStringLiteral("bmp/FivePlus/NUMBER.bmp"), [] { return bmp(SkinArt::fivePlusDigits()); },
                 pictureOfSize({240, 42})});
    const int sameBallCells[] = {64, 48, 32};
    for (int n = 1; n <= 3; ++n) {
        const int cell = sameBallCells[n - 1];
        list.append({QStringLiteral("bmp/SameBall/bitmap%1.bmp").arg(n),
                     [cell] { return bmp(SkinArt::sameBallSheet(cell)); }, pictureOfSize({11 * cell, 7 * cell})});
    }
    for (const auto& [name, make] : sameBallSounds())
        list.append({QStringLiteral("Sound/SameBall/%1").arg(name), make, checkWave});
    for (int n = 1; n <= 7; ++n)
        list.append({QStringLiteral("ico/%1.bmp").arg(n), [n] { return bmp(SkinArt::diaryFace(n)); },
                     pictureOfSize({32, 32})});
    list.append({QStringLiteral("Introduction"),
                 [] {
                     return GifWriter::encode(
                         SkinArt::bannerFrames(SkinArt::BannerWidth, SkinArt::BannerHeight),
                         SkinArt::BannerFrameMs);
                 },
                 [](const QString& file) {
                     return checkBanner(file, SkinArt::bannerFrames(SkinArt::BannerWidth,
                                                                    SkinArt::BannerHeight));
                 }});
    return list;
}

bool writeFile(const QString& file, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    // Leave an unchanged file alone, so that its time stamp says when it really changed.
    QFile old(file);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes)
        return true;
    old.close();
    QSaveFile out(file);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit();
}

// A contact sheet of everything the skin draws, magnified, for looking at the look.
QImage contactSheet()
{
    const int zoom = 3;
    QList<QPair<QString, QImage>> tiles;
    for (int n : SkinArt::resourceNumbers())
        tiles.append({QString::number(n), SkinArt::resource(n)});
    for (const QString& name : SkinArt::faceNames())
        tiles.append({name, SkinArt::faceIcon(name, 1)});
    tiles.append({QStringLiteral("player2"), SkinArt::faceIcon(QStringLiteral("player"), 2)});
    for (const QString& colour : SkinArt::clockDigitColours())
        tiles.append({colour, SkinArt::clockDigits(colour)});
    tiles.append({QStringLiteral("ALL_GRID"), SkinArt::fivePlusBalls()});
    tiles.append({QStringLiteral("NUMBER"), SkinArt::fivePlusDigits()});
    tiles.append({QStringLiteral("bitmap3"), SkinArt::sameBallSheet(32)});
    for (const QString& skin : SkinArt::clockSkins())
        tiles.append({skin, SkinArt::clockSkin(skin)});
    for (int n = 1; n <= 7; ++n)
        tiles.append({QStringLiteral("ico %1").arg(n), SkinArt::diaryFace(n)});

    const int cell = 33 * zoom + 12, perRow = 12;
    const int rows = int((tiles.size() + perRow - 1) / perRow);
    const QImage splash = SkinArt::splash();
    const QList<QImage> banner = SkinArt::bannerFrames(SkinArt::BannerWidth, SkinArt::BannerHeight);
    const int w = perRow * cell + 20;
    const int h = rows * (cell + 16) + splash.height() + 3 * (SkinArt::BannerHeight + 6) + 60;
    QImage sheet(w, h, QImage::Format_RGB32);
    sheet.fill(QColor(204, 235, 255));
    QPainter p(&sheet);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    for (int i = 0; i < tiles.size(); ++i) {
        const int x = 10 + (i % perRow) * cell, y = 10 + (i / perRow) * (cell + 16);
        QImage img = tiles[i].second;
        const int z = img.width() > 40 || img.height() > 40 ? 1 : zoom;
        const QSize sz = (img.size() * z).boundedTo(QSize(cell - 12, cell));
        p.drawImage(QRect(QPoint(x + (cell - 12 - sz.width()) / 2, y), sz), img);
        p.setPen(Qt::black);
        p.drawText(QRect(x - 4, y + sz.height() + 1, cell - 4, 14), Qt::AlignCenter,
                   QStringLiteral("%1 %2x%3").arg(tiles[i].first).arg(img.width()).arg(img.height()));
    }
    int y = 10 + rows * (cell + 16) + 10;
    p.drawImage(10, y, splash);
    // A mock panel beside the splash, painted from the pieces as the panel does.
    {
        const int pw = 210, ph = 250, px = 30 + splash.width();
        QImage panel(pw, ph, QImage::Format_RGB32);
        QPainter pp(&panel);
        auto stretch = [&](int n, QRect r) { pp.drawImage(r, SkinArt::resource(n)); };
        stretch(247, {0, 0, 8, 20});
        stretch(248, {8, 0, pw - 16, 20});
        stretch(249, {pw - 8, 0, 8, 20});
        stretch(250, {0, 20, pw, 59});
        stretch(251, {0, 79, 29, ph - 113});
        stretch(253, {29, 79, pw - 31, ph - 113});
        stretch(252, {pw - 2, 79, 2, ph - 113});
        stretch(254, {0, ph - 34, 20, 34});
        stretch(255, {20, ph - 34, pw - 40, 34});
        stretch(256, {pw - 20, ph - 34, 20, 34});
        pp.drawImage(pw - 13, ph - 13, SkinArt::resource(257));
        pp.drawImage(0, 20, banner.first());
        QFont tf(QStringLiteral("Verdana"));
        tf.setPixelSize(13);
        tf.setBold(true);
        pp.setFont(tf);
        pp.setPen(Qt::white);
        pp.drawText(QRect(10, 5, 150, 15), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Quillora"));
        pp.drawImage(pw - 54, 0, SkinArt::resource(244));
        pp.drawImage(pw - 37, 0, SkinArt::resource(241));
        pp.drawImage(pw - 20, 0, SkinArt::resource(238));
        const int cats[] = {234, 192, 206, 227, 196, 220, 213};
        for (int i = 0; i < 7 && 79 + i * 33 + 33 <= ph - 34; ++i)
            pp.drawImage(0, 79 + i * 33, SkinArt::resource(cats[i]));
        pp.fillRect(QRect(34, 89, pw - 50, ph - 133), Qt::white);
        for (int i = 0; i < 4; ++i) {
            pp.drawImage(40, 95 + i * 18, SkinArt::faceIcon(QStringLiteral("game"), 1));
            pp.setPen(Qt::black);
            QFont lf(QStringLiteral("DejaVu Sans"));
            lf.setPixelSize(11);
            pp.setFont(lf);
            const char* names[] = {" Same Game", " Gobang", " Winlinez", " Tetris"};
            pp.drawText(58, 108 + i * 18, QString::fromLatin1(names[i]));
        }
        const int tools[] = {217, 202, 216, 203, 224};
        for (int i = 0; i < 5; ++i)
            pp.drawImage(20 + i * 29, ph - 29, SkinArt::resource(tools[i]));
        pp.end();
        p.drawImage(px, y, panel);
    }
    y += splash.height() + 10;
    for (int i = 0; i < 3; ++i)
        p.drawImage(10 + i * (SkinArt::BannerWidth + 10), y, banner[i * banner.size() / 3]);
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    // The pictures are drawn offscreen; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        err() << "usage: assetgen <program dir> [--sheet <file.png>]\n";
        return 2;
    }
    const QDir dir(args.at(1));
    QString sheet;
    for (int i = 2; i + 1 < args.size(); ++i)
        if (args.at(i) == u"--sheet")
            sheet = args.at(i + 1);

    int failures = 0;
    // Folders the program expects even where nothing is generated yet.
    for (const char* folder : {"bmp", "Sound", "face", "ico", "help"})
        dir.mkpath(QString::fromLatin1(folder));
    for (const Asset& asset : assets()) {
        const QString file = dir.filePath(asset.path);
        if (!writeFile(file, asset.bytes())) {
            err() << "assetgen: cannot write " << file << "\n";
            ++failures;
            continue;
        }
        if (const QString problem = asset.check(file); !problem.isEmpty()) {
            err() << "assetgen: " << file << " " << problem << "\n";
            ++failures;
        }
    }
    for (int n : SkinArt::resourceNumbers())
        if (SkinArt::resource(n).isNull()) {
            err() << "assetgen: the skin has no picture for resource " << n << "\n";
            ++failures;
        }
    if (!sheet.isEmpty() && !contactSheet().save(sheet)) {
        err() << "assetgen: cannot write " << sheet << "\n";
        ++failures;
    }
    err().flush();
    return failures ? 1 : 0;
}
