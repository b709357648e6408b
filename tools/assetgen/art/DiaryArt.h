#pragma once
#include "assetgen/Asset.h"

// The diary's face pictures.
namespace DiaryArt {
QList<Asset> assets();
QList<Tile> tiles();
}
