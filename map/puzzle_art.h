// The bevel and shadow laid over the 128 x 120 pieces of the picture puzzles.
#pragma once

#include "platform/platform.h"

extern TImage pieceBevelImage, pieceShadowImage;

// Once during asset loading; both pictures keep a top-left handle.
void LoadPuzzleTileArt();
// Releases both pictures (the start-up allocation).
void ClearPuzzleTileArt();
