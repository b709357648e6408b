// The Gobang model: axis codes and cell scores, the computer's choice at both levels on
// positions written as text boards, the game's turns, taking back, and the click rounding.
#include "games/gobang/GobangGame.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using Level = GobangAi::Level;

// A picture of part of the board: '.' empty, 'X' the player's black, 'O' the computer's
// white; any other character is empty too and marks a cell the test names. The picture's
// top-left character lands on (row, column).
using Picture = std::vector<std::string>;

GobangBoard boardFrom(const Picture& picture, int row = 1, int column = 1)
{
    GobangBoard b;
    for (int r = 0; r < int(picture.size()); ++r)
        for (int c = 0; c < int(picture[r].size()); ++c) {
            if (picture[r][c] == 'X')
                b.set({row + r, column + c}, Gobang::Player);
            else if (picture[r][c] == 'O')
                b.set({row + r, column + c}, Gobang::Computer);
        }
    return b;
}

// Where the character `mark` stands in the picture placed at (row, column).
GobangCell marked(const Picture& picture, char mark, int row = 1, int column = 1)
{
    for (int r = 0; r < int(picture.size()); ++r)
        if (const size_t c = picture[r].find(mark); c != std::string::npos)
            return {row + r, column + int(c)};
    return {};
}

QString text(GobangCell c)
{
    return QStringLiteral("(%1, %2)").arg(c.row).arg(c.column);
}

TEST(GobangBoard, AxisCodesAlongARow)
{
    // The row is row 10 from column 1; '*' is the cell evaluated for a stone of `v`.
    const struct { const char* row; int v; int code; } cases[] = {
        {".OO*O..", Gobang::Computer, 7},      // open four
        {"XOOO*..", Gobang::Computer, 4},      // four against the player
        {"OOO*...", Gobang::Computer, 4},      // four against the edge
        {"XOO*X", Gobang::Computer, 0},        // three shut in
        {".O*O.", Gobang::Computer, 6},        // open three
        {"XO*.", Gobang::Computer, 2},         // two with one open end
        {".O*.", Gobang::Computer, 5},         // open two
        {"*O..", Gobang::Computer, 2},         // two against the edge
        {".*.", Gobang::Computer, 0},          // a lone stone
        {"X*.", Gobang::Computer, 1},          // a lone stone against a player stone
        {"X*X", Gobang::Computer, 1},
        {"*X", Gobang::Computer, 1},           // the edge on one side
        {".*O..X", Gobang::Computer, 5},
        {"OOOO*X", Gobang::Computer, 8},       // five
        {"OO*OOO", Gobang::Computer, 8},       // six
        {"O*.", Gobang::Player, 0},            // a player stone against white is just alone
        {".XX*X.", Gobang::Player, 7},
        {"OXX*.", Gobang::Player, 3},
        {".X*XO", Gobang::Player, 3},
    };
    for (const auto& c : cases) {
        const GobangBoard b = boardFrom({c.row}, 10, 1);
        const GobangCell cell = marked({c.row}, '*', 10, 1);
        EXPECT_EQ(b.axisCode(cell, c.v, GobangBoard::Row), c.code) << c.row;
    }
}

TEST(GobangBoard, AxisCodesAlongTheOtherThreeAxes)
{
    // White stones around (10, 10) and (10, 13), black ones shutting some lines.
    const Picture picture = {
        "X....",
        "O...O",
        "*..*.",
        "O.O..",
        "OX...",
        ".....",
    };
    const GobangBoard b = boardFrom(picture, 8, 10);
    const GobangCell a{10, 10};
    EXPECT_EQ(b.axisCode(a, Gobang::Computer, GobangBoard::Column), 4); // X O * O O .
    const GobangCell d{10, 13};
    EXPECT_EQ(b.axisCode(d, Gobang::Computer, GobangBoard::AntiDiagonal), 3); // X O * O .
    EXPECT_EQ(b.axisCode({9, 11}, Gobang::Computer, GobangBoard::Diagonal), 1); // X * .
    EXPECT_EQ(b.axisCode({11, 11}, Gobang::Computer, GobangBoard::Row), 6);     // . O * O .
    EXPECT_EQ(b.axisCode({11, 11}, Gobang::Computer, GobangBoard::Diagonal), 0);
}

TEST(GobangBoard, CellScoresByTheFirstRuleThatApplies)
{
    const struct { std::array<int, 4> codes; int score; } cases[] = {
        {{8, 0, 0, 0}, 100000}, {{7, 8, 0, 0}, 100000}, {{7, 0, 0, 0}, 10000}, {{4, 4, 0, 0}, 10000},
        {{4, 0, 6, 0}, 10000},  {{6, 6, 0, 0}, 5000},    {{6, 5, 5, 0}, 5000},   {{3, 6, 0, 0}, 1000},
        {{4, 3, 3, 5}, 500},    {{6, 5, 0, 0}, 200},     {{6, 0, 0, 0}, 200},    {{5, 5, 0, 0}, 100},
        {{3, 3, 2, 0}, 50},     {{5, 3, 0, 0}, 10},      {{3, 2, 1, 0}, 5},      {{2, 1, 0, 0}, 2},
        {{1, 0, 0, 0}, 1},      {{0, 0, 0, 0}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GobangBoard::scoreForCodes(c.codes), c.score)
            << c.codes[0] << c.codes[1] << c.codes[2] << c.codes[3];
}

TEST(GobangBoard, FiveCheckCountsRunsOnEveryAxis)
{
    const GobangBoard b = boardFrom({
        "X.....",
        ".X....",
        "..X...",
        "...X..",
        "....X.",
        "OOOO.O",
    }, 1, 1);
    EXPECT_TRUE(b.makesFive({3, 3}));
    EXPECT_TRUE(b.makesFive({1, 1}));
    EXPECT_FALSE(b.makesFive({6, 2}));
    EXPECT_FALSE(b.makesFive({6, 6}));
    EXPECT_EQ(b.run({6, 1}, GobangBoard::Row), 4);
}

// The computer's reply to the player's move at the cell marked 'm' in the picture.
struct Tactic
{
    const char* name;
    Picture picture;
    // The cells the computer may answer on, marked with 'a' (and 'b').
    const char* answers;
    GobangGame::Outcome outcome;
};

class GobangTactics : public ::testing::TestWithParam<Level>
{
};

TEST_P(GobangTactics, TextBoards)
{
    const Tactic tactics[] = {
        {"win with an open four",
         {"...........",
          "..aOOOOb...",
          "...........",
          "....XX.m...",
          "...X.......",
          "...........",
          "..........X"},
         "ab", GobangGame::Outcome::ComputerWon},
        {"complete a closed four before blocking an open four",
         {"..........",
          ".XOOOOa...",
          "..........",
          "..bXXXmc..",
          "..........",
          "....O....."},
         "a", GobangGame::Outcome::ComputerWon},
        {"block a four",
         {"...........",
          "..OXXXma...",
          "...........",
          "....O......",
          "...........",
          "...O......."},
         "a", GobangGame::Outcome::Answered},
        {"block an open four",
         {"...........",
          "..aXXXmb...",
          "...........",
          "....O......",
          "...........",
          "..........O"},
         "ab", GobangGame::Outcome::Answered},
        {"block an open three",
         {"............",
          "...aXmXb....",
          "............",
          "............",
          ".....O......",
          "............",
          "...........O"},
         "ab", GobangGame::Outcome::Answered},
        {"block a diagonal open three",
         {"a.......",
          ".X......",
          "..m.....",
          "...X....",
          "....b...",
          "........",
          "O......O"},
         "ab", GobangGame::Outcome::Answered},
    };
    for (const Tactic& t : tactics) {
        SCOPED_TRACE(t.name);
        GobangGame game;
        game.setLevel(GetParam());
        game.setPosition(boardFrom(t.picture, 5, 5));
        const GobangGame::Result r = game.playerMove(marked(t.picture, 'm', 5, 5));
        EXPECT_EQ(r.outcome, t.outcome);
        QStringList allowed;
        for (const char* a = t.answers; *a; ++a)
            allowed.append(text(marked(t.picture, *a, 5, 5)));
        EXPECT_TRUE(allowed.contains(text(r.reply))) << qPrintable(text(r.reply)) << " not in " << qPrintable(allowed.join(u' '));
    }
}

INSTANTIATE_TEST_SUITE_P(BothLevels, GobangTactics, ::testing::Values(Level::Junior, Level::Senior),
                         [](const auto& info) { return info.param == Level::Junior ? "Junior" : "Senior"; });

TEST(GobangAi, JuniorBlocksAnOpenFourAtItsFirstEnd)
{
    // The player's open four: both ends make five; the first in scan order is blocked.
    const Picture picture = {
        ".......",
        ".aXXXXb",
        ".......",
        "...O...",
    };
    const GobangBoard b = boardFrom(picture, 9, 3);
    EXPECT_EQ(GobangAi::juniorMove(b), marked(picture, 'a', 9, 3));
}

TEST(GobangAi, GreedyScanTakesAFiveAtOnceAndOtherwiseTheFirstBest)
{
    // Two cells make an open three for white; the first in scan order wins.
    const Picture picture = {
        ".a....",
        ".O....",
        ".O....",
        ".b....",
    };
    const GobangBoard b = boardFrom(picture, 3, 3);
    const GobangAi::Choice g = GobangAi::greedyScan(b, Gobang::Computer);
    EXPECT_EQ(g.value, 200);
    EXPECT_EQ(g.cell, marked(picture, 'a', 3, 3)) << qPrintable(text(g.cell));
    // An empty board: every cell is worth 0, the first one is the answer.
    const GobangAi::Choice empty = GobangAi::greedyScan(GobangBoard(), Gobang::Player);
    EXPECT_EQ(empty.value, 0);
    EXPECT_EQ(empty.cell, (GobangCell{1, 1}));
}

TEST(GobangAi, TheFirstReplyNextToALoneStoneIsTheCombinedChoice)
{
    GobangBoard b;
    b.set({10, 10}, Gobang::Player);
    const GobangAi::Choice c = GobangAi::combinedChoice(b);
    EXPECT_EQ(c.value, 11); // defence 10 (an open two), attack 1 (a stone against black)
    EXPECT_EQ(c.cell, (GobangCell{9, 9}));
    EXPECT_EQ(GobangAi::juniorMove(b), (GobangCell{9, 9}));
    EXPECT_EQ(GobangAi::seniorMove(b), (GobangCell{9, 9})); // 20 or less: no look-ahead
}

TEST(GobangAi, SeniorBlocksAFiveEvenWhenTheBlockingCellIsWorthLittleToItself)
{
    // Black threatens five at 'e'. White's own value there is an open three (200), so the
    // combined choice is not clear-cut and the look-ahead decides: black's five is one call
    // away, white's best line needs two, so Senior blocks.
    const Picture picture = {
        ".......",
        ".......",
        "OXXXXe.",
        ".....O.",
        ".....O.",
        ".......",
    };
    const GobangBoard b = boardFrom(picture, 8, 5);
    const GobangCell e = marked(picture, 'e', 8, 5);
    const GobangAi::Choice combined = GobangAi::combinedChoice(b);
    EXPECT_EQ(combined.cell, e);
    EXPECT_GT(combined.value, 20);
    EXPECT_LT(combined.value, 1000);
    GobangAi::Outcome mine, theirs;
    GobangAi::lookAhead(b, Gobang::Computer, 1, mine);
    GobangAi::lookAhead(b, Gobang::Player, 1, theirs);
    EXPECT_EQ(theirs.value, Gobang::Five);
    EXPECT_EQ(theirs.cell, e);
    EXPECT_EQ(theirs.counter, 1);
    EXPECT_EQ(mine.value, Gobang::Five);
    EXPECT_GT(mine.counter, theirs.counter);
    EXPECT_EQ(GobangAi::seniorMove(b), e);
}

TEST(GobangAi, LookAheadAtTheBottomIsTheGreedyScan)
{
    const GobangBoard b = boardFrom({"..OO.X", "X....."}, 4, 4);
    GobangAi::Outcome o;
    GobangAi::lookAhead(b, Gobang::Computer, 3, o);
    const GobangAi::Choice g = GobangAi::greedyScan(b, Gobang::Computer);
    EXPECT_EQ(o.value, g.value);
    EXPECT_EQ(o.cell, g.cell);
    EXPECT_EQ(o.counter, 1);
}

// Many games with random player moves near the stones: every reply of either level is
// an empty intersection, and the game's state follows the stones.
TEST(GobangAi, EveryReplyIsAnEmptyIntersection)
{
    std::mt19937 rng(20240611);
    for (Level level : {Level::Junior, Level::Senior}) {
        for (int g = 0; g < 12; ++g) {
            GobangGame game;
            game.setLevel(level);
            game.start(g % 2 == 1);
            for (int move = 0; move < 60 && game.isPlayerToMove(); ++move) {
                GobangCell cell;
                do {
                    cell = {std::uniform_int_distribution<int>(3, 17)(rng), std::uniform_int_distribution<int>(3, 17)(rng)};
                } while (game.board().at(cell) != Gobang::Empty);
                const GobangBoard before = game.board();
                const GobangGame::Result r = game.playerMove(cell);
                ASSERT_NE(r.outcome, GobangGame::Outcome::Ignored);
                if (r.outcome == GobangGame::Outcome::PlayerWon)
                    break;
                ASSERT_TRUE(r.reply.isValid());
                ASSERT_EQ(before.at(r.reply), Gobang::Empty) << qPrintable(text(r.reply));
                ASSERT_NE(r.reply, cell);
                EXPECT_EQ(game.board().at(r.reply), Gobang::Computer);
                EXPECT_EQ(game.lastMove(), r.reply);
            }
        }
    }
}

TEST(GobangGameRules, ComputeFirstOpensOnTheCentre)
{
    GobangGame game;
    game.start(true);
    EXPECT_EQ(game.board().at({10, 10}), Gobang::Computer);
    EXPECT_EQ(game.moves(), (QList<GobangMove>{{10, 10, Gobang::Computer, 0}}));
    EXPECT_EQ(game.lastMove(), (GobangCell{10, 10}));
    EXPECT_TRUE(game.isPlayerToMove());

    game.start(false);
    EXPECT_TRUE(game.moves().isEmpty());
    EXPECT_EQ(game.board(), GobangBoard());
    EXPECT_FALSE(game.lastMove().isValid());
    EXPECT_TRUE(game.isPlayerToMove());
}

TEST(GobangGameRules, MovesOnlyOnFreeIntersectionsAndOnlyInAGame)
{
    GobangGame game;
    EXPECT_EQ(game.playerMove({10, 10}).outcome, GobangGame::Outcome::Ignored); // no game yet
    game.start(true);
    EXPECT_EQ(game.playerMove({10, 10}).outcome, GobangGame::Outcome::Ignored); // taken
    EXPECT_EQ(game.playerMove({0, 5}).outcome, GobangGame::Outcome::Ignored);
    EXPECT_EQ(game.playerMove({5, 20}).outcome, GobangGame::Outcome::Ignored);
    EXPECT_EQ(game.moves().size(), 1);
    const GobangGame::Result r = game.playerMove({9, 9});
    EXPECT_EQ(r.outcome, GobangGame::Outcome::Answered);
    EXPECT_EQ(game.moves().size(), 3);
    EXPECT_EQ(game.moves()[1], (GobangMove{9, 9, Gobang::Player, 0}));
    EXPECT_EQ(game.moves()[2], (GobangMove{r.reply.row, r.reply.column, Gobang::Computer, 0}));
}

TEST(GobangGameRules, UnDoTakesBackTheReplyAndTheMoveButOnlyTheWinningMove)
{
    GobangGame game;
    game.start(true);
    game.playerMove({9, 9});
    const GobangBoard afterFirst = game.board();
    const GobangGame::Result second = game.playerMove({3, 3});
    ASSERT_EQ(second.outcome, GobangGame::Outcome::Answered);
    ASSERT_TRUE(game.undo());
    EXPECT_EQ(game.board(), afterFirst);
    EXPECT_EQ(game.moves().size(), 3);
    EXPECT_EQ(game.lastMove(), (GobangCell{game.moves()[2].row, game.moves()[2].column}));
    EXPECT_TRUE(game.isPlayerToMove());

    // The player wins; UnDo takes back the winning stone only and the game goes on.
    const Picture picture = {"XXXX.", ".....", "O.O.O"};
    game.setPosition(boardFrom(picture, 2, 2));
    game.playerMove({10, 1}); // a move and the computer's answer on the list
    const GobangCell reply = game.lastMove();
    GobangCell win{2, 6};
    if (game.board().at(win) != Gobang::Empty)
        win = {2, 1}; // the computer blocked one end: the other one wins
    ASSERT_EQ(game.playerMove(win).outcome, GobangGame::Outcome::PlayerWon);
    EXPECT_EQ(game.state(), GobangGame::State::Over);
    EXPECT_EQ(game.playerMove({15, 15}).outcome, GobangGame::Outcome::Ignored);
    ASSERT_TRUE(game.undo());
    EXPECT_EQ(game.board().at(win), Gobang::Empty);
    EXPECT_EQ(game.board().at(reply), Gobang::Computer);
    EXPECT_EQ(game.lastMove(), reply);
    EXPECT_TRUE(game.isPlayerToMove());

    // Back to the start: the computer's opening goes too, and an empty list stays empty.
    GobangGame fresh;
    fresh.start(true);
    EXPECT_TRUE(fresh.undo());
    EXPECT_TRUE(fresh.moves().isEmpty());
    EXPECT_EQ(fresh.board(), GobangBoard());
    EXPECT_TRUE(fresh.undo());
    EXPECT_TRUE(fresh.isPlayerToMove());
}

// A board filled in pairs, (column / 2 + row) odd for black: no line anywhere holds more
// than two stones of one colour.
GobangBoard filledWithoutFive()
{
    GobangBoard b;
    for (int r = 1; r <= Gobang::Size; ++r)
        for (int c = 1; c <= Gobang::Size; ++c)
            b.set({r, c}, (c / 2 + r) % 2 ? Gobang::Player : Gobang::Computer);
    return b;
}

TEST(GobangGameRules, AFullBoardEndsTheGameWithoutAFive)
{
    GobangBoard b = filledWithoutFive();
    // Black's last free point: the game ends there, with no answer to make.
    ASSERT_EQ(b.at({1, 1}), Gobang::Player);
    b.set({1, 1}, Gobang::Empty);
    GobangGame game;
    game.setPosition(b);
    EXPECT_EQ(game.playerMove({1, 1}).outcome, GobangGame::Outcome::Drawn);
    EXPECT_EQ(game.state(), GobangGame::State::Over);
    EXPECT_TRUE(game.board().isFull());

    // Two free points: the computer takes the last one and the board is full.
    GobangBoard two = filledWithoutFive();
    ASSERT_EQ(two.at({19, 19}), Gobang::Computer);
    two.set({1, 1}, Gobang::Empty);
    two.set({19, 19}, Gobang::Empty);
    for (Level level : {Level::Junior, Level::Senior}) {
        GobangGame g;
        g.setLevel(level);
        g.setPosition(two);
        const GobangGame::Result r = g.playerMove({1, 1});
        EXPECT_EQ(r.outcome, GobangGame::Outcome::Drawn);
        EXPECT_EQ(r.reply, (GobangCell{19, 19}));
        EXPECT_EQ(g.state(), GobangGame::State::Over);
    }
}

TEST(GobangGeometry, ClicksGoToTheNearestIntersection)
{
    const QSize panel(520, 520); // lines every 26 pixels: x = 26·c, y = 6 + 26·r
    const struct { QPoint at; GobangCell cell; } cases[] = {
        {{260, 266}, {10, 10}},
        {{273, 266}, {10, 10}}, // exactly half-way to the right: stays
        {{274, 266}, {10, 11}}, // past half-way
        {{260, 279}, {10, 10}}, // exactly half-way down: stays
        {{260, 280}, {11, 10}},
        {{247, 253}, {9, 9}},   // half-way on both: up and left
        {{248, 254}, {10, 10}},
        {{26, 32}, {1, 1}},
        {{13, 32}, {}},          // half-way to column 0: off the board
        {{14, 32}, {1, 1}},
        {{494, 500}, {19, 19}},
        {{508, 500}, {}},        // nearer column 20
        {{260, 5}, {}},          // above row 1's half-way
    };
    for (const auto& c : cases)
        EXPECT_EQ(GobangGeometry::cellAt(c.at, panel), c.cell) << c.at.x() << "," << c.at.y();
    // An odd spacing has no exact half-way point.
    EXPECT_EQ(GobangGeometry::cellAt({262, 256}, QSize(500, 500)), (GobangCell{10, 10}));
    EXPECT_EQ(GobangGeometry::cellAt({263, 256}, QSize(500, 500)), (GobangCell{10, 11}));

    EXPECT_EQ(GobangGeometry::intersection({10, 10}, panel), QPoint(260, 266));
    EXPECT_EQ(GobangGeometry::stoneRect({10, 10}, panel), QRect(250, 256, 20, 20));
}

} // namespace
