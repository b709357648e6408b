#pragma once
#include <QString>

#include <array>

class DataArchive;
class TextCodec;

// SameBall's five best results, slot 1 the best, kept in plain form (five empty slots of
// score 0 at the start) and in the file "SameBall.tmp" between runs.
class SameBallTopList
{
public:
    static constexpr int Slots = 5;
    struct Entry
    {
        QString name;
        qint32 score = 0;
        friend bool operator==(const Entry&, const Entry&) = default;
    };
    // How a result fared: the slot it entered (1..5) or 0, and the message for it.
    struct Result
    {
        int slot = 0;
        QString message() const;
    };

    // Slot i = 1..5.
    Entry read(int slot) const;
    // Refused (false) for a name shorter than two characters or a slot outside 1..5.
    bool write(int slot, const QString& name, qint32 score);

    // The slot a final score would enter: before the first entry with a lower score (an
    // equal score stays above it); 0 when it enters nowhere.
    int placeFor(qint32 score) const;
    // Enters the result at its place: the entries below move down one slot and the fifth
    // drops out. Every slot is then written again, a slot whose name is refused taking
    // the name "NewPlayer". Nothing changes when the score enters nowhere.
    Result enter(qint32 score, const QString& name);

    // Each slot in order: its name, then its score.
    void serialize(DataArchive& ar);
    // Loads and stores by the data file rules (a missing or damaged file: five empty slots).
    void load(const QString& path, const TextCodec* codec = nullptr);
    bool store(const QString& path) const;

    friend bool operator==(const SameBallTopList&, const SameBallTopList&) = default;

private:
    std::array<Entry, Slots> m_slots;
};
