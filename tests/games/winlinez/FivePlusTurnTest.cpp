// A Winlinez turn driven tick by tick, as the window's timers drive it: the run along the
// route, the fade-in of born balls, the fade-out of lines, the pulse, and the end of a game.
#include "games/winlinez/FivePlusTurn.h"
#include "games/winlinez/BoardText.h"

#include <gtest/gtest.h>

namespace {

using Phase = FivePlusTurn::Phase;
using Outcome = FivePlusTurn::Outcome;

// Ticks the fade until it ends; the outcomes in order.
QList<Outcome> fadeToEnd(FivePlusTurn& turn, int* ticks)
{
    QList<Outcome> outcomes;
    const Phase phase = turn.phase();
    *ticks = 0;
    while (turn.phase() == phase && *ticks < 1000) {
        outcomes << turn.fadeTick();
        ++*ticks;
    }
    return outcomes;
}

TEST(FivePlusTurn, MoveThenBirthFadesIn)
{
    CFivePlusGameModel model(42);
    setBoard(model, R"(
        1........
        .........
        .........
        .........
        .........
        .........
        .........
        .........
        .........)");
    model.setNextBalls({2, 3, 4});
    FivePlusTurn turn(model);
    ASSERT_EQ(turn.click({0, 0}), 1);
    ASSERT_EQ(turn.click({3, 0}), 2);
    EXPECT_EQ(turn.phase(), Phase::Moving);
    EXPECT_EQ(turn.moveIndex(), -1);
    EXPECT_EQ(turn.click({0, 0}), 0) << "clicks wait for the turn";

    // One tick per route cell; the one that reaches the target resolves the turn.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(turn.moveTick(), Outcome::None);
        EXPECT_EQ(turn.moveIndex(), i);
        EXPECT_EQ(turn.phase(), Phase::Moving);
    }
    EXPECT_EQ(turn.moveTick(), Outcome::None);
    EXPECT_EQ(turn.phase(), Phase::FadingIn);
    EXPECT_EQ(turn.fadeAlpha(), 0);
    EXPECT_EQ(model.occupied(), 4);
    ASSERT_EQ(turn.fadingCells().size(), 3);
    QList<int> bornKinds;
    for (const FiveCell& c : turn.fadingCells())
        bornKinds << model.kind(c);
    EXPECT_EQ(bornKinds, (QList<int>{2, 3, 4}));
    for (int k : model.nextBalls())
        EXPECT_TRUE(k >= 1 && k <= 9);

    // +8 a tick, capped at 255; the tick that finds 255 ends the fade.
    QList<int> alphas;
    for (int i = 0; i < 32; ++i) {
        turn.fadeTick();
        alphas << turn.fadeAlpha();
    }
    EXPECT_EQ(alphas.first(), 8);
    EXPECT_EQ(alphas[30], 248);
    EXPECT_EQ(alphas.last(), 255);
    EXPECT_EQ(turn.phase(), Phase::FadingIn);
    EXPECT_EQ(turn.fadeTick(), Outcome::None);
    EXPECT_EQ(turn.phase(), Phase::Idle);
    EXPECT_EQ(model.occupied(), 4);
}

TEST(FivePlusTurn, LineFadesOutAndNothingIsBorn)
{
    CFivePlusGameModel model(42);
    setBoard(model, R"(
        1111.....
        .........
        .........
        .........
        .........
        ....1....
        .........
        .........
        .........)");
    FivePlusTurn turn(model);
    turn.click({4, 5});
    ASSERT_EQ(turn.click({4, 0}), 2);
    int ticks = 0;
    while (turn.phase() == Phase::Moving && ticks < 100) {
        turn.moveTick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 6) << "six route cells";
    EXPECT_EQ(turn.phase(), Phase::FadingOut);
    EXPECT_EQ(turn.fadeAlpha(), 255);
    EXPECT_EQ(sorted(turn.fadingCells()), markedCells("xxxxx...."));
    EXPECT_EQ(model.score(), 3);

    turn.fadeTick();
    EXPECT_EQ(turn.fadeAlpha(), 247);
    EXPECT_EQ(model.occupied(), 5) << "the balls stay until the fade ends";
    fadeToEnd(turn, &ticks);
    EXPECT_EQ(ticks, 32) << "down to 0 in 31 more ticks, then the tick that finds 0";
    EXPECT_EQ(turn.phase(), Phase::Idle);
    EXPECT_EQ(model.occupied(), 0);
}

TEST(FivePlusTurn, SelectedBallPulse)
{
    CFivePlusGameModel model(1);
    model.setKind({2, 2}, 5);
    model.setKind({6, 6}, 3);
    FivePlusTurn turn(model);
    turn.pulseTick(); // nothing selected: nothing happens
    EXPECT_EQ(turn.pulseAlpha(), 0);

    turn.click({2, 2});
    QList<int> drawn;
    for (int i = 0; i < 68; ++i) {
        turn.pulseTick();
        drawn << turn.pulseAlpha();
    }
    QList<int> expected;
    for (int a = 0; a <= 248; a += 8)
        expected << a;
    expected << 255;
    for (int a = 247; a >= 7; a -= 8)
        expected << a;
    expected << 0 << 8 << 16 << 24;
    EXPECT_EQ(drawn, expected);

    // Another ball starts its pulse from 0.
    turn.click({6, 6});
    turn.pulseTick();
    EXPECT_EQ(turn.pulseAlpha(), 0);
    turn.pulseTick();
    EXPECT_EQ(turn.pulseAlpha(), 8);
}

// 79 balls of the no-line pattern, with (7, 8) and (8, 8) empty.
void nearlyFull(CFivePlusGameModel& model)
{
    setBoard(model, patternBoard().toLatin1().constData());
    model.setKind({7, 8}, 0);
    model.setKind({8, 8}, 0);
}

TEST(FivePlusTurn, BoardFullAfterTheFadeInEndsTheGame)
{
    CFivePlusGameModel model(3);
    nearlyFull(model);
    model.setNextBalls({1, 1, 1});
    FivePlusTurn turn(model);
    turn.click({6, 8});
    ASSERT_EQ(turn.click({7, 8}), 2);
    EXPECT_EQ(turn.moveTick(), Outcome::None);
    EXPECT_EQ(turn.moveTick(), Outcome::None);
    EXPECT_EQ(turn.phase(), Phase::FadingIn);
    EXPECT_TRUE(model.isFull());
    int ticks = 0;
    const QList<Outcome> outcomes = fadeToEnd(turn, &ticks);
    EXPECT_EQ(ticks, 33);
    EXPECT_EQ(outcomes.count(Outcome::GameOver), 1);
    EXPECT_EQ(outcomes.last(), Outcome::GameOver);
}

TEST(FivePlusTurn, BoardFillingUpDuringTheBirthEndsTheGameAtOnce)
{
    CFivePlusGameModel model(3);
    nearlyFull(model);
    model.setNextBalls({1, 1, 1});
    model.setPendingExtraBalls(1); // three balls for two cells
    FivePlusTurn turn(model);
    turn.click({6, 8});
    turn.click({7, 8});
    EXPECT_EQ(turn.moveTick(), Outcome::None);
    EXPECT_EQ(turn.moveTick(), Outcome::GameOver);
    EXPECT_EQ(turn.phase(), Phase::Idle);
    EXPECT_TRUE(model.isFull());
}

TEST(FivePlusTurn, LineMadeByTheLastBornBallsFreesAFullBoard)
{
    // Four reds wait in the top row for (4, 0); the two born reds fill the board, one of
    // them completes the line, which fades out: the game goes on.
    CFivePlusGameModel model(3);
    setBoard(model, patternBoard().toLatin1().constData());
    for (int col = 0; col < 4; ++col)
        model.setKind({col, 0}, 1);
    model.setKind({4, 0}, 0);
    model.setKind({8, 8}, 0);
    model.setNextBalls({1, 1, 5});
    FivePlusTurn turn(model);
    turn.click({7, 8});
    ASSERT_EQ(turn.click({8, 8}), 2);
    turn.moveTick();
    turn.moveTick();
    ASSERT_EQ(turn.phase(), Phase::FadingIn);
    EXPECT_TRUE(model.isFull());
    int ticks = 0;
    const QList<Outcome> outcomes = fadeToEnd(turn, &ticks);
    EXPECT_FALSE(outcomes.contains(Outcome::GameOver));
    EXPECT_EQ(turn.phase(), Phase::FadingOut);
    EXPECT_EQ(model.score(), 3);
    // Only the line fades, not the other ball just born.
    EXPECT_EQ(sorted(turn.fadingCells()), markedCells("xxxxx...."));
    fadeToEnd(turn, &ticks);
    EXPECT_EQ(turn.phase(), Phase::Idle);
    EXPECT_EQ(model.occupied(), 76);
    EXPECT_EQ(model.kind({7, 8}), 1);
}

} // namespace
