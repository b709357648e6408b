#pragma once
#include "games/winlinez/CFivePlusGameModel.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// Winlinez boards written as nine lines of nine characters, row 0 first: '.' empty,
// '1'..'7' the colours, 'A' the Any ball, 'C' the Crack ball. Spaces are ignored.
inline void setBoard(CFivePlusGameModel& model, const char* text)
{
    QStringList rows = QString::fromLatin1(text).remove(QLatin1Char(' ')).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), CFivePlusGameModel::Size) << text;
    for (int row = 0; row < CFivePlusGameModel::Size; ++row) {
        ASSERT_EQ(rows[row].size(), CFivePlusGameModel::Size) << rows[row].toStdString();
        for (int col = 0; col < CFivePlusGameModel::Size; ++col) {
            const QChar ch = rows[row][col];
            int kind = 0;
            if (ch == QLatin1Char('A'))
                kind = CFivePlusGameModel::Any;
            else if (ch == QLatin1Char('C'))
                kind = CFivePlusGameModel::Crack;
            else if (ch != QLatin1Char('.'))
                kind = ch.digitValue();
            model.setKind({col, row}, kind);
        }
    }
}

inline QString boardText(const CFivePlusGameModel& model)
{
    QStringList rows;
    for (int row = 0; row < CFivePlusGameModel::Size; ++row) {
        QString line;
        for (int col = 0; col < CFivePlusGameModel::Size; ++col) {
            const int k = model.kind({col, row});
            line += k == 0 ? QLatin1Char('.') : k == CFivePlusGameModel::Any ? QLatin1Char('A')
                : k == CFivePlusGameModel::Crack                              ? QLatin1Char('C')
                                                                              : QChar(u'0' + k);
        }
        rows << line;
    }
    return rows.join(QLatin1Char('\n'));
}

// The cells marked 'x' in a board-shaped text.
inline QList<FiveCell> markedCells(const char* text)
{
    QStringList rows = QString::fromLatin1(text).remove(QLatin1Char(' ')).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QList<FiveCell> cells;
    for (int row = 0; row < rows.size(); ++row)
        for (int col = 0; col < rows[row].size(); ++col)
            if (rows[row][col] == QLatin1Char('x'))
                cells.append({col, row});
    return cells;
}

// The same cells in board order (row by row), for comparing sets.
inline QList<FiveCell> sorted(QList<FiveCell> cells)
{
    std::sort(cells.begin(), cells.end(), [](FiveCell a, FiveCell b) { return a.row != b.row ? a.row < b.row : a.col < b.col; });
    return cells;
}

// A board of 81 balls where no two neighbours in any direction share a colour.
inline QString patternBoard()
{
    QStringList rows;
    for (int row = 0; row < 9; ++row) {
        QString line;
        for (int col = 0; col < 9; ++col)
            line += QChar(u'1' + (col + 2 * row) % 7);
        rows << line;
    }
    return rows.join(QLatin1Char('\n'));
}
