#include "games/tetris/TetrisSettings.h"

#include "storage/DataArchive.h"

#include <algorithm>

void TetrisSettings::serialize(DataArchive& ar)
{
    for (int action = Left; action <= Drop; ++action)
        for (int side : {Main, Second})
            ar.io(keyNames[side][action]);
    for (int action = Left; action <= Drop; ++action)
        for (int side : {Main, Second})
            ar.io(keyCodes[side][action]);
    for (quint16& word : reserved)
        ar.io(word);
    ar.io(step[Main]);
    ar.io(step[Second]);
    ar.io(enabled[Main]);
    ar.io(enabled[Second]);
    ar.io(grade[Main]);
    ar.io(grade[Second]);
}

DataFile::LoadStatus TetrisSettings::load(const QString& path)
{
    TetrisSettings scratch;
    const DataFile::LoadStatus status = DataFile::load(path, [&scratch](DataArchive& ar) { scratch.serialize(ar); });
    if (status == DataFile::LoadStatus::Loaded)
        *this = scratch;
    return status;
}

bool TetrisSettings::store(const QString& path) const
{
    return DataFile::store(path, [this](DataArchive& ar) { const_cast<TetrisSettings*>(this)->serialize(ar); });
}

int TetrisSettings::gradeIndex(int side) const
{
    return std::clamp(grade[side], 0, Grades - 1);
}

int TetrisSettings::stepIndex(int side) const
{
    return std::clamp(step[side], 0, Steps - 1);
}
