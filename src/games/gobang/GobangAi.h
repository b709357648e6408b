#pragma once
#include "games/gobang/GobangBoard.h"

// How the computer chooses its move. Every scan runs over the empty intersections row by
// row (rows 1..19 outer, columns 1..19 inner); the first cell in that order wins ties.
namespace GobangAi {

struct Choice
{
    int value = 0;
    GobangCell cell;
};

// A look-ahead result: value, cell and the call counter of the line it came from. Each call
// adds one to the counter it is handed and hands it on down, so the counter says how many
// calls deep the kept value was found: a five found at once counts 1, one found by the
// other side's answer 2. Senior breaks a tie between the two sides by it: the side that
// gets there sooner is the one to play against (or to play for, when both are as soon).
struct Outcome
{
    int value = 0;
    GobangCell cell;
    int counter = 0;
};

enum class Level { Junior = 0, Senior = 1 };

// The best cell for `side` by its own cell score (a five is taken at once).
Choice greedyScan(const GobangBoard& board, int side);
// Attack and defence together: a cell where the computer makes an open four or better, or
// where the player would make five, decides at once (after checking the other side's best
// answer); otherwise the cell with the highest sum of both values.
Choice combinedChoice(const GobangBoard& board);
// The look-ahead for `side` from `level` (1 at the top, 3 at the bottom), following the
// three best candidates of each side in turn and keeping the largest value.
void lookAhead(const GobangBoard& board, int side, int level, Outcome& result);

// Junior: a five if there is one, otherwise the combined choice.
GobangCell juniorMove(const GobangBoard& board);
// Senior: the combined choice when it is clear-cut (1000 or more, or 20 or less), otherwise
// the look-ahead for both sides.
GobangCell seniorMove(const GobangBoard& board);

GobangCell computerMove(const GobangBoard& board, Level level);

} // namespace GobangAi
