// The shell's art: the splash picture and sound, the faces of the category pages, and the
// banner movie "Introduction" of the main panel.
#include "assetgen/art/ShellArt.h"

#include "assetgen/GifWriter.h"
#include "assetgen/WaveWriter.h"
#include "controls/SkinArt.h"

#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace ShellArt {
namespace {
using namespace SkinArt;

constexpr int BannerWidth = 209, BannerHeight = 56, BannerFrameMs = 80;

// The category pages' face names; the player has two faces, the others one.
QStringList faceNames()
{
    return {QStringLiteral("work"), QStringLiteral("alarm"), QStringLiteral("favorite"),
            QStringLiteral("boot"), QStringLiteral("player"), QStringLiteral("game"),
            QStringLiteral("systool")};
}

// The face "face/<name><number>.bmp", 16 x 16: black is transparent.
QImage faceIcon(const QString& name, int number)
{
    Pict pict = Pict::Diary;
    if (name == u"work")
        pict = Pict::Diary;
    else if (name == u"alarm")
        pict = Pict::Alarm;
    else if (name == u"favorite")
        pict = Pict::Favorite;
    else if (name == u"boot")
        pict = Pict::Boot;
    else if (name == u"player")
        pict = number == 2 ? Pict::Play : Pict::Player;
    else if (name == u"game")
        pict = Pict::Game;
    else if (name == u"systool")
        pict = Pict::SysTool;
    else
        return {};

    QImage art = canvas(16, 16);
    {
        QPainter p(&art);
        p.scale(16.0 / 20.0, 16.0 / 20.0);
        drawPictogram(p, pict);
    }
    // Black is the transparent colour of the list: faint edge pixels become black, the rest
    // is laid on the white list background, and no drawn pixel stays pure black.
    QImage out(16, 16, QImage::Format_RGB32);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QColor px = art.pixelColor(x, y);
            const qreal a = px.alphaF();
            if (a < 0.3) {
                out.setPixel(x, y, qRgb(0, 0, 0));
                continue;
            }
            const QColor rgb = px.toRgb();
            auto blend = [a](qreal v) { return qBound(1, qRound(v * 255 * a + 255 * (1 - a)), 255); };
            // Premultiplied colours come back un-premultiplied from pixelColor.
            out.setPixel(x, y, qRgb(blend(rgb.redF()), blend(rgb.greenF()), blend(rgb.blueF())));
        }
    return out;
}


// The splash picture, 400 x 250, with the program's name.
QImage splash()
{
    const int w = 400, h = 250;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(246, 251, 255));
    sky.setColorAt(0.55, QColor(204, 235, 255));
    sky.setColorAt(1, QColor(140, 196, 244));
    p.fillRect(img.rect(), sky);
    // Soft light discs.
    const struct { qreal x, y, r; int a; } discs[] = {
        {330, 40, 70, 60}, {60, 200, 90, 40}, {250, 210, 50, 45}, {370, 150, 30, 50}, {30, 30, 40, 50}};
    for (const auto& d : discs) {
        QRadialGradient g(QPointF(d.x, d.y), d.r);
        g.setColorAt(0, QColor(255, 255, 255, d.a + 60));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(d.x, d.y), d.r, d.r);
    }
    // A sweeping ribbon.
    QPainterPath ribbon;
    ribbon.moveTo(0, 190);
    ribbon.cubicTo(120, 150, 260, 230, 400, 170);
    ribbon.lineTo(400, 200);
    ribbon.cubicTo(260, 250, 120, 180, 0, 215);
    ribbon.closeSubpath();
    QLinearGradient rg(0, 0, w, 0);
    rg.setColorAt(0, QColor(58, 120, 188, 90));
    rg.setColorAt(1, QColor(29, 90, 160, 160));
    p.setBrush(rg);
    p.drawPath(ribbon);

    // The quill.
    p.save();
    p.translate(28, 40);
    QImage quill = canvas(120, 120);
    {
        QPainter q(&quill);
        q.setRenderHint(QPainter::Antialiasing);
        drawQuill(q, 120, QColor(255, 255, 255), QColor(245, 170, 40));
    }
    // Its shadow, then the quill itself.
    QImage shadow = quill;
    {
        QPainter s(&shadow);
        s.setCompositionMode(QPainter::CompositionMode_SourceIn);
        s.fillRect(shadow.rect(), QColor(29, 90, 160, 110));
    }
    p.drawImage(QPointF(4, 5), shadow);
    p.drawImage(QPointF(0, 0), quill);
    p.restore();

    // The name.
    QFont nameFont = font(50, true);
    nameFont.setLetterSpacing(QFont::PercentageSpacing, 98);
    QPainterPath text;
    text.addText(QPointF(140, 120), nameFont, QStringLiteral("Quillora"));
    const QRectF tb = text.boundingRect();
    const qreal scale = qMin(1.0, 240.0 / tb.width());
    QTransform t;
    t.translate(140, 0);
    t.scale(scale, 1);
    t.translate(-140, 0);
    text = t.map(text);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 50, 100, 70));
    p.drawPath(text.translated(2.5, 3));
    QLinearGradient tg(0, 80, 0, 122);
    tg.setColorAt(0, QColor(70, 140, 215));
    tg.setColorAt(1, QColor(20, 70, 145));
    p.setPen(QPen(QColor(255, 255, 255), 1.5));
    p.setBrush(tg);
    p.drawPath(text);

    p.setPen(QColor::fromRgba(Palette::Deep));
    p.setFont(font(15, false));
    p.drawText(QRectF(142, 128, 250, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("your desktop assistant"));

    // Bottom band in the title bar colours.
    const QRect band(0, h - 26, w, 26);
    p.fillRect(band, titleGradient(band.top(), band.height()));
    p.setPen(QColor(255, 255, 255));
    p.setFont(font(11, true));
    p.drawText(band.adjusted(12, 0, -12, 0), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Quillora 1.0"));
    p.setFont(font(11, false));
    p.drawText(band.adjusted(12, 0, -12, 0), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("Loading\u2026"));
    p.setPen(QColor(29, 90, 160));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    return img;
}

// The frames of the banner movie, a light-blue strip with the program's name.
QList<QImage> bannerFrames(int width, int height)
{
    // Three taglines take turns under the name, fading in and out; a shine passes over
    // the name once per tagline, the waves drift and the sparkles twinkle, all in one loop.
    const QString taglines[] = {QStringLiteral("your desktop assistant"),
                                QStringLiteral("alarms \u00b7 mail \u00b7 games"),
                                QStringLiteral("calculator \u00b7 calendar \u00b7 tools")};
    const int perLine = 32, count = perLine * 3, fade = 6;
    QList<QImage> frames;
    const QFont nameFont = font(height * 0.40, true);
    const QFont tagFont = font(10, false);
    const QImage mark = programIcon(36);
    for (int f = 0; f < count; ++f) {
        const qreal loop = qreal(f) / count;              // 0..1 over the whole movie
        const qreal beat = qreal(f % perLine) / perLine;  // 0..1 over one tagline
        QImage img(width, height, QImage::Format_RGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.fillRect(img.rect(), vertical(0, height, QColor(240, 249, 255), QColor(188, 224, 252)));
        // Gentle waves drifting in opposite directions.
        for (int wave = 0; wave < 2; ++wave) {
            QPainterPath path;
            const qreal base = height * (wave ? 0.84 : 0.76);
            const qreal amp = wave ? 2.5 : 3.5;
            path.moveTo(0, height);
            for (int x = 0; x <= width; x += 3) {
                const qreal a = 2 * M_PI * (x / qreal(width) * (wave ? 2 : 1.5) + loop * (wave ? -2 : 3));
                path.lineTo(x, base + amp * qSin(a));
            }
            path.lineTo(width, height);
            path.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(wave ? QColor(58, 120, 188, 60) : QColor(255, 255, 255, 120));
            p.drawPath(path);
        }
        p.drawImage(QPointF(8, (height - 36) / 2.0), mark);
        // The name, with the shine.
        QPainterPath text;
        text.addText(QPointF(52, height * 0.52), nameFont, QStringLiteral("Quillora"));
        const QRectF tb = text.boundingRect();
        const qreal sweep = tb.left() - 40 + beat * (tb.width() + 120);
        QLinearGradient shine(sweep, 0, sweep + 40, 0);
        shine.setColorAt(0, QColor(29, 90, 160));
        shine.setColorAt(0.5, QColor(140, 205, 255));
        shine.setColorAt(1, QColor(29, 90, 160));
        p.setPen(QPen(QColor(255, 255, 255), 1.2));
        p.setBrush(shine);
        p.drawPath(text);
        // The tagline of this turn.
        const int step = f % perLine;
        const qreal alpha = qMin(1.0, qMin(step + 1, perLine - step) / qreal(fade));
        p.setFont(tagFont);
        p.setPen(QColor(29, 90, 160, int(255 * alpha)));
        p.drawText(QRectF(53, height * 0.56, width - 58, 14), Qt::AlignLeft | Qt::AlignVCenter,
                   taglines[f / perLine]);
        // Twinkling sparkles.
        const QPointF stars[] = {{width - 18.0, 11.0}, {width - 34.0, 24.0}, {tb.right() + 9, 12.0}};
        for (int s = 0; s < 3; ++s) {
            const qreal k = 0.5 + 0.5 * qSin(2 * M_PI * (loop * 6 + s / 3.0));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(245, 166, 35, int(60 + 160 * k)));
            p.drawPath(starPath(stars[s], 2.5 + 3.0 * k, 1.0));
            p.setBrush(QColor(255, 255, 255, int(120 + 135 * k)));
            p.drawEllipse(stars[s], 0.6 + 0.6 * k, 0.6 + 0.6 * k);
        }
        p.setPen(QColor(58, 120, 188));
        p.drawLine(0, height - 1, width, height - 1);
        frames.append(img);
    }
    return frames;
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

int faceCount(const QString& name) { return name == u"player" ? 2 : 1; }

// A mock main panel painted from the skin's pieces as the panel paints itself, for the
// contact sheet.
QImage mockPanel()
{
    const int pw = 210, ph = 250;
    QImage panel(pw, ph, QImage::Format_RGB32);
    QPainter pp(&panel);
    auto stretch = [&](int n, QRect r) { pp.drawImage(r, resource(n)); };
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
    pp.drawImage(pw - 13, ph - 13, resource(257));
    pp.drawImage(0, 20, bannerFrames(BannerWidth, BannerHeight).first());
    QFont tf(QStringLiteral("Verdana"));
    tf.setPixelSize(13);
    tf.setBold(true);
    pp.setFont(tf);
    pp.setPen(Qt::white);
    pp.drawText(QRect(10, 5, 150, 15), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Quillora"));
    pp.drawImage(pw - 54, 0, resource(244));
    pp.drawImage(pw - 37, 0, resource(241));
    pp.drawImage(pw - 20, 0, resource(238));
    const int cats[] = {234, 192, 206, 227, 196, 220, 213};
    for (int i = 0; i < 7 && 79 + i * 33 + 33 <= ph - 34; ++i)
        pp.drawImage(0, 79 + i * 33, resource(cats[i]));
    pp.fillRect(QRect(34, 89, pw - 50, ph - 133), Qt::white);
    for (int i = 0; i < 4; ++i) {
        pp.drawImage(40, 95 + i * 18, faceIcon(QStringLiteral("game"), 1));
        pp.setPen(Qt::black);
        QFont lf(QStringLiteral("DejaVu Sans"));
        lf.setPixelSize(11);
        pp.setFont(lf);
        const char* names[] = {" Same Game", " Gobang", " Winlinez", " Tetris"};
        pp.drawText(58, 108 + i * 18, QString::fromLatin1(names[i]));
    }
    const int tools[] = {217, 202, 216, 203, 224};
    for (int i = 0; i < 5; ++i)
        pp.drawImage(20 + i * 29, ph - 29, resource(tools[i]));
    return panel;
}

} // namespace

QList<Asset> assets()
{
    QList<Asset> list;
    list.append({QStringLiteral("bmp/SplashWindow.bmp"), [] { return bmp(splash()); },
                 pictureOfSize({400, 250})});
    list.append({QStringLiteral("Sound/SplashWindow.wav"),
                 [] {
                     // C6, E6, G6, C7: a rising major chord.
                     const int rate = 44100;
                     return WaveWriter::encode(
                         WaveWriter::chime({1046.50, 1318.51, 1567.98, 2093.00}, 0.11, 1.3, rate), rate);
                 },
                 checkWave});
    for (const QString& name : faceNames())
        for (int n = 1; n <= faceCount(name); ++n)
            list.append({QStringLiteral("face/%1%2.bmp").arg(name).arg(n),
                         [name, n] { return bmp(faceIcon(name, n)); }, pictureOfSize({16, 16})});
    list.append({QStringLiteral("Introduction"),
                 [] { return GifWriter::encode(bannerFrames(BannerWidth, BannerHeight), BannerFrameMs); },
                 [](const QString& file) {
                     return checkBanner(file, bannerFrames(BannerWidth, BannerHeight));
                 }});
    return list;
}

QList<Tile> tiles()
{
    QList<Tile> list;
    for (const QString& name : faceNames())
        for (int n = 1; n <= faceCount(name); ++n)
            list.append({QStringLiteral("%1%2").arg(name).arg(n), faceIcon(name, n)});
    list.append({QStringLiteral("SplashWindow"), splash(), true});
    list.append({QStringLiteral("the panel"), mockPanel(), true});
    const QList<QImage> banner = bannerFrames(BannerWidth, BannerHeight);
    for (int i = 0; i < 3; ++i)
        list.append({QStringLiteral("Introduction %1").arg(i * banner.size() / 3),
                     banner[i * banner.size() / 3], true});
    return list;
}

} // namespace ShellArt
