// The board test driver: plays a board without the game screen around it, with
// a fixed random seed and scripted pointer input, frame by frame. Boards come
// from level files (LoadLevel) or from small character grids. Recordings of
// pointer input ("frame x y down" lines) replay a whole game exactly.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct TImageData;

// The place of row r, column c of a level on the screen.
int CellX(int column);
int CellY(int row);

// A fresh board: every board and level table cleared, player 1 chosen
// in the given game mode, map position `position` (its level is position -
// position / 10), the random seed, the pause overlay off and the pointer and
// cell mask pictures loaded. Drawing stays off unless `draw` is 1.
void BoardStart(int mode, uint32_t seed, int position, int draw = 0);

// Builds a board from a grid of rows (row 1 first, column 1 first):
//   '.' or ' ' no cell, 'o' a cell with a new item, '1'..'5' a cell with that
//   colour, 'B' bomb, 'J' joker, 'P' pillar, 'S' stone of kind 16,
//   'm' a moss cell with a new item.
// Floor items go under every cell with no cell below, as the level loader
// leaves them; columns and border kinds are set for drawing.
void BuildTestBoard(const std::vector<std::string>& rows);

// A board without any move in every mode: columns 2.. and rows 2.. filled with
// the four colours in 2 x 2 tiles (1 2 / 3 4), so no item has a neighbour of
// its own kind and no swap can make a line.
std::vector<std::string> TilingRows(int columns, int rows);
// Runs frames until the board takes input (levelFrame 151).
void BoardPlayReady();
// BoardStart on position 2 (a level where no bomb falls in by chance), the
// board built from `rows`, then BoardPlayReady. The rescue of a board without
// moves stays away unless `rescue` is 1.
void BoardStartGrid(int mode, uint32_t seed, const std::vector<std::string>& rows, int rescue = 0);
// Holds the button down on each place in turn (2 frames each) without letting go.
void BoardDrag(const std::vector<std::pair<int, int>>& places);
// Lets the button go where the pointer is, for one frame.
void BoardRelease();

// Loads the level file of a map position into the board as the game does
// (the level list is built first). Returns the number of cells.
int BoardLoadLevel(int position);

// The pointer for the next frames, in logical screen pixels.
void BoardPointer(int x, int y, int down);
// One frame: the input snapshot from the scripted pointer, then RunBoardFrame.
void BoardFrame();
void BoardFrames(int count);
// 1 when no item falls and no swap runs.
int BoardStill();
// Runs frames until no item falls and no swap runs (at most `limit` frames).
int BoardSettle(int limit = 400);
// Presses (down for `hold` frames) and releases on the item of row r, column c.
void BoardClickCell(int column, int row, int hold = 2);

// The item resting at row r, column c (0 none), and its kind.
int ItemOnPlace(int column, int row);
int KindOnPlace(int column, int row);
// The cell at row r, column c (0 none).
int CellOnPlace(int column, int row);
// Items of one kind on the board (all slots).
int CountKind(int kind);
// 1 when any three items of one line kind stand in a row or column.
int BoardHasLine();
// A hash of every item's slot, kind and place and of the moss.
uint32_t BoardHash();
// Draws the board once and writes the logical screen as a PNG; 1 on success.
int BoardSavePicture(const std::string& path);
// Puts the pictures `border(kind)` and `strip(cells)` in place of the loaded
// border pieces and column strips; RestoreBoardFrameArt frees them and puts
// the loaded ones back.
void StandInBoardFrameArt(TImageData* (*border)(int kind), TImageData* (*strip)(int cells));
void RestoreBoardFrameArt();

// ---- recordings

struct TReplayInput {
    int frame, x, y, down;
};
struct TReplay {
    int mode = 3;
    uint32_t seed = 1;
    int position = 12;
    int frames = 2000;
    int useLevelFile = 0;   // "level": the position's level file instead of rows
    std::vector<std::string> rows;
    std::vector<TReplayInput> inputs;
    int hasSummary = 0;
    int summaryScore = 0;
    uint32_t summaryHash = 0;
};
struct TReplayResult {
    int score = 0;
    uint32_t hash = 0;
    int matches = 0;
};

// Reads a recording; 0 when the file is missing or malformed.
int ReadReplay(const std::string& path, TReplay& replay);
int WriteReplay(const std::string& path, const TReplay& replay, const std::string& title);
// Plays a recording from its start: board, seed, inputs, frames.
TReplayResult PlayReplay(const TReplay& replay);
// Plays the recording's board with a simple player that looks for moves and
// writes the input it makes into replay.inputs.
TReplayResult PlayAndRecord(TReplay& replay);

// ---- the simple player

// One frame of planned pointer input in logical screen pixels.
struct TPlanStep {
    int x, y, down;
};
// Looks at the resting items and plans one move of the game mode frame by
// frame (press, drag, release); empty when it sees none.
std::vector<TPlanStep> PlanMove(int mode);
// The planner's own random choices start from this seed.
void SeedPlanner(uint32_t seed);
