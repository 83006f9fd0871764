// The board's share of a frame, in the steps the game screen calls at its own
// places: the frame counters, the board's opacity, the rules (gravity, the
// input of the player's game mode, hints, the swap animation, the shuffle
// wave, the match), the drawing and the moss glint. RunBoardFrame runs a bare
// board with the same steps and nothing of the screen around it.
#pragma once

#include "tables/board_tables.h"

// The player's game mode 1..3; swap mode when the profile holds none.
int CurrentGameMode();
// Combo timer, levelFrame (still while a dialog or the pause overlay shows)
// and itemsHigh = 150.
void BeginBoardFrame();
// Fades the board in as a level starts and out as its results begin.
void UpdateBoardAlpha();
// Gravity, input, hints, the swap animation, the shuffle wave and the match.
void RunBoardRules();
// Cells, items and the swapped pair.
void DrawBoard();
// The glint that sweeps over the moss now and then.
void AdvanceMossGlint();
// One frame of a bare board.
void RunBoardFrame();
