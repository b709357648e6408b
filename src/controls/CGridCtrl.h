#pragma once
#include <QColor>
#include <QList>
#include <QTableWidget>

// The grid control: rows and columns of text cells, the first rows optionally fixed (a
// header that is part of the grid: its cells are set and read like any other), cell
// colours and alignment, sizing to the contents, and title tips (a cell whose text does
// not fit shows the whole text as a tip). Cells are read-only unless made editable.
// Rows and columns count from 0, fixed rows included.
class CGridCtrl : public QTableWidget
{
    Q_OBJECT
public:
    struct Cell
    {
        int row = -1;
        int column = -1;
        bool operator==(const Cell&) const = default;
    };

    explicit CGridCtrl(QWidget* parent = nullptr);

    void setFixedRowCount(int rows);
    int fixedRowCount() const { return m_fixedRows; }

    // Appends a row (before row `before` when 0 <= before < rowCount()); returns its index.
    int insertRow(const QString& firstCellText = {}, int before = -1);
    bool deleteRow(int row);
    // Removes every row but the fixed ones.
    void deleteNonFixedRows();
    // Removes every row and column.
    void deleteAllItems();

    bool setItemText(int row, int column, const QString& text);
    QString itemText(int row, int column) const;
    void setItemBkColour(int row, int column, const QColor& colour);
    void setItemFgColour(int row, int column, const QColor& colour);
    QColor itemBkColour(int row, int column) const;
    QColor itemFgColour(int row, int column) const;
    void setItemFormat(int row, int column, Qt::Alignment alignment);
    Qt::Alignment itemFormat(int row, int column) const;
    void setItemFont(int row, int column, const QFont& font);
    // Alignment, colours and font of every cell, for the cells that exist now.
    void setAllFormat(Qt::Alignment alignment);

    // Defaults for cells made from now on.
    void setDefaultBkColour(const QColor& colour) { m_defaultBk = colour; }
    void setDefaultFgColour(const QColor& colour) { m_defaultFg = colour; }
    void setFixedBkColour(const QColor& colour) { m_fixedBk = colour; }
    void setFixedFgColour(const QColor& colour) { m_fixedFg = colour; }

    void setGridLineColour(const QColor& colour);
    // The area outside the cells.
    void setBackgroundColour(const QColor& colour);
    QColor gridLineColour() const { return m_gridLines; }
    QColor backgroundColour() const { return m_background; }

    void setEditable(bool on);
    bool isEditable() const { return m_editable; }

    // Columns and rows sized to their contents.
    void autoSize();

    // The selected cells, in row then column order, and the focused cell (row -1 if none).
    QList<Cell> selectedCells() const;
    QList<int> selectedRows() const;
    Cell focusCell() const;

    // The text a title tip would show for the cell at a viewport position; empty when the
    // cell's text fits (or there is no cell there).
    QString titleTipAt(const QPoint& viewportPos) const;

protected:
    bool viewportEvent(QEvent* event) override;

private:
    QTableWidgetItem* cell(int row, int column, bool create);
    void styleCell(QTableWidgetItem* item, int row) const;
    void applyLook();

    int m_fixedRows = 0;
    bool m_editable = false;
    QColor m_defaultBk = Qt::white, m_defaultFg = Qt::black;
    QColor m_fixedBk = QColor(204, 235, 255), m_fixedFg = Qt::black;
    QColor m_gridLines = QColor(160, 196, 230), m_background = Qt::white;
};
