#pragma once
#include "storage/DataArchive.h"
#include "storage/DataFile.h"

#include <QList>
#include <QString>

#include <algorithm>

// The records of one category page and the file they live in: an integer count, the
// integer `lastOpenedIndex`, then each record's own fields. `Item` offers serialize().
template <class Item>
class ItemArray
{
public:
    QList<Item> items;
    // Favorite and Alarm: the row last double-clicked (-1 for empty space); Boot keeps the
    // value it read. 0 when there was no file.
    qint32 lastOpenedIndex = 0;

    bool isEmpty() const { return items.isEmpty(); }
    qsizetype size() const { return items.size(); }

    // Where a new item goes: appended to an empty list, otherwise before the row that was
    // right-clicked to open the menu (index 0 when the click hit empty space).
    static qsizetype insertionIndex(qsizetype count, int clickedRow)
    {
        if (count == 0 || clickedRow < 0)
            return 0;
        return std::min<qsizetype>(clickedRow, count);
    }
    qsizetype insert(const Item& item, int clickedRow)
    {
        const qsizetype at = insertionIndex(items.size(), clickedRow);
        items.insert(at, item);
        return at;
    }

    // Removes the rows that are items (other row numbers, such as the placeholder's, are
    // ignored); the remaining items keep their order. True when anything went.
    bool removeRows(QList<int> rows)
    {
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        bool removed = false;
        for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
            if (*it >= 0 && *it < items.size()) {
                items.removeAt(*it);
                removed = true;
            }
        }
        return removed;
    }

    void serialize(DataArchive& ar)
    {
        if (ar.isStoring()) {
            ar.putInt(qint32(items.size()));
            ar.putInt(lastOpenedIndex);
            for (Item& item : items)
                item.serialize(ar);
            return;
        }
        const qint32 count = ar.getInt();
        lastOpenedIndex = ar.getInt();
        items.clear();
        // A negative count reads no records; a count larger than the file ends with the
        // end-of-file error, since every record needs bytes.
        for (qint32 i = 0; i < count; ++i) {
            Item item;
            item.serialize(ar);
            items.append(item);
        }
    }

    // Loads the file by the data file rules: only a complete read replaces the contents;
    // missing, unreadable or damaged files leave them as they were.
    DataFile::LoadStatus load(const QString& path, const TextCodec* codec = nullptr)
    {
        ItemArray scratch;
        const DataFile::LoadStatus status =
            DataFile::load(path, [&scratch](DataArchive& ar) { scratch.serialize(ar); }, codec);
        if (status == DataFile::LoadStatus::Loaded)
            *this = std::move(scratch);
        return status;
    }

    bool store(const QString& path) const
    {
        return DataFile::store(path, [this](DataArchive& ar) { const_cast<ItemArray*>(this)->serialize(ar); });
    }
};
