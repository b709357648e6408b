#include "games/tetris/TetrisPiece.h"

namespace {

using Offsets = std::array<QPoint, 4>;

// Each kind's blocks from its reference cell, in block order.
constexpr std::array<Offsets, Tetris::Kinds> Shapes = {{
    {{{0, 0}, {1, 0}, {2, 0}, {3, 0}}}, // bar
    {{{0, 0}, {1, 0}, {1, 1}, {2, 1}}}, // Z
    {{{0, 1}, {1, 1}, {1, 0}, {2, 0}}}, // S
    {{{0, 0}, {1, 0}, {2, 0}, {1, 1}}}, // T
    {{{0, 1}, {0, 0}, {1, 0}, {2, 0}}}, // L
    {{{0, 0}, {1, 0}, {2, 0}, {2, 1}}}, // J
    {{{0, 0}, {1, 0}, {1, 1}, {0, 1}}}, // square
}};

// Turning: from state s every block i moves by minus Turns[kind][s][i].
constexpr std::array<std::array<Offsets, 4>, 6> Turns = {{
    {{
        {{{-2, -2}, {-1, -1}, {0, 0}, {1, 1}}},
        {{{2, -1}, {1, 0}, {0, 1}, {-1, 2}}},
        {{{1, 1}, {0, 0}, {-1, -1}, {-2, -2}}},
        {{{-1, 2}, {0, 1}, {1, 0}, {2, -1}}},
    }},
    {{
        {{{-1, -1}, {0, 0}, {-1, 1}, {0, 2}}},
        {{{2, -1}, {1, 0}, {0, -1}, {-1, 0}}},
        {{{0, 2}, {-1, 1}, {0, 0}, {-1, -1}}},
        {{{-1, 0}, {0, -1}, {1, 0}, {2, -1}}},
    }},
    {{
        {{{-1, 0}, {0, 1}, {1, 0}, {2, 1}}},
        {{{0, -2}, {-1, -1}, {0, 0}, {-1, 1}}},
        {{{2, 1}, {1, 0}, {0, 1}, {-1, 0}}},
        {{{-1, 1}, {0, 0}, {-1, -1}, {0, -2}}},
    }},
    {{
        {{{-1, -1}, {0, 0}, {1, 1}, {-1, 1}}},
        {{{1, -1}, {0, 0}, {-1, 1}, {-1, -1}}},
        {{{1, 1}, {0, 0}, {-1, -1}, {1, -1}}},
        {{{-1, 1}, {0, 0}, {1, -1}, {1, 1}}},
    }},
    {{
        {{{-2, 0}, {-1, -1}, {0, 0}, {1, 1}}},
        {{{0, -2}, {1, -1}, {0, 0}, {-1, 1}}},
        {{{2, 0}, {1, 1}, {0, 0}, {-1, -1}}},
        {{{0, 2}, {-1, 1}, {0, 0}, {1, -1}}},
    }},
    {{
        {{{-1, -1}, {0, 0}, {1, 1}, {0, 2}}},
        {{{1, -1}, {0, 0}, {-1, 1}, {-2, 0}}},
        {{{1, 1}, {0, 0}, {-1, -1}, {0, -2}}},
        {{{-1, 1}, {0, 0}, {1, -1}, {2, 0}}},
    }},
}};

} // namespace

TetrisPiece::TetrisPiece(int kind, QPoint origin) : m_kind(kind)
{
    for (int i = 0; i < 4; ++i)
        m_blocks[i] = origin + Shapes[kind][i];
}

TetrisPiece TetrisPiece::moved(int columns, int rows) const
{
    TetrisPiece p = *this;
    for (QPoint& b : p.m_blocks)
        b += QPoint(columns, rows);
    return p;
}

TetrisPiece TetrisPiece::rotated() const
{
    if (m_kind >= int(Turns.size()))
        return *this;
    TetrisPiece p = *this;
    for (int i = 0; i < 4; ++i)
        p.m_blocks[i] -= Turns[m_kind][m_state][i];
    p.m_state = (m_state + 3) % 4;
    return p;
}
