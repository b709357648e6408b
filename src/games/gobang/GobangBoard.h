#pragma once
#include <QtGlobal>

#include <array>

namespace Gobang {
constexpr int Size = 19;     // intersections 1..19 each way; index 0 is off the board
constexpr int Empty = 0;
constexpr int Player = 1;    // black
constexpr int Computer = 3;  // white
constexpr int Five = 100000; // the cell score of a five
} // namespace Gobang

// An intersection; row 0 means none.
struct GobangCell
{
    int row = 0;
    int column = 0;
    bool isValid() const { return row >= 1 && row <= Gobang::Size && column >= 1 && column <= Gobang::Size; }
    bool operator==(const GobangCell&) const = default;
};

// The board as a 20 x 20 array indexed [row][column]; rows and columns 1..19 are the
// intersections. Holds 0 (empty), 1 (the player's black) or 3 (the computer's white).
class GobangBoard
{
public:
    // The four lines through a cell: along the row, along the column, the diagonal
    // (up-left / down-right) and the anti-diagonal (down-left / up-right).
    enum Axis { Row, Column, Diagonal, AntiDiagonal };

    static bool onBoard(int row, int column)
    {
        return row >= 1 && row <= Gobang::Size && column >= 1 && column <= Gobang::Size;
    }
    int at(int row, int column) const { return m_cells[row][column]; }
    int at(GobangCell c) const { return m_cells[c.row][c.column]; }
    void set(GobangCell c, int value) { m_cells[c.row][c.column] = value; }
    void clear() { m_cells = {}; }
    bool isFull() const;

    // The shape of the line through the cell along the axis for a stone of `v` put there:
    // 8 five, 7 open four, 6 open three, 5 open two, 4 closed four, 3 closed three,
    // 2 closed two, 1 a single stone against a player stone, 0 nothing.
    int axisCode(GobangCell cell, int v, Axis axis) const;
    // The value of putting a stone of `v` on the (empty) cell, from its four axis codes.
    int cellScore(GobangCell cell, int v) const;
    static int scoreForCodes(const std::array<int, 4>& codes);

    // The run of the stone's colour through the cell along the axis.
    int run(GobangCell cell, Axis axis) const;
    // Whether the stone on the cell is in a run of five or more.
    bool makesFive(GobangCell cell) const;

    bool operator==(const GobangBoard&) const = default;

private:
    std::array<std::array<qint32, 20>, 20> m_cells{};
};
