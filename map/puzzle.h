// The picture puzzle of a stage's tenth position, run inside the results
// sequence of the game screen: the stage's picture cut into 5 x 4 pieces,
// shuffled, and swapped back two at a time.
#pragma once

// Builds the puzzle of `stage` (1..12) for the current player, or takes up
// the one the player's profile holds when it was left half done.
void SetUpPuzzle(int stage);
// One frame of the puzzle phase: the frame, the pieces, the solved flash.
void RunPuzzlePhase();
// Input, movement and drawing of the pieces, until the puzzle is solved.
void PlayPuzzle();
void DrawPuzzleHelp();         // dialog 445
void DrawPuzzleDone();         // dialog 446
// The frame picture around the puzzle; the game screen's set-up releases it.
void LoadPuzzleFrame();
void FreePuzzleFrame();
// The stage picture's pieces and its small copy (released by the set-ups of
// the game screen and the closing story).
void FreePuzzleTiles();
