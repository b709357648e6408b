#pragma once
#include <QList>
#include <QString>
#include <QWidget>

#include <functional>

class ItemListView;

// A category page built on one icon list (the Boot, Favorite, Alarm, Player and SysTool
// pages): a white page, the list at (5, 10) with width W - 22 and height H - 29, the
// placeholder prompt while the list is empty, and a right-click menu of the page's
// commands, opened at the pointer for the row under it.
class ItemListPage : public QWidget
{
    Q_OBJECT
public:
    ItemListPage(const QString& iconFile, const QString& prompt, QWidget* parent = nullptr);

    ItemListView* listView() const { return m_view; }

protected:
    // Adds an item to the right-click menu; the action gets the row that was right-clicked
    // (-1 for empty space).
    void addMenuCommand(int id, const QString& text, std::function<void(int row)> action);
    // A double-click on the list: the row hit, -1 on empty space.
    virtual void rowDoubleClicked(int row);
    void resizeEvent(QResizeEvent* event) override;

private:
    void showMenu(int row, const QPoint& globalPos);

    struct Command
    {
        int id;
        QString text;
        std::function<void(int)> action;
    };
    ItemListView* m_view;
    QList<Command> m_commands;
};
