#pragma once
#include "panels/LaunchList.h"

#include <QWidget>

class ItemListView;
struct Platform;

// The Boot and Favorite pages: a list of launch items kept in "Boot.tmp" / "Favorite.tmp"
// with Add, Delete and Property on the right-click menu. The Boot page opens every item
// when it is created; the Favorite page opens the web site of a double-clicked row.
class ItemPanel : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { Boot, Favorite };
    // The menu's command numbers.
    enum : int {
        IdFavoriteAdd = 1140, IdFavoriteDelete = 1141, IdFavoriteProperty = 1142,
        IdBootAdd = 1145, IdBootDelete = 1146, IdBootProperty = 1147,
    };

    // `programDir` ends in "/"; the item file and the row icon are read from it.
    ItemPanel(Kind kind, const QString& programDir, Platform& platform, QWidget* parent = nullptr);
    ~ItemPanel() override;

    Kind kind() const { return m_kind; }
    const LaunchList& list() const { return m_list; }
    ItemListView* listView() const { return m_view; }
    QString itemFile() const { return m_file; }

    // The commands (the menu and tests call them).
    // Add: the dialog, then insertion before `clickedRow` (-1: empty space).
    void addItem(int clickedRow);
    void deleteSelected();
    void editSelected();
    void openRow(int row);
    // Clears the list, adds one row per item (or the placeholder), writes the item file.
    void rebuild();
    bool save() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showMenu(int row, const QPoint& globalPos);
    int idAdd() const { return m_kind == Kind::Boot ? IdBootAdd : IdFavoriteAdd; }
    int idDelete() const { return m_kind == Kind::Boot ? IdBootDelete : IdFavoriteDelete; }
    int idProperty() const { return m_kind == Kind::Boot ? IdBootProperty : IdFavoriteProperty; }
    // The item dialog for `item`; true on OK.
    bool runDialog(LaunchItem& item);

    Kind m_kind;
    Platform& m_platform;
    QString m_file;
    LaunchList m_list;
    ItemListView* m_view;
};
