#include "controls/CGridCtrl.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QToolTip>

#include <algorithm>

CGridCtrl::CGridCtrl(QWidget* parent)
    : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setShowGrid(true);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setMinimumSectionSize(8);
    horizontalHeader()->setMinimumSectionSize(8);
    applyLook();
}

void CGridCtrl::applyLook()
{
    setStyleSheet(QStringLiteral("CGridCtrl { gridline-color: %1; background-color: %2; }"
                                 "CGridCtrl::item:selected { background-color: #3a78bc; color: white; }")
                      .arg(m_gridLines.name(), m_background.name()));
}

void CGridCtrl::setGridLineColour(const QColor& colour)
{
    m_gridLines = colour;
    applyLook();
}

void CGridCtrl::setBackgroundColour(const QColor& colour)
{
    m_background = colour;
    applyLook();
}

void CGridCtrl::setEditable(bool on)
{
    m_editable = on;
    setEditTriggers(on ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed
                       : QAbstractItemView::NoEditTriggers);
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem* it = item(r, c))
                styleCell(it, r);
}

void CGridCtrl::styleCell(QTableWidgetItem* it, int row) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled;
    if (row >= m_fixedRows) {
        flags |= Qt::ItemIsSelectable;
        if (m_editable)
            flags |= Qt::ItemIsEditable;
    }
    it->setFlags(flags);
}

QTableWidgetItem* CGridCtrl::cell(int row, int column, bool create)
{
    if (row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return nullptr;
    QTableWidgetItem* it = item(row, column);
    if (!it && create) {
        it = new QTableWidgetItem;
        const bool fixed = row < m_fixedRows;
        it->setBackground(fixed ? m_fixedBk : m_defaultBk);
        it->setForeground(fixed ? m_fixedFg : m_defaultFg);
        it->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        styleCell(it, row);
        setItem(row, column, it);
    }
    return it;
}

void CGridCtrl::setFixedRowCount(int rows)
{
    m_fixedRows = qMax(0, rows);
    if (rowCount() < m_fixedRows)
        setRowCount(m_fixedRows);
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            if (QTableWidgetItem* it = item(r, c))
                styleCell(it, r);
}

int CGridCtrl::insertRow(const QString& firstCellText, int before)
{
    const int row = (before >= 0 && before < rowCount()) ? before : rowCount();
    QTableWidget::insertRow(row);
    for (int c = 0; c < columnCount(); ++c)
        cell(row, c, true);
    if (columnCount() > 0)
        setItemText(row, 0, firstCellText);
    return row;
}

bool CGridCtrl::deleteRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    removeRow(row);
    return true;
}

void CGridCtrl::deleteNonFixedRows() { setRowCount(qMin(rowCount(), m_fixedRows)); }

void CGridCtrl::deleteAllItems()
{
    clear();
    setRowCount(0);
    setColumnCount(0);
}

bool CGridCtrl::setItemText(int row, int column, const QString& text)
{
    QTableWidgetItem* it = cell(row, column, true);
    if (!it)
        return false;
    it->setText(text);
    return true;
}

QString CGridCtrl::itemText(int row, int column) const
{
    const QTableWidgetItem* it = (row >= 0 && column >= 0) ? item(row, column) : nullptr;
    return it ? it->text() : QString();
}

void CGridCtrl::setItemBkColour(int row, int column, const QColor& colour)
{
    if (QTableWidgetItem* it = cell(row, column, true))
        it->setBackground(colour);
}

void CGridCtrl::setItemFgColour(int row, int column, const QColor& colour)
{
    if (QTableWidgetItem* it = cell(row, column, true))
        it->setForeground(colour);
}

QColor CGridCtrl::itemBkColour(int row, int column) const
{
    const QTableWidgetItem* it = item(row, column);
    return it ? it->background().color() : QColor();
}

QColor CGridCtrl::itemFgColour(int row, int column) const
{
    const QTableWidgetItem* it = item(row, column);
    return it ? it->foreground().color() : QColor();
}

void CGridCtrl::setItemFormat(int row, int column, Qt::Alignment alignment)
{
    if (QTableWidgetItem* it = cell(row, column, true))
        it->setTextAlignment(alignment);
}

Qt::Alignment CGridCtrl::itemFormat(int row, int column) const
{
    const QTableWidgetItem* it = item(row, column);
    return it ? Qt::Alignment(it->textAlignment()) : Qt::Alignment();
}

void CGridCtrl::setItemFont(int row, int column, const QFont& font)
{
    if (QTableWidgetItem* it = cell(row, column, true))
        it->setFont(font);
}

void CGridCtrl::setAllFormat(Qt::Alignment alignment)
{
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c)
            setItemFormat(r, c, alignment);
}

void CGridCtrl::autoSize()
{
    resizeColumnsToContents();
    resizeRowsToContents();
}

QList<CGridCtrl::Cell> CGridCtrl::selectedCells() const
{
    QList<Cell> out;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        out.append({index.row(), index.column()});
    std::sort(out.begin(), out.end(), [](const Cell& a, const Cell& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    return out;
}

QList<int> CGridCtrl::selectedRows() const
{
    QList<int> rows;
    for (const Cell& c : selectedCells())
        if (rows.isEmpty() || rows.last() != c.row)
            rows.append(c.row);
    return rows;
}

CGridCtrl::Cell CGridCtrl::focusCell() const
{
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return {};
    return {index.row(), index.column()};
}

QString CGridCtrl::titleTipAt(const QPoint& viewportPos) const
{
    const QModelIndex index = indexAt(viewportPos);
    if (!index.isValid())
        return {};
    const QTableWidgetItem* it = item(index.row(), index.column());
    if (!it || it->text().isEmpty())
        return {};
    const QFontMetrics fm(it->font());
    const int room = visualRect(index).width() - 6; // the cell's text margins
    return fm.horizontalAdvance(it->text()) > room ? it->text() : QString();
}

bool CGridCtrl::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = titleTipAt(help->pos());
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(indexAt(help->pos())));
        return true;
    }
    return QTableWidget::viewportEvent(event);
}
