#pragma once
#include "assetgen/Asset.h"

// SameBall's sprite sheets and sounds.
namespace SameBallArt {
QList<Asset> assets();
QList<Tile> tiles();
}
