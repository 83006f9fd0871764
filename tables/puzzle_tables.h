// The picture puzzle of a stage's tenth position: its shape and place on the
// screen, the home of every piece, its running state and its pictures. The
// pieces themselves and the two picks belong to the player (TPlayerProfile),
// so that a puzzle left half done is saved with the profile.
// Defined in tables/puzzle_tables.cpp; cleared by ClearPuzzleTables at start-up.
#pragma once

#include "platform/platform.h"
#include "tables/player_tables.h"
#include "tables/stage_picture_tables.h"
#include "tables/table.h"

// ---- the shape: the stage picture cut into its grid of pieces (the stage
// pictures are made to the same sizes)
constexpr int PUZZLE_COLUMNS = STAGE_PICTURE_COLUMNS;
constexpr int PUZZLE_ROWS = STAGE_PICTURE_ROWS;
constexpr int PUZZLE_PIECE_COUNT = STAGE_PICTURE_PIECES;   // pieces 1..20 of the 100 kept
constexpr int PIECE_WIDTH = STAGE_PIECE_WIDTH;
constexpr int PIECE_HEIGHT = STAGE_PIECE_HEIGHT;
// The puzzle's top-left corner on the screen; it covers (194, 120)-(834, 600).
constexpr int PUZZLE_LEFT = 194;
constexpr int PUZZLE_TOP = 120;
// The small whole picture shown under the puzzle, by its top-left corner.
constexpr int PUZZLE_THUMB_X = 432;
constexpr int PUZZLE_THUMB_Y = 639;
constexpr int PUZZLE_THUMB_WIDTH = STAGE_THUMB_WIDTH;
constexpr int PUZZLE_THUMB_HEIGHT = STAGE_THUMB_HEIGHT;
// The frame picture is the screen's left half; the right half is the same
// picture mirrored.
constexpr int PUZZLE_FRAME_WIDTH = 512;
constexpr int PUZZLE_FRAME_HEIGHT = 768;

// ---- running state
extern int puzzleColumns, puzzleRows, pieceWidth, pieceHeight;   // set by SetUpPuzzle
extern Table<int, PUZZLE_PIECES> pieceHomeX, pieceHomeY;         // each piece's own place, 1..100
extern int puzzleLeft, puzzleTop;       // set every frame of the puzzle phase
extern int puzzleSolvedFrames;          // frames since the puzzle was solved
extern int puzzleAtRest;                // 1: nothing in the puzzle moves

// ---- pictures: the stage picture as 20 cells, its small copy, the frame
extern TImage puzzleTiles, puzzleThumbImage, puzzleFrameImage;

// Zero-fills the state and releases the pictures (the start-up allocation).
void ClearPuzzleTables();
