#pragma once
#include "mail/MailAccount.h"

#include <QAbstractTableModel>
#include <QList>

// The rows of the mail window's message list: one per record of the listed folder, in the
// order of the listing until a column is sorted. The columns are declared by the text
// "Sender,120;State,90;Subject,250;Date,200;Size,64;DIR,64" (name and width in pixels).
class MessageListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Sender, State, Subject, Date, Size, Dir, ColumnCount };

    struct ColumnSpec
    {
        QString name;
        int width = 0;
    };
    static QString columnText() { return QStringLiteral("Sender,120;State,90;Subject,250;Date,200;Size,64;DIR,64"); }
    // The columns of a declaration text "name,width;name,width;...".
    static QList<ColumnSpec> parseColumns(const QString& text);

    explicit MessageListModel(QObject* parent = nullptr);

    // Replaces the rows (the listing order is kept as the unsorted order).
    void setRecords(QList<MailRecord> records);
    void clear() { setRecords({}); }
    const QList<MailRecord>& records() const { return m_records; }
    // The record of a row, or null.
    const MailRecord* record(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Sorts by a column (text without regard to case, Size by bytes); column -1 restores
    // the listing order. Equal rows keep their listing order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // The text a cell shows.
    static QString cellText(const MailRecord& record, int column);

private:
    QList<ColumnSpec> m_columns;
    QList<MailRecord> m_records;
    QList<int> m_order; // row -> index into m_records
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
