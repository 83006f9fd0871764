// The board picture composed when a level starts, and the three drawing steps
// of every frame of play: cells, items, the swapped pair.
#pragma once

#include "tables/board_geometry.h"
#include "platform/platform.h"

// Pastes the border pieces and column strips of the live cells into a new
// boardImage; the game screen calls it after LoadLevel.
void ComposeBoardImage();
// Each frame: the live border pieces, boardImage, moss (recounting mossLeft
// and mossDrawn), cell glows and chain marks.
void DrawCells();
// Each frame: every item with its shake, bounce, hint wobble and fade-in, and
// the arrows of the selected chain.
void DrawItems();
// Each frame in swap mode: the two selected items, enlarged and moving.
void DrawSwapPair();
// The picture index of an item kind at the current map position: some
// positions show colours 1, 2, 3 and 5 with their alternative pictures.
int ItemArt(int kind);
// The same choice for any map position (the stage map's previews).
int ItemArtAt(int position, int kind);
// The picture of an item kind in the current player's item set (may be empty).
TImage ItemPicture(int kind);
