#include "games/gobang/GobangBoard.h"

namespace {

constexpr int Steps[4][2] = {{0, 1}, {1, 0}, {1, 1}, {-1, 1}}; // row, column

} // namespace

bool GobangBoard::isFull() const
{
    for (int r = 1; r <= Gobang::Size; ++r)
        for (int c = 1; c <= Gobang::Size; ++c)
            if (m_cells[r][c] == Gobang::Empty)
                return false;
    return true;
}

int GobangBoard::axisCode(GobangCell cell, int v, Axis axis) const
{
    const int dr = Steps[axis][0], dc = Steps[axis][1];
    int k = 1;
    bool open[2] = {false, false};
    bool human[2] = {false, false};
    for (int side = 0; side < 2; ++side) {
        const int sr = side == 0 ? dr : -dr, sc = side == 0 ? dc : -dc;
        int r = cell.row + sr, c = cell.column + sc;
        while (onBoard(r, c) && m_cells[r][c] == v) {
            ++k;
            r += sr;
            c += sc;
        }
        // The board's edge is neither open nor blocked by the player.
        if (onBoard(r, c)) {
            open[side] = m_cells[r][c] == Gobang::Empty;
            human[side] = m_cells[r][c] == Gobang::Player;
        }
    }
    if (k >= 5)
        return 8;
    const int opens = int(open[0]) + int(open[1]);
    if (k >= 2)
        return opens == 2 ? k + 3 : opens == 1 ? k : 0;
    return opens < 2 && (human[0] || human[1]) ? 1 : 0;
}

int GobangBoard::scoreForCodes(const std::array<int, 4>& codes)
{
    int n[9] = {};
    for (int code : codes)
        ++n[code];
    if (n[8])
        return Gobang::Five;
    if (n[7] || n[4] >= 2 || (n[4] && n[6]))
        return 10000;
    if (n[6] >= 2 || (n[6] && n[5] >= 2))
        return 5000;
    if (n[3] && n[6])
        return 1000;
    if (n[4])
        return 500;
    if (n[6])
        return 200;
    if (n[5] >= 2)
        return 100;
    if (n[3] >= 2)
        return 50;
    if (n[5])
        return 10;
    if (n[3])
        return 5;
    if (n[2])
        return 2;
    if (n[1])
        return 1;
    return 0;
}

int GobangBoard::cellScore(GobangCell cell, int v) const
{
    return scoreForCodes({axisCode(cell, v, Row), axisCode(cell, v, Column), axisCode(cell, v, Diagonal),
                          axisCode(cell, v, AntiDiagonal)});
}

int GobangBoard::run(GobangCell cell, Axis axis) const
{
    const int v = at(cell);
    if (v == Gobang::Empty)
        return 0;
    const int dr = Steps[axis][0], dc = Steps[axis][1];
    int k = 1;
    for (int sign : {1, -1}) {
        int r = cell.row + sign * dr, c = cell.column + sign * dc;
        while (onBoard(r, c) && m_cells[r][c] == v) {
            ++k;
            r += sign * dr;
            c += sign * dc;
        }
    }
    return k;
}

bool GobangBoard::makesFive(GobangCell cell) const
{
    for (Axis axis : {Row, Column, Diagonal, AntiDiagonal})
        if (run(cell, axis) >= 5)
            return true;
    return false;
}
