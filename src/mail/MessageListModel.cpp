#include "mail/MessageListModel.h"

#include "mail/MailStore.h"


#include <algorithm>
#include <numeric>

QList<MessageListModel::ColumnSpec> MessageListModel::parseColumns(const QString& text)
{
    QList<ColumnSpec> out;
    for (const QString& pair : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype comma = pair.indexOf(QLatin1Char(','));
        ColumnSpec c;
        c.name = comma < 0 ? pair : pair.left(comma);
        c.width = comma < 0 ? 0 : pair.mid(comma + 1).toInt();
        out.append(c);
    }
    return out;
}

MessageListModel::MessageListModel(QObject* parent)
    : QAbstractTableModel(parent), m_columns(parseColumns(columnText()))
{
}

void MessageListModel::setRecords(QList<MailRecord> records)
{
    beginResetModel();
    m_records = std::move(records);
    m_order.resize(m_records.size());
    std::iota(m_order.begin(), m_order.end(), 0);
    endResetModel();
    if (m_sortColumn >= 0)
        sort(m_sortColumn, m_sortOrder);
}

const MailRecord* MessageListModel::record(int row) const
{
    if (row < 0 || row >= m_order.size())
        return nullptr;
    return &m_records[m_order[row]];
}

int MessageListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_order.size());
}

int MessageListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

QString MessageListModel::cellText(const MailRecord& r, int column)
{
    switch (column) {
    case Sender: return r.sender;
    case State: return r.state;
    case Subject: return r.subject;
    case Date: return r.date;
    case Size: return MailStore::SizeText(r.size);
    case Dir: return r.path;
    default: return {};
    }
}

QVariant MessageListModel::data(const QModelIndex& index, int role) const
{
    const MailRecord* r = record(index.row());
    if (!r || index.column() < 0 || index.column() >= ColumnCount)
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return cellText(*r, index.column());
    if (role == Qt::TextAlignmentRole && index.column() == Size)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant MessageListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[section].name;
    return {};
}

void MessageListModel::sort(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<int> rowsBefore;
    rowsBefore.reserve(before.size());
    for (const QModelIndex& i : before)
        rowsBefore.append(m_order.value(i.row(), -1));

    std::iota(m_order.begin(), m_order.end(), 0);
    if (column >= 0 && column < ColumnCount) {
        auto less = [&](int a, int b) {
            const MailRecord& x = m_records[a];
            const MailRecord& y = m_records[b];
            if (column == Size)
                return x.size < y.size;
            return cellText(x, column).compare(cellText(y, column), Qt::CaseInsensitive) < 0;
        };
        if (order == Qt::AscendingOrder)
            std::stable_sort(m_order.begin(), m_order.end(), less);
        else
            std::stable_sort(m_order.begin(), m_order.end(), [&](int a, int b) { return less(b, a); });
    }

    // Selected rows follow their records.
    QList<int> rowOf(m_order.size());
    for (int row = 0; row < m_order.size(); ++row)
        rowOf[m_order[row]] = row;
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        const int rec = rowsBefore[i];
        after.append(rec < 0 ? QModelIndex() : index(rowOf[rec], before[i].column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
