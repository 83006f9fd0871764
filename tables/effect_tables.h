// The effect pictures shared by particles, glows and the board: one picture per
// colour code 1..9 for sparkles, glow blobs and dirt, and three single ones.
#pragma once

#include "platform/platform.h"
#include "tables/table.h"

constexpr int EFFECT_COLOURS = 10;    // colour codes 1..9

extern Table<TImage, EFFECT_COLOURS> sparkleImages;
extern Table<TImage, EFFECT_COLOURS> glowBlobImages;
extern Table<TImage, EFFECT_COLOURS> dirtImages;
extern TImage bombFlareImage, glowStarImage, dynamiteImage;
extern int fishCount;     // flyers alive, counted by UpdateFlyers

// Releases every effect picture (the start-up allocation).
void ClearEffectTables();
