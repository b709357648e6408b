#pragma once
#include "games/scores/CHighScoreModel.h"
#include "games/winlinez/WeightedRandom.h"
#include "platform/CRand.h"
#include "storage/DataFile.h"

#include <QList>
#include <QSet>

#include <array>

class DataArchive;
class TextCodec;

// A board cell, or a step between cells.
struct FiveCell
{
    int col = 0;
    int row = 0;
    friend bool operator==(const FiveCell&, const FiveCell&) = default;
    friend FiveCell operator+(FiveCell a, FiveCell b) { return {a.col + b.col, a.row + b.row}; }
    friend FiveCell operator-(FiveCell a) { return {-a.col, -a.row}; }
};
inline size_t qHash(const FiveCell& c, size_t seed = 0) { return qHashMulti(seed, c.col, c.row); }

// Winlinez, the colour-lines game on a 9 x 9 board: the board and its balls, the coming
// balls, the score and the settings, the route search, the line scan with its jokers,
// the births, the high-score table and the save file "Game.tmp".
class CFivePlusGameModel
{
public:
    static constexpr int Size = 9;
    // Ball kinds: 0 empty, 1..7 the ordinary colours, the two jokers.
    enum Kind : int { Empty = 0, Colours = 7, Any = 8, Crack = 9 };

    struct Settings
    {
        int commonFrequency = 37; // birth weight of each ordinary colour, 1..100
        int anyFrequency = 14;    // of the Any ball, 1..100
        int crackFrequency = 7;   // of the Crack ball, 1..100
        int showInterval = 20;    // ms, fade-in and fade-out, 1..200
        int moveInterval = 40;    // ms, the move, 1..200
        int selectInterval = 20;  // ms, the selected ball's pulse, 1..200
        int scoreStep = 50;       // the score for an extra ball, 1..500
        friend bool operator==(const Settings&, const Settings&) = default;
    };

    // The random generators are seeded with `seed` (the current time, in the game).
    explicit CFivePlusGameModel(quint32 seed);

    // --- settings
    const Settings& settings() const { return m_settings; }
    // Takes the values and recomputes the birth weights at once.
    void setSettings(const Settings& settings);
    const WeightedRandom& kindGenerator() const { return m_kindGen; }

    // --- state
    CHighScoreModel& highScores() { return m_highScores; }
    const CHighScoreModel& highScores() const { return m_highScores; }
    int kind(FiveCell c) const { return m_board[size_t(c.col)][size_t(c.row)]; }
    void setKind(FiveCell c, int kind) { m_board[size_t(c.col)][size_t(c.row)] = kind; }
    static bool onBoard(FiveCell c) { return c.col >= 0 && c.col < Size && c.row >= 0 && c.row < Size; }
    int occupied() const;
    bool isFull() const { return occupied() == Size * Size; }
    qint32 score() const { return m_score; }
    void setScore(qint32 score) { m_score = score; }
    qint32 pendingExtraBalls() const { return m_pending; }
    void setPendingExtraBalls(qint32 n) { m_pending = n; }
    const std::array<int, 3>& nextBalls() const { return m_next; }
    void setNextBalls(const std::array<int, 3>& next) { m_next = next; }
    bool hasSelection() const { return m_hasSelection; }
    FiveCell selection() const { return m_selected; }
    void clearSelection() { m_hasSelection = false; }
    // Cells to remove, just born, or to repaint, in the order they came.
    const QList<FiveCell>& changed() const { return m_changed; }
    void clearChanged() { m_changed.clear(); }
    const QList<FiveCell>& route() const { return m_route; }

    // --- play
    // A click on a board cell: 0 nothing, 1 the selection changed, 2 a ball moved (its
    // kind is at the target at once; the route holds its way, start first).
    int click(FiveCell cell);
    // Depth-first and greedy, not the shortest: true when `to` can be reached from `from`
    // through empty cells; the route then runs from `from` to `to`.
    bool findRoute(FiveCell from, FiveCell to);
    // The order in which the search tries the neighbours of `cell` going for `target`.
    static std::array<FiveCell, 4> directionOrder(FiveCell cell, FiveCell target);
    // Scans the four lines through the cell: lines of five or more go into the changed
    // list (with every ball of the line's colour when a Crack ball is in it), their points
    // are added to the score and extra balls are earned. Returns the points.
    int scanLines(FiveCell cell);
    // The points of a line of that effective length (a diagonal counts one more).
    static int pointsFor(int effectiveLength);
    // Places the coming balls (3, or 2 with 49 or more balls on the board) and the pending
    // extra balls on random empty cells, which become the changed list. False when the
    // board filled up before every ball was placed.
    bool birth();
    // Three new coming balls from the kind generator.
    void makeNextBalls();
    // Clears the board, selection and score and starts with a birth. (Offering the score
    // to the high-score table first is the window's part.)
    void newGame();

    // --- "Game.tmp"
    // The high scores, the board column by column, score, pending extra balls, the coming
    // balls, score step, show, select and move intervals.
    void serialize(DataArchive& ar);
    // By the data file rules: only a complete file replaces the state; values outside
    // their ranges are brought into them.
    DataFile::LoadStatus load(const QString& path, const TextCodec* codec = nullptr);
    bool store(const QString& path);

private:
    int scanOne(FiveCell cell, FiveCell step, int* lineColour);
    void addChanged(FiveCell c);
    void updateWeights();
    void sanitize();

    Settings m_settings;
    CHighScoreModel m_highScores{9};
    QList<FiveCell> m_changed;
    FiveCell m_selected;
    bool m_hasSelection = false;
    std::array<std::array<int, Size>, Size> m_board{}; // [column][row]
    std::array<int, 3> m_next{};
    QList<FiveCell> m_route;
    QSet<FiveCell> m_deadEnds;
    qint32 m_pending = 0;
    qint32 m_score = 0;
    CRand m_rand;
    WeightedRandom m_kindGen{m_rand};
    WeightedRandom m_colGen{m_rand};
    WeightedRandom m_rowGen{m_rand};
};
