// The power-up holders with their blinking eyes, the shells, the pearls, the
// game-on banner and the big dialog backdrop.
#pragma once

#include "tables/map_tables.h"

// Once during asset loading, after the fish pictures and the level list.
// Centres every handle and leaves auto-centring off afterwards.
void LoadPowerUpArt();
