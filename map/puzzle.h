// The picture puzzle of a stage's tenth position, run inside the results
// sequence of the game screen.
#pragma once

void SetUpPuzzle(int stage);    // shuffles the stage's picture into tiles
void RunPuzzlePhase();          // each frame while the puzzle runs
void DrawPuzzleHelp();         // dialog 445
void DrawPuzzleDone();         // dialog 446
