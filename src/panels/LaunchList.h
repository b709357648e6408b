#pragma once
#include "storage/ItemArray.h"
#include "panels/LaunchItem.h"

class Launcher;

// The Boot and Favorite lists: the item array of their file ("Boot.tmp", "Favorite.tmp").
using LaunchList = ItemArray<LaunchItem>;

namespace LaunchActions {
// Boot's start action: every target opened in list order; one that cannot be opened is
// skipped without a word.
void openAll(const LaunchList& list, Launcher& launcher);
// Opening a favourite: the row is remembered as lastOpenedIndex (-1: no row, nothing else
// happens), then its normalised address is opened. False when nothing was opened.
bool openFavorite(LaunchList& list, int row, Launcher& launcher);
}
