#pragma once
#include <QMenu>

// The owner-drawn pop-up menu of the skin: light-blue items, each with the small image
// 138 (138 normal, 139 on the highlighted item); opened at a point, the right mouse
// button chooses as well as the left. Items are known by their command numbers.
class PopupMenu : public QMenu
{
    Q_OBJECT
public:
    explicit PopupMenu(QWidget* parent = nullptr);

    // Adds an item with command number id (id > 0).
    void addItem(int id, const QString& text);
    using QMenu::addSeparator;
    // The item with command number id, or null.
    QAction* item(int id) const;

    // Opens the menu at globalPos and returns the chosen command number, 0 if none.
    int exec(const QPoint& globalPos);

    // Test hook: the next exec() returns id without showing anything; -1 switches it off.
    static void setNextChoice(int id);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};
