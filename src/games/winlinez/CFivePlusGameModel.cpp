#include "games/winlinez/CFivePlusGameModel.h"

#include "storage/DataArchive.h"

#include <algorithm>

namespace {

// The scan steps, two per axis: across, down, the falling and the rising diagonal.
constexpr FiveCell ScanSteps[8] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}, {-1, -1}, {1, 1}, {-1, 1}, {1, -1}};

bool isJoker(int kind)
{
    return kind == CFivePlusGameModel::Any || kind == CFivePlusGameModel::Crack;
}

} // namespace

CFivePlusGameModel::CFivePlusGameModel(quint32 seed)
{
    // Each generator seeds the shared random source when it is made, then discards a pick
    // as its weights are set.
    m_rand.seed(seed);
    updateWeights();
    m_rand.seed(seed);
    m_colGen.setWeights(QList<int>(Size, 1));
    m_rand.seed(seed);
    m_rowGen.setWeights(QList<int>(Size, 1));
}

void CFivePlusGameModel::updateWeights()
{
    QList<int> weights(Colours, m_settings.commonFrequency);
    weights << m_settings.anyFrequency << m_settings.crackFrequency;
    m_kindGen.setWeights(weights);
}

void CFivePlusGameModel::setSettings(const Settings& settings)
{
    m_settings = settings;
    m_settings.commonFrequency = std::clamp(m_settings.commonFrequency, 1, 100);
    m_settings.anyFrequency = std::clamp(m_settings.anyFrequency, 1, 100);
    m_settings.crackFrequency = std::clamp(m_settings.crackFrequency, 1, 100);
    sanitize();
    updateWeights();
}

int CFivePlusGameModel::occupied() const
{
    int n = 0;
    for (const auto& column : m_board)
        n += int(std::count_if(column.begin(), column.end(), [](int k) { return k != Empty; }));
    return n;
}

int CFivePlusGameModel::click(FiveCell cell)
{
    m_changed.clear();
    if (!onBoard(cell))
        return 0;
    if (!m_hasSelection) {
        if (kind(cell) == Empty)
            return 0;
        m_selected = cell;
        m_hasSelection = true;
        return 1;
    }
    if (kind(cell) != Empty) {
        if (cell == m_selected)
            return 0;
        m_changed.append(m_selected);
        m_selected = cell;
        return 1;
    }
    if (!findRoute(m_selected, cell))
        return 0;
    setKind(cell, kind(m_selected));
    setKind(m_selected, Empty);
    m_hasSelection = false;
    m_changed = {m_selected, cell};
    return 2;
}

std::array<FiveCell, 4> CFivePlusGameModel::directionOrder(FiveCell cell, FiveCell target)
{
    const FiveCell h = target.col < cell.col ? FiveCell{-1, 0} : FiveCell{1, 0};
    if (cell.row == target.row)
        return {h, FiveCell{0, 1}, -h, FiveCell{0, -1}};
    const FiveCell v = target.row < cell.row ? FiveCell{0, -1} : FiveCell{0, 1};
    return {v, h, -v, -h};
}

bool CFivePlusGameModel::findRoute(FiveCell from, FiveCell to)
{
    m_route.clear();
    m_deadEnds.clear();
    std::array<FiveCell, 4> order = directionOrder(from, to);
    m_route.append(from);
    for (;;) {
        const FiveCell c = m_route.last();
        bool pushed = false;
        for (const FiveCell& d : order) {
            const FiveCell n = c + d;
            if (!onBoard(n) || kind(n) != Empty || m_route.contains(n) || m_deadEnds.contains(n))
                continue;
            m_route.append(n);
            if (n == to)
                return true;
            order = directionOrder(n, to);
            pushed = true;
            break;
        }
        if (pushed)
            continue;
        if (m_route.size() < 2) {
            m_route.clear();
            return false;
        }
        // Back out of the dead end; the order stays that of the cell given up.
        m_deadEnds.insert(m_route.takeLast());
    }
}

int CFivePlusGameModel::pointsFor(int effectiveLength)
{
    // A full diagonal of nine (effective length 10) takes the table's next step.
    static constexpr int Points[] = {3, 5, 8, 12, 17, 23};
    if (effectiveLength < 5 || effectiveLength > 10)
        return 0;
    return Points[effectiveLength - 5];
}

void CFivePlusGameModel::addChanged(FiveCell c)
{
    if (!m_changed.contains(c))
        m_changed.append(c);
}

int CFivePlusGameModel::scanOne(FiveCell cell, FiveCell step, int* lineColour)
{
    int line = kind(cell);
    int length = 1;
    bool crack = line == Crack;
    QList<FiveCell> added;
    for (const FiveCell d : {step, -step}) {
        for (FiveCell p = cell + d; onBoard(p); p = p + d) {
            const int k = kind(p);
            // A joker line takes the first colour it meets (even an empty cell's 0).
            if (isJoker(line))
                line = k;
            const bool match = k != Empty && (k == line || isJoker(line) || isJoker(k));
            if (!match)
                break;
            if (!m_changed.contains(p)) {
                m_changed.append(p);
                added.append(p);
            }
            ++length;
            if (k == Crack)
                crack = true;
        }
    }
    *lineColour = line;
    if (length < 5) {
        for (const FiveCell& p : added)
            m_changed.removeOne(p);
        return 0;
    }
    // A Crack ball takes every ball of the line's colour off the board with the line.
    if (crack && line >= 1 && line <= Colours) {
        for (int col = 0; col < Size; ++col)
            for (int row = 0; row < Size; ++row)
                if (m_board[size_t(col)][size_t(row)] == line)
                    addChanged({col, row});
    }
    const bool diagonal = step.col != 0 && step.row != 0;
    return pointsFor(length + (diagonal ? 1 : 0));
}

int CFivePlusGameModel::scanLines(FiveCell cell)
{
    if (!onBoard(cell) || kind(cell) == Empty)
        return 0;
    int points = 0;
    for (int axis = 0; axis < 4; ++axis) {
        int first = 0, second = 0;
        const int p1 = scanOne(cell, ScanSteps[2 * axis], &first);
        const int p2 = scanOne(cell, ScanSteps[2 * axis + 1], &second);
        // Both ways found the same line when they ended on the same colour.
        points += first == second ? p1 : p1 + p2;
    }
    if (points != 0)
        addChanged(cell);
    const qint32 before = m_score / m_settings.scoreStep;
    m_score += points;
    const qint32 after = m_score / m_settings.scoreStep;
    if (after > before)
        m_pending += after;
    return points;
}

bool CFivePlusGameModel::birth()
{
    m_changed.clear();
    const int count = occupied() <= 48 ? 3 : 2;
    auto place = [this](int k) {
        if (isFull())
            return false;
        FiveCell c;
        do {
            c.col = m_colGen.pick();
            c.row = m_rowGen.pick();
        } while (kind(c) != Empty);
        setKind(c, k);
        m_changed.append(c);
        return true;
    };
    for (int i = 0; i < count; ++i)
        if (!place(m_next[size_t(i)]))
            return false;
    for (qint32 i = 0; i < m_pending; ++i)
        if (!place(m_kindGen.pick() + 1))
            return false;
    m_pending = 0;
    return true;
}

void CFivePlusGameModel::makeNextBalls()
{
    for (int& k : m_next)
        k = m_kindGen.pick() + 1;
}

void CFivePlusGameModel::newGame()
{
    for (auto& column : m_board)
        column.fill(Empty);
    m_hasSelection = false;
    m_changed.clear();
    m_pending = 0;
    m_score = 0;
    makeNextBalls();
    if (birth())
        makeNextBalls();
}

void CFivePlusGameModel::serialize(DataArchive& ar)
{
    m_highScores.serialize(ar);
    for (auto& column : m_board)
        for (int& k : column)
            ar.io(k);
    ar.io(m_score);
    ar.io(m_pending);
    for (int& k : m_next)
        ar.io(k);
    ar.io(m_settings.scoreStep);
    ar.io(m_settings.showInterval);
    ar.io(m_settings.selectInterval);
    ar.io(m_settings.moveInterval);
}

void CFivePlusGameModel::sanitize()
{
    // The game never writes such values, but a changed file must not make it divide by
    // zero, spin its timers or draw balls it has no picture for.
    for (auto& column : m_board)
        for (int& k : column)
            if (k < Empty || k > Crack)
                k = Empty;
    for (int& k : m_next)
        if (k < Empty || k > Crack)
            k = Empty;
    m_score = std::max<qint32>(m_score, 0);
    m_pending = std::clamp<qint32>(m_pending, 0, Size * Size);
    m_settings.scoreStep = std::clamp(m_settings.scoreStep, 1, 500);
    m_settings.showInterval = std::clamp(m_settings.showInterval, 1, 200);
    m_settings.selectInterval = std::clamp(m_settings.selectInterval, 1, 200);
    m_settings.moveInterval = std::clamp(m_settings.moveInterval, 1, 200);
}

DataFile::LoadStatus CFivePlusGameModel::load(const QString& path, const TextCodec* codec)
{
    // Read into a copy, so a damaged file leaves this game as it was.
    CFivePlusGameModel scratch(0);
    scratch.m_settings = m_settings;
    const DataFile::LoadStatus status =
        DataFile::load(path, [&scratch](DataArchive& ar) { scratch.serialize(ar); }, codec);
    if (status != DataFile::LoadStatus::Loaded)
        return status;
    scratch.sanitize();
    m_highScores = scratch.m_highScores;
    m_board = scratch.m_board;
    m_score = scratch.m_score;
    m_pending = scratch.m_pending;
    m_next = scratch.m_next;
    // The birth frequencies are not in the file: they keep their values.
    m_settings.scoreStep = scratch.m_settings.scoreStep;
    m_settings.showInterval = scratch.m_settings.showInterval;
    m_settings.selectInterval = scratch.m_settings.selectInterval;
    m_settings.moveInterval = scratch.m_settings.moveInterval;
    m_hasSelection = false;
    m_changed.clear();
    return status;
}

bool CFivePlusGameModel::store(const QString& path)
{
    return DataFile::store(path, [this](DataArchive& ar) { serialize(ar); });
}
