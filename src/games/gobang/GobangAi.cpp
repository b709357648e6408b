#include "games/gobang/GobangAi.h"

#include <vector>

namespace GobangAi {
namespace {

int other(int side)
{
    return side == Gobang::Computer ? Gobang::Player : Gobang::Computer;
}

template <class F>
void forEachEmpty(const GobangBoard& board, F&& f)
{
    for (int r = 1; r <= Gobang::Size; ++r)
        for (int c = 1; c <= Gobang::Size; ++c)
            if (board.at(r, c) == Gobang::Empty && !f(GobangCell{r, c}))
                return;
}

} // namespace

Choice greedyScan(const GobangBoard& board, int side)
{
    Choice best{-1, {}};
    forEachEmpty(board, [&](GobangCell cell) {
        const int score = board.cellScore(cell, side);
        if (score == Gobang::Five) {
            best = {score, cell};
            return false;
        }
        if (score > best.value)
            best = {score, cell};
        return true;
    });
    if (!best.cell.isValid())
        best.value = 0; // a full board
    return best;
}

Choice combinedChoice(const GobangBoard& board)
{
    Choice best{0, {}};
    GobangCell firstEmpty;
    bool decided = false;
    forEachEmpty(board, [&](GobangCell cell) {
        if (!firstEmpty.isValid())
            firstEmpty = cell;
        const int attack = board.cellScore(cell, Gobang::Computer);
        const int defence = board.cellScore(cell, Gobang::Player);
        if (attack > 9999) {
            // Take it, unless the player's best answer is worth more: then go there first.
            GobangBoard after = board;
            after.set(cell, Gobang::Computer);
            const Choice reply = greedyScan(after, Gobang::Player);
            best = reply.value > attack ? reply : Choice{attack, cell};
            decided = true;
            return false;
        }
        if (defence > 99999) {
            // The player would make five here: block it, unless the computer then has
            // something at least as good.
            GobangBoard after = board;
            after.set(cell, Gobang::Player);
            const Choice reply = greedyScan(after, Gobang::Computer);
            best = reply.value < defence ? Choice{attack, cell} : reply;
            decided = true;
            return false;
        }
        if (attack + defence > best.value)
            best = {attack + defence, cell};
        return true;
    });
    // Nothing scores anywhere: the first free intersection rather than no move at all.
    if (!decided && !best.cell.isValid())
        best.cell = firstEmpty;
    return best;
}

void lookAhead(const GobangBoard& board, int side, int level, Outcome& result)
{
    ++result.counter;
    if (level >= 3) {
        const Choice g = greedyScan(board, side);
        result.value = g.value;
        result.cell = g.cell;
        return;
    }
    // The candidates, best first; one joins after those of an equal score.
    std::vector<Choice> candidates;
    bool five = false;
    forEachEmpty(board, [&](GobangCell cell) {
        const int score = board.cellScore(cell, side);
        if (score == Gobang::Five) {
            result.value = score;
            result.cell = cell;
            five = true;
            return false;
        }
        if (score == 0)
            return true;
        auto at = candidates.begin();
        while (at != candidates.end() && at->value >= score)
            ++at;
        candidates.insert(at, {score, cell});
        return true;
    });
    if (five)
        return;
    Outcome kept;
    const size_t n = std::min<size_t>(3, candidates.size());
    for (size_t i = 0; i < n; ++i) {
        GobangBoard after = board;
        after.set(candidates[i].cell, side);
        // The counter goes down with the line: it tells how many calls deep the value lies.
        Outcome child;
        child.counter = result.counter;
        lookAhead(after, other(side), level + 1, child);
        if (child.value > kept.value)
            kept = {child.value, candidates[i].cell, child.counter};
    }
    result = kept;
}

GobangCell juniorMove(const GobangBoard& board)
{
    const Choice five = greedyScan(board, Gobang::Computer);
    if (five.value == Gobang::Five)
        return five.cell;
    return combinedChoice(board).cell;
}

GobangCell seniorMove(const GobangBoard& board)
{
    const Choice combined = combinedChoice(board);
    if (combined.value >= 1000 || combined.value <= 20)
        return combined.cell;
    Outcome mine, theirs;
    lookAhead(board, Gobang::Computer, 1, mine);
    lookAhead(board, Gobang::Player, 1, theirs);
    GobangCell cell;
    if (mine.value > theirs.value)
        cell = mine.cell;
    else if (mine.value < theirs.value)
        cell = theirs.cell;
    else
        cell = mine.counter > theirs.counter ? theirs.cell : mine.cell;
    // A look-ahead that kept nothing has no cell: the combined choice stands.
    if (!cell.isValid() || board.at(cell) != Gobang::Empty)
        return combined.cell;
    return cell;
}

GobangCell computerMove(const GobangBoard& board, Level level)
{
    return level == Level::Senior ? seniorMove(board) : juniorMove(board);
}

} // namespace GobangAi
