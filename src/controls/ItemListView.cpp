#include "controls/ItemListView.h"

#include <QBitmap>
#include <QContextMenuEvent>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>

#include <algorithm>

ItemListView::ItemListView(const QString& iconFile, const QString& prompt, Look look, QWidget* parent)
    : QListWidget(parent), m_icon(loadRowIcon(iconFile)), m_prompt(prompt)
{
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSize(8);
    f.setStyleHint(QFont::SansSerif);
    setFont(f);
    if (look == Look::White) {
        QPalette pal = palette();
        pal.setColor(QPalette::Base, Qt::white);
        pal.setColor(QPalette::Text, Qt::black);
        setPalette(pal);
        // Flat: no sunken frame around the list.
        setFrameShape(QFrame::NoFrame);
    }
}

QIcon ItemListView::loadRowIcon(const QString& file)
{
    if (!QFile::exists(file))
        return {};
    QPixmap pm(file);
    if (pm.isNull())
        return {};
    pm.setMask(pm.createMaskFromColor(Qt::black));
    return QIcon(pm.scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void ItemListView::setNames(const QStringList& names)
{
    clear();
    m_placeholder = names.isEmpty();
    if (m_placeholder) {
        addItem(QString());
        addItem(new QListWidgetItem(m_icon, m_prompt));
    } else {
        for (const QString& name : names)
            addItem(new QListWidgetItem(m_icon, QLatin1Char(' ') + name));
    }
    // No row is current until the user picks one (no focus frame on the first row).
    setCurrentRow(-1, QItemSelectionModel::NoUpdate);
}

void ItemListView::setFixedRows(const QStringList& texts)
{
    clear();
    m_placeholder = false;
    for (const QString& text : texts)
        addItem(new QListWidgetItem(m_icon, text));
    setCurrentRow(-1, QItemSelectionModel::NoUpdate);
}

int ItemListView::rowAt(const QPoint& viewportPos) const
{
    QListWidgetItem* it = itemAt(viewportPos);
    return it ? row(it) : -1;
}

QList<int> ItemListView::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ItemListView::setRowText(int r, const QString& text)
{
    if (QListWidgetItem* it = item(r))
        it->setText(text);
}

void ItemListView::focusInEvent(QFocusEvent* event)
{
    // The list's own focus handling makes the first row current (and frames it) when the
    // page gets the focus; a row becomes current only when the user picks one.
    const bool hadCurrent = currentIndex().isValid();
    QListWidget::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void ItemListView::contextMenuEvent(QContextMenuEvent* event)
{
    const QPoint local = viewport()->mapFromGlobal(event->globalPos());
    Q_EMIT menuRequested(rowAt(local), event->globalPos());
    event->accept();
}

void ItemListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    QListWidget::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT rowDoubleClicked(rowAt(event->position().toPoint()));
}
