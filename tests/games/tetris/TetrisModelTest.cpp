// The Tetris model on timers the test fires itself: pieces, turning, gravity, landing,
// scoring, the two players' keys, the end of a game, and "Block.tmp".
#include "games/tetris/TetrisGame.h"
#include "storage/DataArchive.h"
#include "support/TempDir.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

using Side = TetrisSettings::Side;
using Action = TetrisSettings::Action;

// Virtual time for the gravity timers: advancing it fires every due tick in order.
class FakeTime
{
public:
    class Timer final : public GravityTimer
    {
    public:
        explicit Timer(FakeTime& time) : m_time(time) { }
        void start(int periodMs) override
        {
            m_period = periodMs;
            m_due = m_time.now + periodMs;
            m_active = true;
        }
        void stop() override { m_active = false; }
        bool isActive() const override { return m_active; }
        int periodMs() const override { return m_period; }

    private:
        friend class FakeTime;
        FakeTime& m_time;
        int m_period = 0;
        qint64 m_due = 0;
        bool m_active = false;
    };

    std::unique_ptr<GravityTimer> make()
    {
        auto t = std::make_unique<Timer>(*this);
        timers.push_back(t.get());
        return t;
    }
    void advance(qint64 ms)
    {
        for (qint64 i = 0; i < ms; ++i) {
            ++now;
            for (Timer* t : timers)
                if (t->m_active && t->m_due == now) {
                    t->m_due += t->m_period;
                    t->onTick();
                }
        }
    }

    qint64 now = 0;
    std::vector<Timer*> timers;
};

std::set<std::pair<int, int>> cells(const TetrisPiece& piece)
{
    std::set<std::pair<int, int>> out;
    for (QPoint b : piece.blocks())
        out.insert({b.x(), b.y()});
    return out;
}

std::set<std::pair<int, int>> column(int c, int fromRow, int toRow)
{
    std::set<std::pair<int, int>> out;
    for (int r = fromRow; r <= toRow; ++r)
        out.insert({c, r});
    return out;
}

int topRow(const TetrisPiece& piece)
{
    int top = 100;
    for (QPoint b : piece.blocks())
        top = std::min(top, b.y());
    return top;
}

class TetrisModel : public ::testing::Test
{
protected:
    FakeTime time;
    TetrisGame game{time.make(), time.make(), 1};

    const TetrisPlayer& main() const { return game.player(Side::Main); }
    const TetrisPlayer& second() const { return game.player(Side::Second); }
    // Fills a row of the main board except the given columns.
    void fillRow(int row, std::initializer_list<int> holes, int side = Side::Main)
    {
        for (int c = 0; c < Tetris::Columns; ++c)
            if (std::find(holes.begin(), holes.end(), c) == holes.end())
                game.setCell(side, c, row, 3);
    }
    // A bar standing upright in column `c`, rows 0..3.
    static TetrisPiece uprightBar(int c) { return TetrisPiece(0).rotated().moved(c - 6, 0); }
};

TEST(TetrisPieces, NewPiecesSitAtColumnFourRowOneInTheirBlockOrder)
{
    const std::vector<std::vector<QPoint>> shapes = {
        {{4, 1}, {5, 1}, {6, 1}, {7, 1}}, {{4, 1}, {5, 1}, {5, 2}, {6, 2}}, {{4, 2}, {5, 2}, {5, 1}, {6, 1}},
        {{4, 1}, {5, 1}, {6, 1}, {5, 2}}, {{4, 2}, {4, 1}, {5, 1}, {6, 1}}, {{4, 1}, {5, 1}, {6, 1}, {6, 2}},
        {{4, 1}, {5, 1}, {5, 2}, {4, 2}},
    };
    for (int kind = 0; kind < Tetris::Kinds; ++kind) {
        const TetrisPiece p(kind);
        EXPECT_EQ(std::vector<QPoint>(p.blocks().begin(), p.blocks().end()), shapes[kind]) << kind;
        EXPECT_EQ(p.state(), 0);
    }
}

TEST(TetrisPieces, FourTurnsBringEveryPieceBackAndTheSquareNeverTurns)
{
    for (int kind = 0; kind < Tetris::Kinds; ++kind) {
        const TetrisPiece start(kind, {4, 5});
        TetrisPiece p = start;
        std::vector<int> states;
        for (int i = 0; i < 4; ++i) {
            p = p.rotated();
            states.push_back(p.state());
        }
        if (kind == 6)
            EXPECT_EQ(states, (std::vector<int>{0, 0, 0, 0}));
        else
            EXPECT_EQ(states, (std::vector<int>{3, 2, 1, 0})) << kind;
        EXPECT_EQ(cells(p), cells(start)) << kind; // the same cells after a full turn
    }
}

TEST_F(TetrisModel, TheBarInRowOneTurnsIntoAColumnAtColumnSix)
{
    game.start();
    game.setPiece(Side::Main, TetrisPiece(0));
    EXPECT_EQ(cells(*main().piece), (std::set<std::pair<int, int>>{{4, 1}, {5, 1}, {6, 1}, {7, 1}}));
    EXPECT_TRUE(game.act(Side::Main, Action::Rotate));
    EXPECT_EQ(cells(*main().piece), column(6, 0, 3));
    // Its blocks keep their order: block 1 at the bottom, block 4 on top.
    EXPECT_EQ(main().piece->blocks()[0], QPoint(6, 3));
    EXPECT_EQ(main().piece->blocks()[3], QPoint(6, 0));
}

TEST_F(TetrisModel, TurnsThatLeaveTheBoardOrHitABlockAreRefused)
{
    game.start();
    // The upright bar against the left wall would put a block in column -1.
    game.setPiece(Side::Main, uprightBar(0));
    EXPECT_FALSE(game.act(Side::Main, Action::Rotate));
    EXPECT_EQ(cells(*main().piece), column(0, 0, 3));
    // Against the right wall, column 10.
    game.setPiece(Side::Main, uprightBar(9));
    EXPECT_FALSE(game.act(Side::Main, Action::Rotate));
    // Lying on the floor, turning would go below row 17.
    game.setPiece(Side::Main, TetrisPiece(0, {4, 17}));
    EXPECT_FALSE(game.act(Side::Main, Action::Rotate));
    // A block where the column would go.
    game.setPiece(Side::Main, TetrisPiece(0, {4, 5}));
    game.setCell(Side::Main, 6, 7, 2);
    EXPECT_FALSE(game.act(Side::Main, Action::Rotate));
    EXPECT_EQ(main().piece->state(), 0);
    // Above the top is free: the bar in row 0 turns up to row -2.
    game.setPiece(Side::Main, TetrisPiece(0, {4, 0}));
    EXPECT_TRUE(game.act(Side::Main, Action::Rotate));
    EXPECT_EQ(cells(*main().piece), column(6, -1, 2));
}

TEST_F(TetrisModel, SideMovesStopAtTheWallsAndAtBlocks)
{
    game.start();
    game.setPiece(Side::Main, TetrisPiece(6, {0, 4}));
    EXPECT_FALSE(game.act(Side::Main, Action::Left));
    EXPECT_TRUE(game.act(Side::Main, Action::Right));
    EXPECT_EQ(cells(*main().piece), (std::set<std::pair<int, int>>{{1, 4}, {2, 4}, {1, 5}, {2, 5}}));
    game.setCell(Side::Main, 3, 5, 1);
    EXPECT_FALSE(game.act(Side::Main, Action::Right));
    game.setPiece(Side::Main, TetrisPiece(6, {8, 4}));
    EXPECT_FALSE(game.act(Side::Main, Action::Right));
}

TEST_F(TetrisModel, ClearedRowsScoreTenTimesTheirSquare)
{
    game.start();
    ASSERT_EQ(main().score, 20);
    // One row: a lying bar fills the gap in row 17.
    fillRow(17, {0, 1, 2, 3});
    game.setPiece(Side::Main, TetrisPiece(0, {0, 1}));
    game.act(Side::Main, Action::Drop);
    EXPECT_EQ(main().lines, 1);
    EXPECT_EQ(main().score, 30);
    EXPECT_TRUE(main().board.isEmpty());

    // Four rows at once: an upright bar in the gaps of rows 14..17. The block above them
    // comes down four rows.
    game.start();
    for (int row = 14; row <= 17; ++row)
        fillRow(row, {9});
    game.setCell(Side::Main, 0, 13, 5);
    game.setPiece(Side::Main, uprightBar(9));
    game.act(Side::Main, Action::Drop);
    EXPECT_EQ(main().lines, 4);
    EXPECT_EQ(main().score, 160);
    EXPECT_EQ(main().board.kindAt(0, 17), 5);
    EXPECT_EQ(main().board.kindAt(0, 13), -1);

    // Two rows that are not neighbours, with a row between them that stays.
    game.start();
    fillRow(17, {0});
    fillRow(16, {0, 1});
    fillRow(15, {0});
    game.setPiece(Side::Main, uprightBar(0));
    game.act(Side::Main, Action::Drop); // lands in rows 14..17
    EXPECT_EQ(main().lines, 2);
    EXPECT_EQ(main().score, 40);
    // The row with the hole at column 1 is the bottom row now, the bar's top block above it.
    EXPECT_EQ(main().board.kindAt(1, 17), -1);
    EXPECT_EQ(main().board.kindAt(2, 17), 3);
    EXPECT_EQ(main().board.kindAt(0, 17), 0);
    EXPECT_EQ(main().board.kindAt(0, 16), 0);
    EXPECT_EQ(main().board.kindAt(0, 15), -1);
    EXPECT_EQ(main().board.kindAt(2, 16), -1);
}

TEST_F(TetrisModel, TheFirstGameOfAWindowStartsWithTwentyAndLaterOnesWithNothing)
{
    game.start();
    EXPECT_EQ(main().score, 20);
    EXPECT_EQ(main().down, 1);
    ASSERT_TRUE(main().piece && main().next);
    // The first piece and the preview are of one kind.
    EXPECT_EQ(main().piece->kind(), main().next->kind());
    game.start();
    EXPECT_EQ(main().score, 0);
    EXPECT_EQ(main().down, 1);
    EXPECT_EQ(main().lines, 0);
}

TEST_F(TetrisModel, TheNextPieceFallsNextAndEachPieceCounts)
{
    game.start();
    for (int i = 0; i < 5; ++i) {
        const int coming = main().next->kind();
        game.act(Side::Main, Action::Drop);
        ASSERT_TRUE(game.isRunning());
        EXPECT_EQ(main().piece->kind(), coming);
        EXPECT_EQ(cells(*main().piece), cells(TetrisPiece(coming)));
        EXPECT_EQ(main().down, 2 + i);
    }
}

TEST_F(TetrisModel, WithTheSecondPlayerOffItsKeysDoNothingAndItsBoardStaysEmpty)
{
    game.start();
    EXPECT_FALSE(second().playing);
    EXPECT_FALSE(game.timer(Side::Second).isActive());
    for (int vk : {'S', 'F', 'D', 'C'})
        EXPECT_FALSE(game.pressKey(vk)) << vk;
    time.advance(5000);
    EXPECT_TRUE(second().board.isEmpty());
    EXPECT_FALSE(second().piece.has_value());
    EXPECT_EQ(second().score, 0);
}

TEST_F(TetrisModel, EachPlayersKeysMoveItsOwnPiece)
{
    TetrisSettings s;
    s.enabled[Side::Second] = 1;
    game.setSettings(s);
    game.start();
    ASSERT_TRUE(second().piece.has_value());
    EXPECT_EQ(second().score, 20);
    const auto mainBefore = cells(*main().piece);
    const auto secondBefore = cells(*second().piece);

    EXPECT_TRUE(game.pressKey('S')); // second player left
    EXPECT_EQ(cells(*main().piece), mainBefore);
    EXPECT_NE(cells(*second().piece), secondBefore);
    EXPECT_EQ(*second().piece, TetrisPiece(second().piece->kind(), {3, 1}));

    EXPECT_TRUE(game.pressKey(39)); // main player right
    EXPECT_EQ(*main().piece, TetrisPiece(main().piece->kind(), {5, 1}));

    EXPECT_TRUE(game.pressKey('C')); // second player drop
    EXPECT_FALSE(second().board.isEmpty());
    EXPECT_TRUE(main().board.isEmpty());
    EXPECT_EQ(second().down, 2);

    EXPECT_FALSE(game.pressKey('Q'));
}

TEST_F(TetrisModel, GradesSetTheGravityPeriod)
{
    const struct { int grade; int period; } cases[] = {{0, 500}, {4, 300}, {8, 100}};
    for (const auto& c : cases) {
        TetrisSettings s;
        s.grade[Side::Main] = c.grade;
        game.setSettings(s);
        game.start();
        EXPECT_EQ(game.timer(Side::Main).periodMs(), c.period);
        EXPECT_TRUE(game.timer(Side::Main).isActive());
    }
    // Grade "9": a lying bar from row 1 falls ten rows in one second.
    game.setPiece(Side::Main, TetrisPiece(0));
    time.advance(999);
    EXPECT_EQ(topRow(*main().piece), 10);
    time.advance(1);
    EXPECT_EQ(topRow(*main().piece), 11);
    // Grades a file may hold beyond the list are taken as the nearest.
    TetrisSettings odd;
    odd.grade[Side::Main] = 57;
    game.setSettings(odd);
    game.start();
    EXPECT_EQ(game.timer(Side::Main).periodMs(), 100);
    odd.grade[Side::Main] = -3;
    game.setSettings(odd);
    game.start();
    EXPECT_EQ(game.timer(Side::Main).periodMs(), 500);
}

TEST_F(TetrisModel, APieceThatLandedIsLaidDownOnTheNextTick)
{
    game.start();
    game.setPiece(Side::Main, TetrisPiece(0, {4, 16}));
    time.advance(500);
    EXPECT_EQ(topRow(*main().piece), 17);
    EXPECT_TRUE(main().board.isEmpty());
    time.advance(500);
    for (int c = 4; c <= 7; ++c)
        EXPECT_EQ(main().board.kindAt(c, 17), 0);
    EXPECT_EQ(main().down, 2);
}

TEST_F(TetrisModel, ALargerStepFallsRowByRowAndStopsOnBlocksAndTheFloor)
{
    TetrisSettings s;
    s.step[Side::Main] = 2; // three rows a tick
    game.setSettings(s);
    game.start();
    // A block in column 5, row 4: the bar from row 1 may fall to row 3 only.
    game.setCell(Side::Main, 5, 4, 3);
    game.setPiece(Side::Main, TetrisPiece(0));
    time.advance(500);
    EXPECT_EQ(topRow(*main().piece), 3);
    time.advance(500); // laid down where it stopped
    EXPECT_EQ(main().board.kindAt(5, 3), 0);
    EXPECT_EQ(main().board.kindAt(5, 4), 3);

    // From row 16 the floor stops it at 17.
    game.setPiece(Side::Main, TetrisPiece(0, {2, 16}));
    time.advance(500);
    EXPECT_EQ(topRow(*main().piece), 17);

    // Steps a file may hold beyond the list are taken as the nearest ("3"): three rows.
    s.step[Side::Main] = 40;
    game.setSettings(s);
    game.start();
    game.setPiece(Side::Main, TetrisPiece(0));
    time.advance(500);
    EXPECT_EQ(topRow(*main().piece), 4);
}

TEST_F(TetrisModel, APieceThatCannotAppearEndsTheGame)
{
    TetrisSettings s;
    s.enabled[Side::Second] = 1;
    game.setSettings(s);
    game.start();
    int over = 0;
    QObject::connect(&game, &TetrisGame::gameOver, &game, [&over] { ++over; });
    // The spawning cells of the main board are taken.
    for (int c = 4; c <= 7; ++c) {
        game.setCell(Side::Main, c, 1, 1);
        game.setCell(Side::Main, c, 2, 1);
    }
    game.setPiece(Side::Main, TetrisPiece(0, {0, 1}));
    game.act(Side::Main, Action::Drop);
    EXPECT_EQ(over, 1);
    EXPECT_FALSE(game.isRunning());
    EXPECT_FALSE(game.timer(Side::Main).isActive());
    EXPECT_FALSE(game.timer(Side::Second).isActive());
    // Keys and time do nothing now.
    const TetrisPiece left = *second().piece;
    EXPECT_FALSE(game.pressKey('S'));
    time.advance(3000);
    EXPECT_EQ(*second().piece, left);
    // Start plays again.
    game.start();
    EXPECT_TRUE(game.isRunning());
    EXPECT_TRUE(main().board.isEmpty());
}

TEST_F(TetrisModel, BlocksTurnedAboveTheTopAreNotWrittenOutsideTheBoard)
{
    game.start();
    // A stack up to row 3 in column 6; an upright bar turned to rows -1..2 lands on it.
    for (int row = 3; row <= 17; ++row)
        game.setCell(Side::Main, 6, row, 2);
    game.setPiece(Side::Main, TetrisPiece(0, {4, 0}).rotated()); // column 6, rows -1..2
    game.act(Side::Main, Action::Drop);
    for (int row = 0; row <= 2; ++row)
        EXPECT_EQ(main().board.kindAt(6, row), 0) << row;
    for (int c : {5, 7})
        EXPECT_EQ(main().board.kindAt(c, 0), -1);
}

// The settings file.

QByteArray word(quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    return QByteArray(b, 2);
}

QByteArray integer(qint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray defaultFile()
{
    QByteArray bytes;
    for (const char* name : {"Left", "S", "Right", "F", "Up", "D", "Down", "C"})
        bytes += ArchiveString::encode(QString::fromLatin1(name));
    for (int v : {37, 83, 39, 70, 38, 68, 40, 67, 8, 0, 8, 0, 8, 0, 8, 0})
        bytes += word(quint16(v));
    for (qint32 v : {0, 0, 1, 0, 0, 0})
        bytes += integer(v);
    return bytes;
}

TEST(TetrisSettingsFile, DefaultsAreWrittenInTheInterleavedOrder)
{
    TempDir dir;
    ASSERT_TRUE(TetrisSettings().store(dir.file(TetrisSettings::fileName())));
    const QByteArray bytes = dir.read(QStringLiteral("Block.tmp"));
    EXPECT_EQ(bytes.toHex(' '), defaultFile().toHex(' '));
    // The first bytes spelt out: "Left" as a marked string, then "S".
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("fffeff044c00650066007400fffeff015300")));
    EXPECT_EQ(bytes.size(), 70 + 32 + 24);
}

TEST(TetrisSettingsFile, AFileLoadsIntoEveryFieldAndIsWrittenBackByteForByte)
{
    QByteArray bytes;
    for (const char* name : {"Num 4", "A", "Num 6", "G", "Num 8", "W", "Space", "Tab"})
        bytes += ArchiveString::encode(QString::fromLatin1(name));
    for (int v : {0x64, int('A'), 0x66, int('G'), 0x68, int('W'), 0x20, 0x09, 1, 2, 3, 4, 5, 6, 7, 8})
        bytes += word(quint16(v));
    for (qint32 v : {1, 2, 1, 1, 8, 3})
        bytes += integer(v);
    TempDir dir;
    dir.write(QStringLiteral("Block.tmp"), bytes);

    TetrisSettings s;
    ASSERT_EQ(s.load(dir.file(QStringLiteral("Block.tmp"))), DataFile::LoadStatus::Loaded);
    EXPECT_EQ(s.keyNames[Side::Main][Action::Left], QStringLiteral("Num 4"));
    EXPECT_EQ(s.keyNames[Side::Second][Action::Drop], QStringLiteral("Tab"));
    EXPECT_EQ(s.keyCodes[Side::Main][Action::Rotate], 0x68);
    EXPECT_EQ(s.keyCodes[Side::Second][Action::Right], 'G');
    EXPECT_EQ(s.reserved, (std::array<quint16, 8>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(s.step, (std::array<qint32, 2>{1, 2}));
    EXPECT_EQ(s.enabled, (std::array<qint32, 2>{1, 1}));
    EXPECT_EQ(s.grade, (std::array<qint32, 2>{8, 3}));

    dir.write(QStringLiteral("Block.tmp"), QByteArray());
    ASSERT_TRUE(s.store(dir.file(QStringLiteral("Block.tmp"))));
    EXPECT_EQ(dir.read(QStringLiteral("Block.tmp")).toHex(' '), bytes.toHex(' '));
}

TEST(TetrisSettingsFile, MissingKeepsTheDefaultsAndADamagedFileIsMovedAside)
{
    TempDir dir;
    TetrisSettings s;
    EXPECT_EQ(s.load(dir.file(QStringLiteral("Block.tmp"))), DataFile::LoadStatus::Missing);
    EXPECT_EQ(s, TetrisSettings());

    QStringList told;
    DataFile::setDamageNotifier([&told](const QString& message) { told.append(message); });
    QByteArray cut = defaultFile();
    cut.chop(6); // the last grades are missing
    // A file that changes the keys, cut short: nothing of it is taken.
    cut.replace(ArchiveString::encode(QStringLiteral("Left")), ArchiveString::encode(QStringLiteral("Home")));
    dir.write(QStringLiteral("Block.tmp"), cut);
    EXPECT_EQ(s.load(dir.file(QStringLiteral("Block.tmp"))), DataFile::LoadStatus::Damaged);
    DataFile::setDamageNotifier({});
    EXPECT_EQ(s, TetrisSettings());
    EXPECT_EQ(told.size(), 1);
    EXPECT_FALSE(dir.exists(QStringLiteral("Block.tmp")));
    EXPECT_EQ(dir.read(QStringLiteral("Block.tmp.bad")), cut);
}

} // namespace
