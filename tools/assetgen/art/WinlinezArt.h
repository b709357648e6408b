#pragma once
#include "assetgen/Asset.h"

// Winlinez's board, balls and score digits.
namespace WinlinezArt {
QList<Asset> assets();
QList<Tile> tiles();
}
