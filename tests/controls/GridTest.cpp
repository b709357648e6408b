// The grid control as the stopwatch, world-time list and diary use it.
#include "controls/CGridCtrl.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// A grid with a fixed header row of four titles and `rows` record rows.
void fill(CGridCtrl& grid, int rows)
{
    grid.setColumnCount(4);
    grid.setRowCount(1);
    grid.setFixedRowCount(1);
    const char* titles[] = {"City", "Date", "Time", "Zone"};
    for (int c = 0; c < 4; ++c)
        grid.setItemText(0, c, QString::fromLatin1(titles[c]));
    for (int r = 0; r < rows; ++r) {
        const int row = grid.insertRow(QStringLiteral("r%1").arg(r));
        for (int c = 1; c < 4; ++c)
            grid.setItemText(row, c, QStringLiteral("r%1c%2").arg(r).arg(c));
    }
}

QColor colourInCell(CGridCtrl& grid, int row, int column)
{
    const QRect r = grid.visualRect(grid.model()->index(row, column));
    return grid.viewport()->grab().toImage().pixelColor(r.left() + 3, r.center().y());
}
} // namespace

TEST(CGridCtrl, RowsAreAddedInsertedDeletedAndReadBack)
{
    CGridCtrl grid;
    fill(grid, 3);
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.itemText(0, 2), QStringLiteral("Time"));
    EXPECT_EQ(grid.itemText(3, 3), QStringLiteral("r2c3"));

    EXPECT_EQ(grid.insertRow(QStringLiteral("new"), 2), 2);
    EXPECT_EQ(grid.itemText(2, 0), QStringLiteral("new"));
    EXPECT_EQ(grid.itemText(3, 0), QStringLiteral("r1"));
    EXPECT_EQ(grid.itemText(2, 3), QString()); // cells of a new row exist, empty

    EXPECT_TRUE(grid.deleteRow(1));
    EXPECT_FALSE(grid.deleteRow(17));
    EXPECT_EQ(grid.itemText(1, 0), QStringLiteral("new"));

    EXPECT_FALSE(grid.setItemText(9, 0, QStringLiteral("outside")));
    EXPECT_EQ(grid.itemText(9, 0), QString());

    grid.deleteNonFixedRows();
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.itemText(0, 0), QStringLiteral("City"));
    grid.deleteAllItems();
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(grid.columnCount(), 0);
}

TEST(CGridCtrl, FixedRowIsNotSelectedAndCellsAreReadOnlyUnlessEditable)
{
    CGridCtrl grid;
    fill(grid, 2);
    grid.resize(400, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));

    grid.selectAll();
    const QList<CGridCtrl::Cell> cells = grid.selectedCells();
    EXPECT_EQ(cells.size(), 8);
    EXPECT_EQ(cells.first(), (CGridCtrl::Cell{1, 0}));
    EXPECT_EQ(grid.selectedRows(), (QList<int>{1, 2}));

    const QRect r = grid.visualRect(grid.model()->index(2, 1));
    QSignalSpy doubled(&grid, &CGridCtrl::cellDoubleClicked);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, r.center());
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_EQ(doubled.count(), 1);
    EXPECT_EQ(grid.focusCell(), (CGridCtrl::Cell{2, 1}));
    auto editing = [&] {
        auto* editor = grid.viewport()->findChild<QLineEdit*>();
        return editor && editor->isVisible();
    };
    EXPECT_FALSE(editing());

    grid.setEditable(true);
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, r.center());
    EXPECT_TRUE(editing());
}

TEST(CGridCtrl, PaintsCellColoursAndGridLines)
{
    CGridCtrl grid;
    fill(grid, 2);
    grid.setGridLineColour(Qt::white);
    grid.setBackgroundColour(Qt::white);
    for (int c = 0; c < 4; ++c) {
        grid.setItemBkColour(0, c, Qt::white);
        grid.setItemBkColour(1, c, QColor(220, 220, 255));
    }
    grid.setItemBkColour(2, 2, QColor(255, 200, 0));
    grid.setItemFgColour(2, 2, Qt::red);
    grid.resize(400, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    EXPECT_EQ(colourInCell(grid, 1, 1), QColor(220, 220, 255));
    EXPECT_EQ(colourInCell(grid, 2, 2), QColor(255, 200, 0));
    EXPECT_EQ(colourInCell(grid, 0, 1), QColor(Qt::white));
    // The line between two coloured cells is the grid line colour.
    const QRect a = grid.visualRect(grid.model()->index(1, 1));
    EXPECT_EQ(grid.viewport()->grab().toImage().pixelColor(a.right() + 1, a.center().y()), QColor(Qt::white));
    EXPECT_EQ(grid.itemFgColour(2, 2), QColor(Qt::red));
}

TEST(CGridCtrl, SizesToContentsAndTipsCutText)
{
    CGridCtrl grid;
    fill(grid, 1);
    const QString longText = QStringLiteral("A rather long piece of text for one cell");
    grid.setItemText(1, 1, longText);
    grid.setAllFormat(Qt::AlignCenter);
    EXPECT_EQ(grid.itemFormat(1, 3), Qt::Alignment(Qt::AlignCenter));
    grid.resize(500, 200);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));

    grid.setColumnWidth(1, 40);
    const QRect cut = grid.visualRect(grid.model()->index(1, 1));
    EXPECT_EQ(grid.titleTipAt(cut.center()), longText);
    const QRect fits = grid.visualRect(grid.model()->index(1, 0));
    EXPECT_EQ(grid.titleTipAt(fits.center()), QString());

    grid.autoSize();
    EXPECT_GT(grid.columnWidth(1), grid.columnWidth(0) + 100);
    EXPECT_EQ(grid.titleTipAt(grid.visualRect(grid.model()->index(1, 1)).center()), QString());
}
