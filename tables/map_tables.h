// The pictures shared by the map, the puzzles and the game screen: the fish,
// the power-up holders with their shells and pearls, the game-on banner, the
// big dialog backdrop and the puzzle pieces' bevel and shadow.
// Defined in tables/map_tables.cpp; cleared by ClearMapTables at start-up.
#pragma once

#include "platform/platform.h"
#include "tables/table.h"

constexpr int FISH_KINDS = 21;      // kinds 0..20
constexpr int FISH_FRAMES = 11;     // frames 0..10, 1..4 filled
constexpr int POWERUP_IMAGES = 5;   // power-ups 1..4
constexpr int HOLDER_EYES = 5;      // eyes 1..2

// ---- fish pictures: kinds 1..4, 7, 8 and 13..16, four frames each
extern Table<Table<TImage, FISH_FRAMES>, FISH_KINDS> fishImage;

// ---- power-up and banner pictures
extern Table<TImage, POWERUP_IMAGES> holderImage;                                  // 1..4
extern Table<Table<TImage, HOLDER_EYES>, POWERUP_IMAGES> holderEyesImage;          // [holder 1..4][eyes 1..2]
extern Table<TImage, POWERUP_IMAGES> shellImage;                                   // 1..4
extern Table<TImage, POWERUP_IMAGES> pearlImage;                                   // 1..4
extern TImage gameOnImage, bigPopupImage;

// ---- laid over the 128 x 120 pieces of the picture puzzles
extern TImage pieceBevelImage, pieceShadowImage;

// Releases every picture above (the start-up allocation).
void ClearMapTables();
