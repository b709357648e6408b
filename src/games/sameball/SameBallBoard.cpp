#include "games/sameball/SameBallBoard.h"

#include <QList>

#include <algorithm>

namespace {
constexpr int Neighbours[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}}; // up, left, down, right
}

SameBallBoard::SameBallBoard()
{
    m_balls.fill(NoBall);
    m_groups.fill(0);
    m_undo.balls.fill(NoBall);
}

int SameBallBoard::groupSize(int group) const
{
    if (group <= 0)
        return 0;
    int n = 0;
    for (int g : m_groups)
        n += g == group;
    return n;
}

bool SameBallBoard::hasSameNeighbour(int row, int col) const
{
    if (!onBoard(row, col) || ball(row, col) == NoBall)
        return false;
    for (const auto& d : Neighbours) {
        const int r = row + d[0], c = col + d[1];
        if (onBoard(r, c) && ball(r, c) == ball(row, col))
            return true;
    }
    return false;
}

bool SameBallBoard::hasMoves() const
{
    for (int row = 0; row < Rows; ++row)
        for (int col = 0; col < Columns; ++col)
            if (hasSameNeighbour(row, col))
                return true;
    return false;
}

QString SameBallBoard::statusText() const
{
    const QString gap = QStringLiteral(";      ");
    return QString::asprintf("Select:%5d", m_status.select) + gap + QString::asprintf("Scrore:%5d", m_status.points) + gap
        + QString::asprintf("Scrore is%5d", int(m_status.score)) + gap + QString::asprintf("The left is%5d", int(m_status.left))
        + gap;
}

void SameBallBoard::newBoard(CRand& rand)
{
    m_balls.fill(NoBall);
    for (int colour = 0; colour < Colours; ++colour)
        for (int i = 0; i < BallsPerColour; ++i) {
            int row, col;
            do {
                col = rand.next() % Columns;
                row = rand.next() % Rows;
            } while (ball(row, col) != NoBall);
            setBall(row, col, colour);
        }
    m_score = 0;
    m_left = Rows * Columns;
    m_canUndo = false;
    m_busy = false;
    m_hovered = 0;
    m_frame = 0;
    m_status = {0, 0, 0, m_left};
    numberGroups();
}

void SameBallBoard::recount()
{
    m_left = qint32(std::count_if(m_balls.begin(), m_balls.end(), [](int b) { return b != NoBall; }));
    m_status.left = m_left;
    m_hovered = 0;
    numberGroups();
}

void SameBallBoard::flood(int row, int col, int colour, int number)
{
    QList<QPoint> stack{{col, row}};
    m_groups[index(row, col)] = number;
    while (!stack.isEmpty()) {
        const QPoint p = stack.takeLast();
        for (const auto& d : Neighbours) {
            const int r = p.y() + d[0], c = p.x() + d[1];
            if (onBoard(r, c) && ball(r, c) == colour && m_groups[index(r, c)] <= 0) {
                m_groups[index(r, c)] = number;
                stack.append({c, r});
            }
        }
    }
}

void SameBallBoard::numberGroups()
{
    m_groups.fill(0);
    int next = 1;
    for (int row = 0; row < Rows; ++row)
        for (int col = 0; col < Columns; ++col)
            if (ball(row, col) != NoBall && group(row, col) <= 0)
                flood(row, col, ball(row, col), next++);
}

SameBallBoard::Hover SameBallBoard::hover(int row, int col)
{
    const int g = onBoard(row, col) ? group(row, col) : 0;
    if (g == m_hovered || (g <= 0 && m_hovered <= 0))
        return {};
    if (g > 0 && hasSameNeighbour(row, col)) {
        m_hovered = g;
        m_frame = 0;
        const int n = groupSize(g);
        m_status.select = n;
        m_status.points = (n - 2) * (n - 2);
        return {true, true};
    }
    const bool was = m_hovered > 0;
    m_hovered = 0;
    m_status.select = 0;
    m_status.points = 0;
    return {was, false};
}

SameBallBoard::Removal SameBallBoard::click(int row, int col)
{
    if (m_busy || !hasSameNeighbour(row, col))
        return {};
    m_busy = true;
    m_undo = {m_balls, m_score, m_left};
    m_canUndo = true;

    const int g = group(row, col);
    Removal r;
    r.removed = true;
    for (int i = 0; i < Rows * Columns; ++i)
        if (m_groups[size_t(i)] == g) {
            m_balls[size_t(i)] = NoBall;
            ++r.count;
        }
    r.points = (r.count - 2) * (r.count - 2);
    m_score += r.points;
    m_left -= r.count;
    m_hovered = 0;
    m_frame = 0;
    if (m_left > 0) {
        gravity();
        numberGroups();
        m_busy = false;
        r.over = !hasMoves();
    } else {
        numberGroups();
        m_score += ClearBonus;
        r.over = true;
    }
    m_status.score = m_score;
    m_status.left = m_left;
    return r;
}

void SameBallBoard::gravity()
{
    // Each column falls: its balls keep their order and rest on the bottom row.
    for (int col = 0; col < Columns; ++col) {
        int to = Rows - 1;
        for (int row = Rows - 1; row >= 0; --row)
            if (ball(row, col) != NoBall) {
                const int colour = ball(row, col);
                setBall(row, col, NoBall);
                setBall(to--, col, colour);
            }
    }
    // Columns with an empty bottom cell are closed from the right.
    int to = 0;
    for (int col = 0; col < Columns; ++col) {
        if (ball(Rows - 1, col) == NoBall)
            continue;
        if (to != col)
            for (int row = 0; row < Rows; ++row) {
                setBall(row, to, ball(row, col));
                setBall(row, col, NoBall);
            }
        ++to;
    }
}

bool SameBallBoard::undo()
{
    if (!m_canUndo || m_busy)
        return false;
    m_balls = m_undo.balls;
    m_score = m_undo.score;
    m_left = m_undo.left;
    m_canUndo = false;
    m_hovered = 0;
    m_frame = 0;
    numberGroups();
    m_status.score = m_score;
    m_status.left = m_left;
    m_status.select = 0;
    m_status.points = 0;
    return true;
}

void SameBallBoard::tick()
{
    m_frame = m_frame >= 20 ? 11 : m_frame + 1;
}

QPoint SameBallBoard::spriteCell(int colour, int frame)
{
    if (frame <= 0)
        return {0, colour};
    if (frame <= 10)
        return {frame, colour};
    return {frame - 11, 3 + colour};
}
