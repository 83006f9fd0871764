// One frame of the board in the game screen's order: the frame counters, then
// gravity, the input of the player's game mode, hints, the swap animation, the
// shuffle wave, the match and the drawing. The game screen calls the two halves
// at its own steps; RunBoardFrame runs a bare board without the screen around it.
#pragma once

#include "tables/board_tables.h"

// The player's game mode 1..3; swap mode when the profile holds none.
int CurrentGameMode();
// Start of the frame: combo timer, levelFrame, itemsHigh = 150, and the clean
// start of a swap-mode level at frame 5.
void BeginBoardFrame();
// The board's steps of the frame, run while the level is played and not paused.
void RunBoardSteps();
// BeginBoardFrame, the board's opacity, RunBoardSteps while the level has not
// ended and the pause overlay is off, and the moss glint's move.
void RunBoardFrame();
