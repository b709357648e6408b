#pragma once
#include <QListWidget>
#include <QStringList>

// The icon list of a category page: small-icon mode, one 16 x 16 icon on every row,
// rows showing " " + name, and a placeholder (an empty row, then the icon and the prompt)
// while there are no items.
class ItemListView : public QListWidget
{
    Q_OBJECT
public:
    enum class Look {
        White,   // white background, black text, flat scroll bars (Boot, Favorite, Alarm)
        Default, // the list's own colours on a white page (Game, Work)
    };

    // `iconFile`: the picture every row shows (black is transparent); a missing file
    // gives rows without a picture.
    ItemListView(const QString& iconFile, const QString& prompt, Look look, QWidget* parent = nullptr);

    // Rebuilds the rows from the names; an empty list shows the placeholder.
    void setNames(const QStringList& names);
    // Fixed rows, shown as they are given (no leading space added, no placeholder).
    void setFixedRows(const QStringList& texts);
    bool showsPlaceholder() const { return m_placeholder; }
    // The row under a point of the viewport, -1 on empty space.
    int rowAt(const QPoint& viewportPos) const;
    // The selected rows, lowest first.
    QList<int> selectedRows() const;
    // Sets the text of one row as it is (Property shows the bare name until the next rebuild).
    void setRowText(int row, const QString& text);

    const QIcon& rowIcon() const { return m_icon; }
    // The row icon: the picture with black made transparent, or a null icon.
    static QIcon loadRowIcon(const QString& file);

Q_SIGNALS:
    // Right button on the list: the row under the pointer (-1 on empty space).
    void menuRequested(int row, const QPoint& globalPos);
    // Double-click: the row hit, -1 on empty space.
    void rowDoubleClicked(int row);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QIcon m_icon;
    QString m_prompt;
    bool m_placeholder = false;
};
