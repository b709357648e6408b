// assetgen: writes the program's pictures and sounds into a program directory.
//
//   assetgen <program dir> [--files <list>] [--sheet <contact sheet .png>]
//
// Every file is drawn or synthesised here, written, then read back and checked; any failure
// ends with a non-zero status. The art comes in groups, one per subsystem, each in its own
// file art/<Group>.cpp (with its header) offering its files (path, bytes, check) and its
// contact-sheet tiles. The pieces that the program's skin is made of are shared from
// controls/SkinArt.h; pieces only the generator's art shares are in art/ArtKit.h.
//
// To add a subsystem's art:
//   1. write art/<Group>.cpp and art/<Group>.h (namespace <Group>: assets() and tiles());
//   2. add its line to the table `groups` below (and its #include);
//   3. add `quillora_art(<Group> <file>...)` to CMakeLists.txt here, naming every file it writes:
//      that list is the build's OUTPUT list, and the build hands it to this program (--files),
//      which fails when a group writes a file its list does not name or names a file it does
//      not write, so the list cannot drift from the code.

#include "assetgen/Asset.h"
#include "assetgen/art/CalendarArt.h"
#include "assetgen/art/ClockArt.h"
#include "assetgen/art/DiaryArt.h"
#include "assetgen/art/SameBallArt.h"
#include "assetgen/art/ShellArt.h"
#include "assetgen/art/WinlinezArt.h"
#include "controls/SkinArt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMap>
#include <QPainter>
#include <QSaveFile>
#include <QSet>
#include <QTextStream>

namespace {

struct ArtGroup
{
    QString name; // as in CMakeLists.txt: art/<name>.cpp
    QList<Asset> (*assets)();
    QList<Tile> (*tiles)();
};

// Every group of art, one line each.
const ArtGroup groups[] = {
    {QStringLiteral("ShellArt"), ShellArt::assets, ShellArt::tiles},
    {QStringLiteral("DiaryArt"), DiaryArt::assets, DiaryArt::tiles},
    {QStringLiteral("ClockArt"), ClockArt::assets, ClockArt::tiles},
    {QStringLiteral("CalendarArt"), CalendarArt::assets, CalendarArt::tiles},
    {QStringLiteral("WinlinezArt"), WinlinezArt::assets, WinlinezArt::tiles},
    {QStringLiteral("SameBallArt"), SameBallArt::assets, SameBallArt::tiles},
};

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
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

// The build's list of files: one "<group>\t<path>" a line. Compares it with what the groups
// write; returns the number of differences, each reported.
int compareWithList(const QString& listFile)
{
    QFile f(listFile);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        err() << "assetgen: cannot read the list of files " << listFile << "\n";
        return 1;
    }
    QMap<QString, QSet<QString>> listed;
    for (const QByteArray& line : f.readAll().split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            listed[QString::fromUtf8(line.left(tab))].insert(QString::fromUtf8(line.mid(tab + 1)));
    }
    const QString where = QStringLiteral("tools/assetgen/CMakeLists.txt");
    int problems = 0;
    QSet<QString> written;
    for (const ArtGroup& group : groups) {
        const QSet<QString> names = listed.take(group.name);
        QSet<QString> writes;
        for (const Asset& asset : group.assets()) {
            writes.insert(asset.path);
            if (written.contains(asset.path)) {
                err() << "assetgen: " << asset.path << " is written by two groups\n";
                ++problems;
            }
            written.insert(asset.path);
            if (!names.contains(asset.path)) {
                err() << "assetgen: " << group.name << " writes " << asset.path << ", which " << where
                      << " does not list for it\n";
                ++problems;
            }
        }
        for (const QString& name : names)
            if (!writes.contains(name)) {
                err() << "assetgen: " << where << " lists " << name << " for " << group.name
                      << ", which does not write it\n";
                ++problems;
            }
    }
    for (auto it = listed.cbegin(); it != listed.cend(); ++it) {
        err() << "assetgen: " << where << " lists the group " << it.key()
              << ", which is not in the table of groups in main.cpp\n";
        ++problems;
    }
    return problems;
}

// A contact sheet of everything the skin and the groups draw, small pictures magnified in a
// grid, full-size ones below it, for looking at the look.
QImage contactSheet()
{
    QList<Tile> grid, full;
    for (int n : SkinArt::resourceNumbers())
        grid.append({QString::number(n), SkinArt::resource(n)});
    for (const ArtGroup& group : groups)
        for (const Tile& tile : group.tiles())
            (tile.fullSize ? full : grid).append(tile);

    const int zoom = 3, cell = 33 * zoom + 12, perRow = 12, label = 14;
    const int w = perRow * cell + 20;
    const int rows = int((grid.size() + perRow - 1) / perRow);
    // The full-size pictures flow in rows under the grid.
    QList<QPoint> at;
    int x = 10, y = 10 + rows * (cell + 16) + 10, rowHeight = 0;
    for (const Tile& tile : full) {
        if (x > 10 && x + tile.image.width() > w - 10) {
            x = 10;
            y += rowHeight + label + 12;
            rowHeight = 0;
        }
        at.append({x, y});
        x += tile.image.width() + 20;
        rowHeight = qMax(rowHeight, tile.image.height());
    }
    const int h = y + rowHeight + label + 20;

    QImage sheet(w, h, QImage::Format_RGB32);
    sheet.fill(QColor::fromRgba(SkinArt::Palette::Background));
    QPainter p(&sheet);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Qt::black);
    for (int i = 0; i < grid.size(); ++i) {
        const int tx = 10 + (i % perRow) * cell, ty = 10 + (i / perRow) * (cell + 16);
        const QImage& img = grid[i].image;
        const int z = img.width() > 40 || img.height() > 40 ? 1 : zoom;
        const QSize sz = (img.size() * z).boundedTo(QSize(cell - 12, cell));
        p.drawImage(QRect(QPoint(tx + (cell - 12 - sz.width()) / 2, ty), sz), img);
        p.drawText(QRect(tx - 4, ty + sz.height() + 1, cell - 4, label), Qt::AlignCenter,
                   QStringLiteral("%1 %2x%3").arg(grid[i].label).arg(img.width()).arg(img.height()));
    }
    for (int i = 0; i < full.size(); ++i) {
        const QImage& img = full[i].image;
        p.drawImage(at[i], img);
        p.drawText(QRect(at[i].x(), at[i].y() + img.height() + 1, img.width(), label), Qt::AlignLeft,
                   QStringLiteral("%1 %2x%3").arg(full[i].label).arg(img.width()).arg(img.height()));
    }
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
        err() << "usage: assetgen <program dir> [--files <list>] [--sheet <file.png>]\n";
        return 2;
    }
    const QDir dir(args.at(1));
    QString sheet, list;
    for (int i = 2; i + 1 < args.size(); ++i) {
        if (args.at(i) == u"--sheet")
            sheet = args.at(i + 1);
        else if (args.at(i) == u"--files")
            list = args.at(i + 1);
    }

    int failures = list.isEmpty() ? 0 : compareWithList(list);
    // Folders the program expects even where nothing is generated yet.
    for (const char* folder : {"bmp", "Sound", "face", "ico", "help"})
        dir.mkpath(QString::fromLatin1(folder));
    for (const ArtGroup& group : groups)
        for (const Asset& asset : group.assets()) {
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
