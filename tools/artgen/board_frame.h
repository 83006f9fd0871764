// The board frame: a pearly rim around the union of the board's cells, cut
// into the 24 border pieces. Shared by the board family and its sample sheet.
#pragma once

#include <cairo.h>

// The border rules, the piece offsets and the live pieces are the game's own.
#include "tables/board_geometry.h"

// Writes the column strips and the 24 border pieces.
void MakeBoardFrameArt();
// Composes a sample board from the written pieces exactly as the game does
// and saves it as a review picture in the contact folder.
void WriteBoardSample();
