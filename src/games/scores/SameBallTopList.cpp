#include "games/scores/SameBallTopList.h"

#include "storage/DataArchive.h"
#include "storage/DataFile.h"

QString SameBallTopList::Result::message() const
{
    if (slot == 1)
        return QStringLiteral("Congratulate yourself on the most top in top list.");
    if (slot >= 2)
        return QStringLiteral("Congratulate yourself on the top in top list.");
    return QStringLiteral("Sorry in the test.");
}

SameBallTopList::Entry SameBallTopList::read(int slot) const
{
    if (slot < 1 || slot > Slots)
        return {};
    return m_slots[size_t(slot - 1)];
}

bool SameBallTopList::write(int slot, const QString& name, qint32 score)
{
    if (slot < 1 || slot > Slots || name.size() < 2)
        return false;
    m_slots[size_t(slot - 1)] = {name, score};
    return true;
}

int SameBallTopList::placeFor(qint32 score) const
{
    for (int i = 0; i < Slots; ++i)
        if (m_slots[size_t(i)].score < score)
            return i + 1;
    return 0;
}

SameBallTopList::Result SameBallTopList::enter(qint32 score, const QString& name)
{
    const int slot = placeFor(score);
    if (slot == 0)
        return {};
    std::array<Entry, Slots> list;
    for (int i = 0, from = 0; i < Slots; ++i)
        list[size_t(i)] = i + 1 == slot ? Entry{name, score} : m_slots[size_t(from++)];
    for (int i = 0; i < Slots; ++i) {
        const Entry& e = list[size_t(i)];
        if (!write(i + 1, e.name, e.score))
            write(i + 1, QStringLiteral("NewPlayer"), e.score);
    }
    return {slot};
}

void SameBallTopList::serialize(DataArchive& ar)
{
    for (Entry& e : m_slots) {
        ar.io(e.name);
        ar.io(e.score);
    }
}

void SameBallTopList::load(const QString& path, const TextCodec* codec)
{
    SameBallTopList scratch;
    if (DataFile::load(path, [&scratch](DataArchive& ar) { scratch.serialize(ar); }, codec) == DataFile::LoadStatus::Loaded)
        *this = scratch;
}

bool SameBallTopList::store(const QString& path) const
{
    SameBallTopList copy = *this;
    return DataFile::store(path, [&copy](DataArchive& ar) { copy.serialize(ar); });
}
