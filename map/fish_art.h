// The fish pictures drawn by the flyers, the fish orders, the help pages and
// the map previews: kinds 1..4, 7, 8 and 13..16, four frames each.
#pragma once

#include "tables/map_tables.h"

// Once during asset loading, after the board pictures.
void LoadFishArt();
