// The fish pictures drawn by the flyers, the fish orders, the help pages and
// the map previews: kinds 1..4, 7, 8 and 13..16, four frames each.
#pragma once

#include "platform/platform.h"
#include "tables/table.h"

constexpr int FISH_KINDS = 21;      // kinds 0..20
constexpr int FISH_FRAMES = 11;     // frames 0..10, 1..4 filled

extern Table<Table<TImage, FISH_FRAMES>, FISH_KINDS> fishImage;

// Once during asset loading, after the board pictures.
void LoadFishArt();
// Releases every fish picture (the start-up allocation).
void ClearFishArt();
