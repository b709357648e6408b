#include "diary/DiaryColors.h"

#include "diary/DiaryEntry.h"
#include "storage/DataArchive.h"
#include "storage/DataFile.h"

int DiaryColors::stateOf(const QString& schedule)
{
    const QStringList words = DiaryEntry::stateWords();
    for (int i = 0; i < words.size(); ++i)
        if (schedule.compare(words.at(i), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool DiaryColors::load(const QString& path)
{
    std::array<quint32, StateCount> read{};
    const auto status = DataFile::load(path, [&read](DataArchive& ar) {
        for (quint32& c : read)
            c = ar.getUInt();
    });
    if (status != DataFile::LoadStatus::Loaded)
        return false;
    m_colours = read;
    return true;
}

bool DiaryColors::store(const QString& path) const
{
    return DataFile::store(path, [this](DataArchive& ar) {
        for (quint32 c : m_colours)
            ar.putUInt(c);
    });
}
