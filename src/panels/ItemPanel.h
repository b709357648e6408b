#pragma once
#include "controls/RecordListPage.h"
#include "panels/LaunchList.h"

struct Platform;

// The Boot and Favorite pages: a list of launch items kept in "Boot.tmp" / "Favorite.tmp"
// with Add, Delete and Property on the right-click menu. The Boot page opens every item
// when it is created; the Favorite page opens the web site of a double-clicked row.
class ItemPanel : public RecordListPage<LaunchItem>
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

    Kind kind() const { return m_kind; }
    // Double-click: Favorite remembers the row and opens its web site; Boot does nothing.
    void openRow(int row);

protected:
    void rowDoubleClicked(int row) override { openRow(row); }
    bool runDialog(LaunchItem& item, bool isNew) override;
    QString placeholderPropertyMessage() const override;

private:
    Kind m_kind;
    Platform& m_platform;
};
