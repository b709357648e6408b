#include "games/gobang/GobangGame.h"

void GobangGame::start(bool computerFirst)
{
    m_board.clear();
    m_moves.clear();
    m_lastMove = {};
    if (computerFirst) {
        place({10, 10}, Gobang::Computer);
        m_lastMove = {10, 10};
    }
    m_state = State::PlayerToMove;
}

void GobangGame::setPosition(const GobangBoard& board)
{
    m_board = board;
    m_moves.clear();
    m_lastMove = {};
    m_state = State::PlayerToMove;
}

void GobangGame::place(GobangCell cell, int colour)
{
    m_board.set(cell, colour);
    m_moves.append({cell.row, cell.column, colour, 0});
}

GobangGame::Result GobangGame::playerMove(GobangCell cell)
{
    if (m_state != State::PlayerToMove || !cell.isValid() || m_board.at(cell) != Gobang::Empty)
        return {};
    place(cell, Gobang::Player);
    if (m_board.makesFive(cell)) {
        m_state = State::Over;
        return {Outcome::PlayerWon, {}};
    }
    if (m_board.isFull()) {
        m_state = State::Over;
        return {Outcome::Drawn, {}};
    }
    const GobangCell reply = GobangAi::computerMove(m_board, m_level);
    place(reply, Gobang::Computer);
    m_lastMove = reply;
    if (m_board.makesFive(reply)) {
        m_state = State::Over;
        return {Outcome::ComputerWon, reply};
    }
    if (m_board.isFull()) {
        m_state = State::Over;
        return {Outcome::Drawn, reply};
    }
    return {Outcome::Answered, reply};
}

bool GobangGame::undo()
{
    if (m_state == State::NoGame)
        return false;
    if (!m_moves.isEmpty()) {
        const GobangMove last = m_moves.takeLast();
        m_board.set({last.row, last.column}, Gobang::Empty);
        if (!m_moves.isEmpty() && m_moves.last().colour == Gobang::Player) {
            const GobangMove mine = m_moves.takeLast();
            m_board.set({mine.row, mine.column}, Gobang::Empty);
        }
    }
    m_lastMove = m_moves.isEmpty() ? GobangCell{} : GobangCell{m_moves.last().row, m_moves.last().column};
    m_state = State::PlayerToMove;
    return true;
}

namespace GobangGeometry {
namespace {

// The nearer of the two lines around `v`, lines every `step` from 0: up or left at exactly
// half-way.
int nearestLine(int v, int step)
{
    if (step <= 0)
        return -1;
    int q = v / step;
    int rem = v % step;
    if (rem < 0) {
        --q;
        rem += step;
    }
    return 2 * rem > step ? q + 1 : q;
}

} // namespace

QPoint intersection(GobangCell cell, QSize panel)
{
    const int w = panel.width() / 20, h = panel.height() / 20;
    return {cell.column * w, 6 + cell.row * h};
}

QRect stoneRect(GobangCell cell, QSize panel)
{
    const int w = panel.width() / 20, h = panel.height() / 20;
    return QRect(QPoint(cell.column * w - 10, cell.row * h - 4), QPoint(cell.column * w + 10, cell.row * h + 16))
        .adjusted(0, 0, -1, -1);
}

GobangCell cellAt(QPoint pos, QSize panel)
{
    const GobangCell cell{nearestLine(pos.y() - 6, panel.height() / 20), nearestLine(pos.x(), panel.width() / 20)};
    return cell.isValid() ? cell : GobangCell{};
}

} // namespace GobangGeometry
