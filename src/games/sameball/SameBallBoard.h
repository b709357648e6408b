#pragma once
#include "platform/CRand.h"

#include <QPoint>
#include <QString>

#include <array>

// SameBall: ten rows of fifteen balls in three colours. Touching balls of one colour form
// a group; hovering shows a group, a click removes a group of two or more for (n - 2)^2
// points, the balls above fall and empty columns close to the left. The board also keeps
// the one-level undo, the hovered group's animation frame and the status line's slots.
class SameBallBoard
{
public:
    static constexpr int Rows = 10;
    static constexpr int Columns = 15;
    static constexpr int Colours = 3;
    static constexpr int BallsPerColour = 50;
    static constexpr int NoBall = -1;
    static constexpr int ClearBonus = 1000;

    // What hovering a cell did.
    struct Hover
    {
        bool changed = false;   // the hovered group changed
        bool activated = false; // a new group is hovered ("active.wav")
    };
    // What a click did.
    struct Removal
    {
        bool removed = false; // a group went ("kill.wav")
        int count = 0;
        int points = 0;
        bool over = false;    // no group of two is left, or the board is clear
    };
    // The four slots of the status line.
    struct Status
    {
        int select = 0;     // size of the hovered group
        int points = 0;     // what removing it would give
        qint32 score = 0;   // total score
        qint32 left = 0;    // balls left
    };

    SameBallBoard();

    // --- cells (row 0..9 top to bottom, column 0..14 left to right)
    static bool onBoard(int row, int col) { return row >= 0 && row < Rows && col >= 0 && col < Columns; }
    int ball(int row, int col) const { return m_balls[index(row, col)]; }
    void setBall(int row, int col, int colour) { m_balls[index(row, col)] = colour; }
    // After balls were set one by one: counts the balls left and numbers the groups.
    void recount();
    // The cell's group number: positive for a ball, 0 or less for an empty cell.
    int group(int row, int col) const { return m_groups[index(row, col)]; }
    int groupSize(int group) const;
    bool hasSameNeighbour(int row, int col) const;
    // Some ball has a neighbour of its colour.
    bool hasMoves() const;

    qint32 score() const { return m_score; }
    qint32 ballsLeft() const { return m_left; }
    bool busy() const { return m_busy; }
    bool canUndo() const { return m_canUndo; }
    const Status& status() const { return m_status; }
    // "Select:    5;      Scrore:    9;      Scrore is  120;      The left is  130;      "
    QString statusText() const;

    // --- play
    // Empties the board and places 50 balls of each colour, one colour after the other,
    // each on a random free cell (column = rand % 15, row = rand % 10, drawn again while
    // taken); score 0, 150 balls left, no undo.
    void newBoard(CRand& rand);
    // Gives every group of touching same-coloured balls its number, 1, 2, ... in reading order.
    void numberGroups();
    // The mouse over a cell (anything off the board clears the hovered group).
    Hover hover(int row, int col);
    int hoveredGroup() const { return m_hovered; }
    // Removes the group under a click (nothing while busy, off the board, or for a ball
    // without a same-coloured neighbour). Clearing the board adds 1000 to the score.
    Removal click(int row, int col);
    // The balls fall straight down; then empty columns close towards the left.
    void gravity();
    // Puts back the board before the last removal, once. False when there is nothing to undo.
    bool undo();
    // After a game's end, until the next board.
    void setBusy(bool busy) { m_busy = busy; }

    // --- the hovered group's animation, one tick per 60 ms: frames 1..10, then 11..20
    // over and over.
    int frame() const { return m_frame; }
    void tick();

    // --- the sprite sheet: cells of a x a, columns and rows in cells.
    static QPoint spriteCell(int colour, int frame);
    static QPoint emptySprite() { return {0, 6}; }

private:
    static int index(int row, int col) { return row * Columns + col; }
    void flood(int row, int col, int colour, int number);

    std::array<int, Rows * Columns> m_balls;
    std::array<int, Rows * Columns> m_groups;
    qint32 m_score = 0;
    qint32 m_left = 0;
    bool m_busy = false;
    struct Snapshot
    {
        std::array<int, Rows * Columns> balls;
        qint32 score = 0;
        qint32 left = 0;
    } m_undo;
    bool m_canUndo = false;
    int m_hovered = 0;
    int m_frame = 0;
    Status m_status;
};
