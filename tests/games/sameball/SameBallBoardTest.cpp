// SameBall on small boards: groups, scoring, gravity and column closing, the clear bonus,
// the game's end, undo, hovering with its frames, the status line and the sprite cells.
#include "games/sameball/SameBallBoard.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The bottom rows of a board, one string per row ('.' empty, '0'..'2' the colours); the
// rows above are empty.
void setBottom(SameBallBoard& board, const QStringList& rows)
{
    for (int row = 0; row < SameBallBoard::Rows; ++row)
        for (int col = 0; col < SameBallBoard::Columns; ++col)
            board.setBall(row, col, SameBallBoard::NoBall);
    const int top = SameBallBoard::Rows - int(rows.size());
    for (int i = 0; i < rows.size(); ++i)
        for (int col = 0; col < rows[i].size() && col < SameBallBoard::Columns; ++col)
            if (rows[i][col] != QLatin1Char('.'))
                board.setBall(top + i, col, rows[i][col].digitValue());
    board.recount();
}

// The bottom `n` rows, trailing empty cells cut.
QStringList bottom(const SameBallBoard& board, int n)
{
    QStringList rows;
    for (int row = SameBallBoard::Rows - n; row < SameBallBoard::Rows; ++row) {
        QString line;
        for (int col = 0; col < SameBallBoard::Columns; ++col) {
            const int b = board.ball(row, col);
            line += b == SameBallBoard::NoBall ? QLatin1Char('.') : QChar(u'0' + b);
        }
        while (line.endsWith(QLatin1Char('.')))
            line.chop(1);
        rows << line;
    }
    return rows;
}

TEST(SameBall, NewBoardHoldsFiftyOfEachColour)
{
    SameBallBoard board;
    CRand rand(2024);
    board.newBoard(rand);
    int counts[3] = {};
    for (int row = 0; row < 10; ++row)
        for (int col = 0; col < 15; ++col) {
            const int b = board.ball(row, col);
            ASSERT_TRUE(b >= 0 && b <= 2);
            ++counts[b];
            EXPECT_GT(board.group(row, col), 0);
        }
    EXPECT_EQ(counts[0], 50);
    EXPECT_EQ(counts[1], 50);
    EXPECT_EQ(counts[2], 50);
    EXPECT_EQ(board.ballsLeft(), 150);
    EXPECT_EQ(board.score(), 0);
    EXPECT_FALSE(board.canUndo());
    EXPECT_EQ(board.statusText(), QStringLiteral("Select:    0;      Scrore:    0;      Scrore is    0;      The left is  150;      "));

    // The same seed, the same board.
    SameBallBoard again;
    CRand same(2024);
    again.newBoard(same);
    EXPECT_EQ(bottom(again, 10), bottom(board, 10));
}

TEST(SameBall, GroupsAreNumberedInReadingOrder)
{
    SameBallBoard board;
    setBottom(board, {u"0011"_s, u"0121"_s});
    const int expected[2][4] = {{1, 1, 2, 2}, {1, 3, 4, 2}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(board.group(8 + r, c), expected[r][c]) << r << "," << c;
    EXPECT_LE(board.group(0, 0), 0);
    EXPECT_EQ(board.groupSize(1), 3);
    EXPECT_EQ(board.groupSize(3), 1);
    EXPECT_TRUE(board.hasMoves());
    setBottom(board, {u"0101"_s, u"1010"_s});
    EXPECT_FALSE(board.hasMoves());
}

TEST(SameBall, RemovalScoringGravityAndTheEnd)
{
    const struct {
        const char* what;
        QStringList rows;
        int row, col;
        int count;
        int points;
        int score;
        QStringList after;
        bool over;
    } cases[] = {
        {"a group of 2 scores 0", {u"00121"_s}, 9, 0, 2, 0, 0, {u"121"_s}, true},
        {"a group of 3 scores 1", {u"0001"_s, u"1211"_s}, 8, 1, 3, 1, 1, {u"...1"_s, u"1211"_s}, false},
        {"a group of 12 scores 100", {u"000000000000121"_s}, 9, 5, 12, 100, 100, {u"121"_s}, true},
        {"balls fall straight down and keep their order", {u"1."_s, u"2."_s, u"00"_s, u"12"_s}, 8, 1, 2, 0, 0,
         {QString(), u"1"_s, u"2"_s, u"12"_s}, true},
        {"an emptied column closes: the columns to its right move left", {u"..22"_s, u"1001"_s}, 9, 1, 2, 0, 0,
         {u"..2"_s, u"121"_s}, true},
        {"the game goes on while a group of two is left", {u"11"_s, u"00"_s, u"11"_s}, 8, 1, 2, 0, 0,
         {QString(), u"11"_s, u"11"_s}, false},
        {"clearing the board adds 1000", {u"0000"_s}, 9, 3, 4, 4, 1004, {QString()}, true},
    };
    for (const auto& c : cases) {
        SameBallBoard board;
        setBottom(board, c.rows);
        const qint32 before = board.ballsLeft();
        const SameBallBoard::Removal r = board.click(c.row, c.col);
        EXPECT_TRUE(r.removed) << c.what;
        EXPECT_EQ(r.count, c.count) << c.what;
        EXPECT_EQ(r.points, c.points) << c.what;
        EXPECT_EQ(r.over, c.over) << c.what;
        EXPECT_EQ(board.score(), c.score) << c.what;
        EXPECT_EQ(board.ballsLeft(), before - c.count) << c.what;
        EXPECT_EQ(bottom(board, int(c.after.size())), c.after) << c.what;
        // The status line shows the total (the final score when the board is clear).
        EXPECT_EQ(board.status().score, c.score) << c.what;
        EXPECT_EQ(board.status().left, before - c.count) << c.what;
        EXPECT_TRUE(board.canUndo()) << c.what;
    }
}

TEST(SameBall, ClicksThatChangeNothing)
{
    SameBallBoard board;
    setBottom(board, {u"010"_s, u"100"_s});
    const QStringList before = bottom(board, 2);
    EXPECT_FALSE(board.click(8, 1).removed) << "a single ball";
    EXPECT_FALSE(board.click(0, 0).removed) << "an empty cell";
    EXPECT_FALSE(board.click(12, 3).removed) << "off the board";
    board.setBusy(true);
    EXPECT_FALSE(board.click(9, 1).removed) << "busy";
    EXPECT_EQ(bottom(board, 2), before);
    EXPECT_FALSE(board.canUndo());
    board.setBusy(false);
    EXPECT_TRUE(board.click(9, 1).removed);
}

TEST(SameBall, UndoIsOneLevel)
{
    SameBallBoard board;
    CRand rand(7);
    board.newBoard(rand);
    EXPECT_FALSE(board.undo()) << "right after a new board";

    const QStringList start = bottom(board, 10);
    auto removeFirstGroup = [&board] {
        for (int r = 0; r < 10; ++r)
            for (int c = 0; c < 15; ++c)
                if (board.hasSameNeighbour(r, c))
                    return board.click(r, c);
        return SameBallBoard::Removal{};
    };
    const SameBallBoard::Removal first = removeFirstGroup();
    ASSERT_TRUE(first.removed);
    const QStringList afterFirst = bottom(board, 10);
    const qint32 scoreAfterFirst = board.score();
    // A second removal, then undo: back to the board after the first.
    ASSERT_TRUE(removeFirstGroup().removed);
    EXPECT_TRUE(board.undo());
    EXPECT_EQ(bottom(board, 10), afterFirst);
    EXPECT_EQ(board.score(), scoreAfterFirst);
    EXPECT_EQ(board.status().score, scoreAfterFirst);
    EXPECT_EQ(board.ballsLeft(), 150 - first.count);
    EXPECT_NE(bottom(board, 10), start);
    // Groups are numbered again: every ball has one.
    for (int r = 0; r < 10; ++r)
        for (int c = 0; c < 15; ++c)
            EXPECT_EQ(board.group(r, c) > 0, board.ball(r, c) != SameBallBoard::NoBall);
    EXPECT_FALSE(board.undo()) << "a second undo in a row";
    EXPECT_EQ(bottom(board, 10), afterFirst);
}

TEST(SameBall, HoverShowsTheGroupAndAnimatesIt)
{
    SameBallBoard board;
    setBottom(board, {u"0011"_s, u"0121"_s});
    SameBallBoard::Hover h = board.hover(9, 0);
    EXPECT_TRUE(h.changed);
    EXPECT_TRUE(h.activated);
    EXPECT_EQ(board.hoveredGroup(), 1);
    EXPECT_EQ(board.status().select, 3);
    EXPECT_EQ(board.status().points, 1);
    EXPECT_EQ(board.statusText(), u"Select:    3;      Scrore:    1;      Scrore is    0;      The left is    8;      "_s);

    h = board.hover(8, 1);
    EXPECT_FALSE(h.changed) << "the same group";
    EXPECT_FALSE(h.activated);

    // Frames 1..10, then 11..20 over and over.
    QList<int> frames;
    for (int i = 0; i < 26; ++i) {
        board.tick();
        frames << board.frame();
    }
    QList<int> expected;
    for (int f = 1; f <= 20; ++f)
        expected << f;
    expected << 11 << 12 << 13 << 14 << 15 << 16;
    EXPECT_EQ(frames, expected);

    h = board.hover(9, 1); // a single ball
    EXPECT_TRUE(h.changed);
    EXPECT_FALSE(h.activated);
    EXPECT_EQ(board.hoveredGroup(), 0);
    EXPECT_EQ(board.status().select, 0);
    EXPECT_EQ(board.status().points, 0);
    EXPECT_FALSE(board.hover(9, 1).changed);
    EXPECT_FALSE(board.hover(-1, 20).changed);

    h = board.hover(8, 3);
    EXPECT_TRUE(h.activated);
    EXPECT_EQ(board.hoveredGroup(), 2);
    EXPECT_EQ(board.frame(), 0) << "a new group starts its animation over";
    h = board.hover(3, 3); // an empty cell
    EXPECT_TRUE(h.changed);
    EXPECT_EQ(board.hoveredGroup(), 0);
}

TEST(SameBall, SpriteCells)
{
    const struct {
        int colour, frame;
        QPoint cell;
    } cases[] = {
        {0, 0, {0, 0}},  {2, 0, {0, 2}},  {1, 1, {1, 1}},   {0, 10, {10, 0}},
        {2, 10, {10, 2}}, {0, 11, {0, 3}}, {1, 15, {4, 4}}, {2, 20, {9, 5}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameBallBoard::spriteCell(c.colour, c.frame), c.cell) << c.colour << " frame " << c.frame;
    EXPECT_EQ(SameBallBoard::emptySprite(), QPoint(0, 6));
}

} // namespace
