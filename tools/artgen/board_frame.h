// The board frame: a pearly rim around the union of the board's cells, cut
// into the 24 border pieces. Shared by the board family and its sample sheet.
#pragma once

#include <cairo.h>

// Neighbour flags of a cell, in the order of the border rules.
enum { NB_U = 1, NB_D = 2, NB_L = 4, NB_R = 8, NB_UL = 16, NB_UR = 32, NB_DL = 64, NB_DR = 128 };

// The border kind 0..24 of a cell with these neighbours (the last rule that holds).
int BorderKindOf(int flags);
// Offset of a piece's top-left corner from the cell's top-left corner; pieces
// 11, 12, 15, 16 and 21..24 are drawn live at (-18, -18).
void BorderPieceOffset(int kind, int& dx, int& dy);
int BorderPieceIsLive(int kind);

// Writes the column strips and the 24 border pieces.
void MakeBoardFrameArt();
// Composes a sample board from the written pieces exactly as the game does
// and saves it as a review picture in the contact folder.
void WriteBoardSample();
