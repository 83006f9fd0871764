#include "tables/puzzle_tables.h"

int puzzleColumns, puzzleRows, pieceWidth, pieceHeight;
Table<int, PUZZLE_PIECES> pieceHomeX{"pieceHomeX"}, pieceHomeY{"pieceHomeY"};
int puzzleLeft, puzzleTop;
int puzzleSolvedFrames, puzzleAtRest;
TImage puzzleTiles, puzzleThumbImage, puzzleFrameImage;

void ClearPuzzleTables() {
    puzzleColumns = puzzleRows = pieceWidth = pieceHeight = 0;
    pieceHomeX.Clear();
    pieceHomeY.Clear();
    puzzleLeft = puzzleTop = 0;
    puzzleSolvedFrames = puzzleAtRest = 0;
    FreeImage(puzzleTiles);
    FreeImage(puzzleThumbImage);
    FreeImage(puzzleFrameImage);
}
