#pragma once
#include "storage/DataFile.h"

#include <QList>
#include <QString>
#include <QStringList>

class DataArchive;
class TextCodec;

// The Player page's play list: the full paths of the media files, the current index (the
// row to be played or being played) and the last folder of the file chooser.
//  "Player.tmp": the integer count, the integer current index, then each path.
//  "Player.lst": one string, the last folder (the program directory when there is none).
class PlayList
{
public:
    QStringList paths;
    qint32 currentIndex = 0;
    QString lastFolder;

    bool isEmpty() const { return paths.isEmpty(); }
    int size() const { return int(paths.size()); }

    // The name a row shows: the part after the last backslash, or after the last slash
    // when there is no backslash.
    static QString fileName(const QString& path);
    // Row i (from 0): " %d " with i + 1, then the file name.
    static QString rowText(int row, const QString& path);
    QStringList rowTexts() const;

    // What the chooser reports as its path: the file of a single choice, the folder of
    // several (empty for none).
    static QString chooserPath(const QStringList& chosen);
    // Paths without any backslash or slash are not taken into the list.
    static bool isUsablePath(const QString& path);

    // Open (and Add on an empty list): the chosen files replace the list, current index 0.
    void replace(const QStringList& chosen);
    // Add on a non-empty list: the chosen files go in, in order, from the right-clicked row
    // (0 when the click was on empty space). The current index is not changed.
    void insert(const QStringList& chosen, int clickedRow);
    // Removes the paths of those rows (others are ignored); the current index is not changed.
    bool removeRows(QList<int> rows);
    // The row after the current one, back to the first after the last.
    int nextIndex() const;

    // "Player.tmp" by the data file rules: only a complete read replaces the list.
    DataFile::LoadStatus load(const QString& file, const TextCodec* codec = nullptr);
    bool store(const QString& file) const;
    // "Player.lst": a missing or damaged file leaves `fallback` (the program directory).
    DataFile::LoadStatus loadLastFolder(const QString& file, const QString& fallback, const TextCodec* codec = nullptr);
    bool storeLastFolder(const QString& file) const;
};
