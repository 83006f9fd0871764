// The power-up holders with their blinking eyes, the shells, the pearls, the
// game-on banner and the big dialog backdrop.
#pragma once

#include "platform/platform.h"
#include "tables/table.h"

extern Table<TImage, 5> holderImage;                    // 1..4
extern Table<Table<TImage, 5>, 5> holderEyesImage;      // [holder 1..4][eyes 1..2]
extern Table<TImage, 5> shellImage;                     // 1..4
extern Table<TImage, 5> pearlImage;                     // 1..4
extern TImage gameOnImage, bigPopupImage;

// Once during asset loading, after the fish pictures and the level list.
// Centres every handle and leaves auto-centring off afterwards.
void LoadPowerUpArt();
// Releases every picture above (the start-up allocation).
void ClearPowerUpArt();
