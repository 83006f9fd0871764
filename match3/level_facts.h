// Facts of a level that the game and the level compiler share: where a code
// lies in the file, how many orders win the level, which stone its stone
// cells start with.
#pragma once

#include "tables/sizes.h"

// The index 0..299 of the code of file row r, column c (both from 1).
constexpr int LevelCodeIndex(int r, int c) { return (r - 1) * LEVEL_COLS + (c - 1); }

// Row 1 and column 1 never hold a cell, only fish.
constexpr int CellAllowedAt(int r, int c) { return r >= 2 && c >= 2; }

// The fish orders to serve to win the level: 2 per level plus 6, at most 50.
int OrdersNeeded(int level);
// The stone kind 16..19 the stone cells of a level start with; 0 from level 7
// on, where every stone is drawn at random.
int FixedStoneKind(int level);
