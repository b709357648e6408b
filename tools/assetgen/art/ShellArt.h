#pragma once
#include "assetgen/Asset.h"

// The shell's pictures and sound: splash, category page faces, the banner movie.
namespace ShellArt {
QList<Asset> assets();
QList<Tile> tiles();
}
