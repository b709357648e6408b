#pragma once
#include "games/tetris/GravityTimer.h"
#include "games/tetris/TetrisPiece.h"
#include "games/tetris/TetrisSettings.h"
#include "platform/CRand.h"

#include <QObject>

#include <array>
#include <memory>
#include <optional>

// One player's board: 10 columns by 18 rows, each cell empty or holding a block of a kind.
class TetrisBoard
{
public:
    TetrisBoard() { clear(); }
    void clear();

    // The kind of the block in a cell, -1 when empty. Rows above the top are empty;
    // other cells off the board have no kind (-1) but count as blocked for a piece.
    int kindAt(int column, int row) const;
    bool isEmpty() const;
    // Whether a block may be in the cell: on the board and empty, or above the top.
    bool isFree(int column, int row) const;
    void set(int column, int row, int kind);

    bool isRowFull(int row) const;
    // Deletes the row's blocks and moves every row above it one row down; row 0 is emptied.
    void clearRow(int row);

private:
    std::array<std::array<qint8, Tetris::Columns>, Tetris::Rows> m_cells;
};

// A player: the board, the falling piece, the piece shown in the preview and the counters
// "Down:" (pieces), "Counteract:" (rows cleared) and "Score:".
struct TetrisPlayer
{
    TetrisBoard board;
    std::optional<TetrisPiece> piece;
    std::optional<TetrisPiece> next;
    qint32 down = 0;
    qint32 lines = 0;
    qint32 score = 0;
    bool playing = false; // in the game that runs (the second player only when enabled at Start)
};

// The falling-blocks game for one player, or two on one keyboard: the main player on the
// right board, the second (when enabled) on the left. Each player's gravity timer moves the
// piece down; keys move, turn and drop it; a piece that cannot appear ends the game.
class TetrisGame : public QObject
{
    Q_OBJECT
public:
    using Side = TetrisSettings::Side;
    using Action = TetrisSettings::Action;

    // The timers of the main and the second player; `seed` starts the random pieces.
    TetrisGame(std::unique_ptr<GravityTimer> mainTimer, std::unique_ptr<GravityTimer> secondTimer, quint32 seed,
               QObject* parent = nullptr);
    ~TetrisGame() override;

    const TetrisSettings& settings() const { return m_settings; }
    // Keys take effect at once; switches, grades and steps at the next Start.
    void setSettings(const TetrisSettings& settings);

    // Empties both boards, zeroes the counters, brings in the first pieces and starts the
    // timers. Restarts a running game.
    void start();
    bool isRunning() const { return m_running; }

    const TetrisPlayer& player(int side) const { return m_players[side]; }
    const GravityTimer& timer(int side) const { return *m_timers[side]; }

    // A key (virtual-key code) pressed while a game runs: moves, turns or drops the piece of
    // every player whose key it is. True when it was a player's key.
    bool pressKey(int vk);
    // One player's action; true when the piece moved (or landed, for a drop).
    bool act(int side, Action action);
    // One gravity tick of a player: a piece that has landed is laid down, otherwise it falls
    // by its step, row by row, never through a block or the floor.
    void tick(int side);

    // Set-ups for tests and demonstrations: the falling piece of a player, a board cell.
    void setPiece(int side, const TetrisPiece& piece);
    void setCell(int side, int column, int row, int kind);

Q_SIGNALS:
    // The boards, pieces or counters changed: repaint.
    void changed();
    // A new piece could not appear: the game is over ("end.").
    void gameOver();

private:
    bool fits(int side, const TetrisPiece& piece) const;
    bool hasLanded(int side) const;
    void land(int side);
    bool spawn(int side); // false when the new piece is blocked
    void endGame();

    TetrisSettings m_settings;
    std::array<TetrisPlayer, 2> m_players;
    std::array<std::unique_ptr<GravityTimer>, 2> m_timers;
    std::array<int, 2> m_steps{0, 0};
    CRand m_rand;
    bool m_running = false;
};
