#pragma once
#include <QString>

#include <array>

// The four state colours of the diary, one per state word, as the 32-bit values
// "DiaryColor.tmp" holds: red in the low byte, then green, then blue, the fourth byte 0.
class DiaryColors
{
public:
    enum State : int { OnSchedule = 0, BehindSchedule = 1, AheadOfSchedule = 2, Cancellation = 3, StateCount = 4 };

    static constexpr quint32 rgb(int r, int g, int b) { return quint32(r & 0xFF) | quint32(g & 0xFF) << 8 | quint32(b & 0xFF) << 16; }
    static constexpr int red(quint32 c) { return int(c & 0xFF); }
    static constexpr int green(quint32 c) { return int(c >> 8 & 0xFF); }
    static constexpr int blue(quint32 c) { return int(c >> 16 & 0xFF); }

    // White for the first three states, grey 200 for "Cancellation".
    static const std::array<quint32, StateCount> defaults;

    // The text colour on a background: the inverse with red and blue exchanged, so white
    // gives black, grey 200 gives 55, pure red gives yellow.
    static constexpr quint32 textColourFor(quint32 background)
    {
        return rgb(255 - blue(background), 255 - green(background), 255 - red(background));
    }

    // The state a schedule word names, compared without regard to case; -1 for none.
    static int stateOf(const QString& schedule);

    quint32 colour(int state) const { return m_colours.at(std::size_t(state)); }
    void setColour(int state, quint32 colour) { m_colours.at(std::size_t(state)) = colour & 0xFFFFFF; }
    const std::array<quint32, StateCount>& colours() const { return m_colours; }

    // "DiaryColor.tmp": the four colours in state order, nothing else. A missing file keeps
    // the colours; a damaged one is moved aside (the data file rules) and keeps them too.
    bool load(const QString& path);
    bool store(const QString& path) const;

private:
    std::array<quint32, StateCount> m_colours = defaults;
};

inline constexpr std::array<quint32, DiaryColors::StateCount> DiaryColors::defaults{
    DiaryColors::rgb(255, 255, 255), DiaryColors::rgb(255, 255, 255), DiaryColors::rgb(255, 255, 255), DiaryColors::rgb(200, 200, 200)};
