#pragma once
#include "storage/DataFile.h"

#include <QString>

#include <array>

class DataArchive;

// The Tetris keys, speeds and the second player's switch, kept in "Block.tmp". Sides are
// indexed main player (0, the right board) and second player (1, the left board); keys by
// action: left, right, rotate, drop. Keys are stored as Windows virtual-key codes with the
// names shown for them.
struct TetrisSettings
{
    enum Side : int { Main = 0, Second = 1 };
    enum Action : int { Left = 0, Right = 1, Rotate = 2, Drop = 3 };
    static constexpr int Grades = 9; // grade "1".."9", stored as 0..8
    static constexpr int Steps = 3;  // step "1".."3", stored as 0..2

    std::array<std::array<QString, 4>, 2> keyNames{{
        {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Up"), QStringLiteral("Down")},
        {QStringLiteral("S"), QStringLiteral("F"), QStringLiteral("D"), QStringLiteral("C")},
    }};
    std::array<std::array<quint16, 4>, 2> keyCodes{{{37, 39, 38, 40}, {83, 70, 68, 67}}};
    std::array<quint16, 8> reserved{8, 0, 8, 0, 8, 0, 8, 0};
    std::array<qint32, 2> enabled{1, 0}; // the main player always plays
    std::array<qint32, 2> grade{0, 0};
    std::array<qint32, 2> step{0, 0};

    static QString fileName() { return QStringLiteral("Block.tmp"); }

    // Keys and names interleaved by side (main left, second left, main right, ...), then
    // the reserved words, then steps, switches and grades, main before second.
    void serialize(DataArchive& ar);

    // By the data file rules: only a complete read replaces the values.
    DataFile::LoadStatus load(const QString& path);
    bool store(const QString& path) const;

    // What the game uses: the grade and step within their lists (a file may hold others).
    int gradeIndex(int side) const;
    int stepIndex(int side) const;
    // The gravity period of a grade index: 500 ms at "1" down to 100 ms at "9".
    static int periodMs(int gradeIndex) { return 500 - 50 * gradeIndex; }

    bool operator==(const TetrisSettings&) const = default;
};
