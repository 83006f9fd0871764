// The bevel and shadow laid over the 128 x 120 pieces of the picture puzzles.
#pragma once

#include "tables/map_tables.h"

// Once during asset loading; both pictures keep a top-left handle.
void LoadPuzzleTileArt();
