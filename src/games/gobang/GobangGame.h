#pragma once
#include "games/gobang/GobangAi.h"
#include "games/gobang/GobangBoard.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

// One move as the game keeps it.
struct GobangMove
{
    qint32 row = 0;
    qint32 column = 0;
    qint32 colour = 0; // 1 player, 3 computer
    qint32 extra = 0;
    bool operator==(const GobangMove&) const = default;
};

// Five in a row against the computer: the player's black stones, the computer's white
// answers chosen by the level, the list of moves and taking them back.
class GobangGame
{
public:
    enum class State { NoGame, PlayerToMove, Over };
    enum class Outcome {
        Ignored,      // not the player's turn, off the intersections, or an occupied cell
        Answered,     // the player moved and the computer answered
        PlayerWon,    // the player's stone made five
        ComputerWon,  // the computer's answer made five
        Drawn,        // the board filled up without a five
    };
    struct Result
    {
        Outcome outcome = Outcome::Ignored;
        GobangCell reply; // the computer's stone, when it answered
    };

    void setLevel(GobangAi::Level level) { m_level = level; }
    GobangAi::Level level() const { return m_level; }

    // A new game on an empty board. The computer first puts white on the centre (10, 10).
    void start(bool computerFirst);
    // The player puts black on the intersection; unless that ends the game, the computer answers.
    Result playerMove(GobangCell cell);
    // Takes back the last move, and the player's move before it when that is the one now
    // last; the player is to move. False when there was nothing to do.
    bool undo();

    State state() const { return m_state; }
    bool isPlayerToMove() const { return m_state == State::PlayerToMove; }
    const GobangBoard& board() const { return m_board; }
    const QList<GobangMove>& moves() const { return m_moves; }
    // The move that blinks: the computer's latest, or the last one after taking back.
    GobangCell lastMove() const { return m_lastMove; }

    // Sets a position (the board's stones; no move list). For tests and benchmarks.
    void setPosition(const GobangBoard& board);

private:
    void place(GobangCell cell, int colour);

    GobangBoard m_board;
    QList<GobangMove> m_moves;
    GobangCell m_lastMove;
    State m_state = State::NoGame;
    GobangAi::Level m_level = GobangAi::Level::Junior;
};

// Where the board panel draws its lines and stones, and which intersection a click means.
// The panel's client area is cut in 20 each way (w = width / 20, h = height / 20).
namespace GobangGeometry {
// Vertical line i at x = w·i, horizontal line i at y = 6 + h·i.
QPoint intersection(GobangCell cell, QSize panel);
// The stone's circle: (c·w − 10, r·h − 4) to (c·w + 10, r·h + 16).
QRect stoneRect(GobangCell cell, QSize panel);
// The nearest intersection to a point, each coordinate rounded to the nearer line (a point
// exactly half-way goes up or left); an invalid cell off the intersections.
GobangCell cellAt(QPoint pos, QSize panel);
} // namespace GobangGeometry
