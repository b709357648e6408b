#pragma once
#include "assetgen/Asset.h"

// The calendar's tray icons, one per day of the month.
namespace CalendarArt {
QList<Asset> assets();
QList<Tile> tiles();
}
