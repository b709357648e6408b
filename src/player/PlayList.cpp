#include "player/PlayList.h"

#include "storage/DataArchive.h"

#include <QFileInfo>

#include <algorithm>

QString PlayList::fileName(const QString& path)
{
    qsizetype cut = path.lastIndexOf(QLatin1Char('\\'));
    if (cut < 0)
        cut = path.lastIndexOf(QLatin1Char('/'));
    return path.mid(cut + 1);
}

QString PlayList::rowText(int row, const QString& path)
{
    return QStringLiteral(" %1 ").arg(row + 1) + fileName(path);
}

QStringList PlayList::rowTexts() const
{
    QStringList texts;
    for (int i = 0; i < paths.size(); ++i)
        texts << rowText(i, paths.at(i));
    return texts;
}

QString PlayList::chooserPath(const QStringList& chosen)
{
    if (chosen.isEmpty())
        return {};
    if (chosen.size() == 1)
        return chosen.first();
    return QFileInfo(chosen.first()).absolutePath();
}

bool PlayList::isUsablePath(const QString& path)
{
    return path.contains(QLatin1Char('\\')) || path.contains(QLatin1Char('/'));
}

void PlayList::replace(const QStringList& chosen)
{
    currentIndex = 0;
    paths.clear();
    for (const QString& p : chosen)
        if (isUsablePath(p))
            paths.append(p);
}

void PlayList::insert(const QStringList& chosen, int clickedRow)
{
    qsizetype at = clickedRow < 0 ? 0 : std::min<qsizetype>(clickedRow, paths.size());
    for (const QString& p : chosen)
        if (isUsablePath(p))
            paths.insert(at++, p);
}

bool PlayList::removeRows(QList<int> rows)
{
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    bool removed = false;
    for (int r : rows)
        if (r >= 0 && r < paths.size()) {
            paths.removeAt(r);
            removed = true;
        }
    return removed;
}

int PlayList::nextIndex() const
{
    const int next = currentIndex + 1;
    return next >= size() || next < 0 ? 0 : next;
}

DataFile::LoadStatus PlayList::load(const QString& file, const TextCodec* codec)
{
    QStringList read;
    qint32 index = 0;
    const auto status = DataFile::load(file, [&](DataArchive& ar) {
        const qint32 count = ar.getInt();
        index = ar.getInt();
        // A negative count reads no paths; a count larger than the file ends with the
        // end-of-file error, since every path needs bytes.
        for (qint32 i = 0; i < count; ++i)
            read.append(ar.getString());
    }, codec);
    if (status == DataFile::LoadStatus::Loaded) {
        paths = read;
        currentIndex = index;
    }
    return status;
}

bool PlayList::store(const QString& file) const
{
    return DataFile::store(file, [this](DataArchive& ar) {
        ar.putInt(qint32(paths.size()));
        ar.putInt(currentIndex);
        for (const QString& p : paths)
            ar.putString(p);
    });
}

DataFile::LoadStatus PlayList::loadLastFolder(const QString& file, const QString& fallback, const TextCodec* codec)
{
    QString read;
    const auto status = DataFile::load(file, [&read](DataArchive& ar) { read = ar.getString(); }, codec);
    lastFolder = status == DataFile::LoadStatus::Loaded ? read : fallback;
    return status;
}

bool PlayList::storeLastFolder(const QString& file) const
{
    return DataFile::store(file, [this](DataArchive& ar) { ar.putString(lastFolder); });
}
