#include "panels/ItemPanel.h"

#include "panels/LaunchItemDialog.h"
#include "platform/Platform.h"

ItemPanel::ItemPanel(Kind kind, const QString& programDir, Platform& platform, QWidget* parent)
    : RecordListPage(programDir + (kind == Kind::Boot ? QStringLiteral("face/boot1.bmp") : QStringLiteral("face/favorite1.bmp")),
          QStringLiteral("Please right-click mouse to add media file."),
          programDir + (kind == Kind::Boot ? QStringLiteral("Boot.tmp") : QStringLiteral("Favorite.tmp")), parent),
      m_kind(kind),
      m_platform(platform)
{
    setObjectName(kind == Kind::Boot ? QStringLiteral("BootPanel") : QStringLiteral("FavoritePanel"));
    if (kind == Kind::Boot)
        addRecordCommands(IdBootAdd, IdBootDelete, IdBootProperty);
    else
        addRecordCommands(IdFavoriteAdd, IdFavoriteDelete, IdFavoriteProperty);
    load(platform.codec.get());
    // Boot: the user's programs start with the program.
    if (m_kind == Kind::Boot && m_platform.launcher)
        LaunchActions::openAll(m_list, *m_platform.launcher);
}

QString ItemPanel::placeholderPropertyMessage() const
{
    return QStringLiteral("Please right-click mouse to add the booting file.");
}

bool ItemPanel::runDialog(LaunchItem& item, bool)
{
    LaunchItemDialog dialog(m_kind == Kind::Boot ? LaunchItemDialog::Kind::Boot : LaunchItemDialog::Kind::Favorite, item, this);
    dialog.centreOnDesktop();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    item = dialog.item();
    return true;
}

void ItemPanel::openRow(int row)
{
    if (m_kind != Kind::Favorite)
        return;
    if (listView()->showsPlaceholder())
        row = -1;
    if (m_platform.launcher)
        LaunchActions::openFavorite(m_list, row, *m_platform.launcher);
    else
        m_list.lastOpenedIndex = row;
    save();
}
