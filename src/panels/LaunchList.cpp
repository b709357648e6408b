#include "panels/LaunchList.h"

#include "panels/FavoriteAddress.h"
#include "platform/Launcher.h"

void LaunchActions::openAll(const LaunchList& list, Launcher& launcher)
{
    for (const LaunchItem& item : list.items)
        launcher.open(item.target, QStringLiteral("open"));
}

bool LaunchActions::openFavorite(LaunchList& list, int row, Launcher& launcher)
{
    list.lastOpenedIndex = row;
    if (row < 0 || row >= list.items.size())
        return false;
    return launcher.open(FavoriteAddress::normalise(list.items.at(row).target), QStringLiteral("open"));
}
