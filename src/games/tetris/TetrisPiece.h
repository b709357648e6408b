#pragma once
#include <QPoint>

#include <array>

// The board's size in cells and a cell's size in pixels.
namespace Tetris {
constexpr int Columns = 10;
constexpr int Rows = 18;
constexpr int CellSize = 25;
constexpr int Kinds = 7;
} // namespace Tetris

// A falling piece: its kind (0 bar, 1 Z, 2 S, 3 T, 4 L, 5 J, 6 square), its rotation state
// and its four blocks in their fixed order, as board cells (x = column, y = row; rows above
// the top are negative).
class TetrisPiece
{
public:
    // A new piece of the kind with its reference cell at `origin`, state 0.
    explicit TetrisPiece(int kind = 0, QPoint origin = spawnCell());

    // Where new pieces appear: column 4, row 1.
    static QPoint spawnCell() { return {4, 1}; }

    int kind() const { return m_kind; }
    int state() const { return m_state; }
    const std::array<QPoint, 4>& blocks() const { return m_blocks; }

    TetrisPiece moved(int columns, int rows) const;
    // The piece one turn on: state (s + 3) mod 4, every block moved by minus its offset in
    // the turning table. The square comes back unchanged.
    TetrisPiece rotated() const;

    bool operator==(const TetrisPiece&) const = default;

private:
    int m_kind;
    int m_state = 0;
    std::array<QPoint, 4> m_blocks;
};
