#include "games/tetris/TetrisGame.h"

#include <algorithm>

using namespace Tetris;

void TetrisBoard::clear()
{
    for (auto& row : m_cells)
        row.fill(-1);
}

int TetrisBoard::kindAt(int column, int row) const
{
    if (column < 0 || column >= Columns || row < 0 || row >= Rows)
        return -1;
    return m_cells[row][column];
}

bool TetrisBoard::isEmpty() const
{
    for (const auto& row : m_cells)
        for (qint8 cell : row)
            if (cell >= 0)
                return false;
    return true;
}

bool TetrisBoard::isFree(int column, int row) const
{
    if (column < 0 || column >= Columns || row >= Rows)
        return false;
    return row < 0 || m_cells[row][column] < 0;
}

void TetrisBoard::set(int column, int row, int kind)
{
    if (column >= 0 && column < Columns && row >= 0 && row < Rows)
        m_cells[row][column] = qint8(kind);
}

bool TetrisBoard::isRowFull(int row) const
{
    if (row < 0 || row >= Rows)
        return false;
    return std::all_of(m_cells[row].begin(), m_cells[row].end(), [](qint8 c) { return c >= 0; });
}

void TetrisBoard::clearRow(int row)
{
    if (row < 0 || row >= Rows)
        return;
    for (int r = row; r > 0; --r)
        m_cells[r] = m_cells[r - 1];
    m_cells[0].fill(-1);
}

TetrisGame::TetrisGame(std::unique_ptr<GravityTimer> mainTimer, std::unique_ptr<GravityTimer> secondTimer, quint32 seed,
                       QObject* parent)
    : QObject(parent), m_timers{std::move(mainTimer), std::move(secondTimer)}, m_rand(seed)
{
    m_timers[Side::Main]->onTick = [this] { tick(Side::Main); };
    m_timers[Side::Second]->onTick = [this] { tick(Side::Second); };
}

TetrisGame::~TetrisGame()
{
    for (auto& timer : m_timers) {
        timer->stop();
        timer->onTick = nullptr;
    }
}

void TetrisGame::setSettings(const TetrisSettings& settings)
{
    m_settings = settings;
}

void TetrisGame::start()
{
    m_running = true;
    for (int side : {Side::Main, Side::Second}) {
        TetrisPlayer& p = m_players[side];
        p.board.clear();
        p.down = p.lines = p.score = 0;
        p.piece.reset();
        // The main player always plays, whatever the file says.
        p.playing = side == Side::Main || m_settings.enabled[side] != 0;
        m_steps[side] = m_settings.stepIndex(side);
    }
    for (int side : {Side::Main, Side::Second}) {
        if (m_players[side].playing) {
            spawn(side);
            m_timers[side]->start(TetrisSettings::periodMs(m_settings.gradeIndex(side)));
        } else {
            m_timers[side]->stop();
        }
    }
    Q_EMIT changed();
}

void TetrisGame::setPiece(int side, const TetrisPiece& piece)
{
    m_players[side].piece = piece;
    Q_EMIT changed();
}

void TetrisGame::setCell(int side, int column, int row, int kind)
{
    m_players[side].board.set(column, row, kind);
    Q_EMIT changed();
}

bool TetrisGame::fits(int side, const TetrisPiece& piece) const
{
    const TetrisBoard& board = m_players[side].board;
    return std::all_of(piece.blocks().begin(), piece.blocks().end(),
                       [&board](QPoint b) { return board.isFree(b.x(), b.y()); });
}

bool TetrisGame::hasLanded(int side) const
{
    const TetrisPlayer& p = m_players[side];
    if (!p.piece)
        return false;
    for (QPoint b : p.piece->blocks())
        if (b.y() >= Rows - 1 || !p.board.isFree(b.x(), b.y() + 1))
            return true;
    return false;
}

bool TetrisGame::pressKey(int vk)
{
    if (!m_running || vk == 0)
        return false;
    bool handled = false;
    for (int side : {Side::Main, Side::Second}) {
        if (!m_players[side].playing)
            continue;
        for (int action = Action::Left; action <= Action::Drop; ++action) {
            if (m_settings.keyCodes[side][action] != vk)
                continue;
            handled = true;
            if (m_running)
                act(side, Action(action));
        }
    }
    return handled;
}

bool TetrisGame::act(int side, Action action)
{
    TetrisPlayer& p = m_players[side];
    if (!m_running || !p.playing || !p.piece)
        return false;
    std::optional<TetrisPiece> moved;
    switch (action) {
    case Action::Left: moved = p.piece->moved(-1, 0); break;
    case Action::Right: moved = p.piece->moved(1, 0); break;
    case Action::Rotate:
        if (p.piece->kind() == 6)
            return false; // the square never turns
        moved = p.piece->rotated();
        break;
    case Action::Drop:
        while (!hasLanded(side))
            p.piece = p.piece->moved(0, 1);
        land(side);
        return true;
    }
    if (!fits(side, *moved))
        return false;
    p.piece = moved;
    Q_EMIT changed();
    return true;
}

void TetrisGame::tick(int side)
{
    TetrisPlayer& p = m_players[side];
    if (!m_running || !p.playing || !p.piece)
        return;
    if (hasLanded(side)) {
        land(side);
        return;
    }
    // A larger step falls several rows in one tick, but row by row: it stops on the first
    // row where it lands, and the next tick lays it down there.
    for (int i = 0; i <= m_steps[side] && !hasLanded(side); ++i)
        p.piece = p.piece->moved(0, 1);
    Q_EMIT changed();
}

void TetrisGame::land(int side)
{
    TetrisPlayer& p = m_players[side];
    const TetrisPiece piece = *p.piece;
    // Blocks turned above the top have no cell to go to.
    std::array<int, 4> rows;
    for (int i = 0; i < 4; ++i) {
        const QPoint b = piece.blocks()[i];
        p.board.set(b.x(), b.y(), piece.kind());
        rows[i] = b.y();
    }
    // In ascending order, so clearing one row never moves a row that is still to be looked at.
    std::sort(rows.begin(), rows.end());
    int cleared = 0;
    for (int row : rows) {
        if (p.board.isRowFull(row)) {
            p.board.clearRow(row);
            ++cleared;
        }
    }
    const bool appeared = spawn(side);
    p.lines += cleared;
    p.score += 10 * cleared * cleared;
    Q_EMIT changed();
    if (!appeared)
        endGame();
}

bool TetrisGame::spawn(int side)
{
    TetrisPlayer& p = m_players[side];
    const int kind = m_rand.next() % Kinds;
    if (p.next) {
        p.piece = TetrisPiece(p.next->kind());
        p.next = TetrisPiece(kind);
    } else {
        // The first piece after the window opened: it and the preview are of one kind,
        // and the player gets 20 points to start with.
        p.piece = TetrisPiece(kind);
        p.next = TetrisPiece(kind);
        p.score += 20;
    }
    ++p.down;
    return std::all_of(p.piece->blocks().begin(), p.piece->blocks().end(),
                       [&p](QPoint b) { return p.board.kindAt(b.x(), b.y()) < 0; });
}

void TetrisGame::endGame()
{
    for (auto& timer : m_timers)
        timer->stop();
    m_running = false;
    Q_EMIT changed();
    Q_EMIT gameOver();
}
