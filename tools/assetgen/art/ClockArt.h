#pragma once
#include "assetgen/Asset.h"

// The clocks' digit strips and the Cartoon Clock's skins.
namespace ClockArt {
QList<Asset> assets();
QList<Tile> tiles();
}
