// Plays a board without the game screen, with a fixed seed and scripted
// pointer input, frame by frame; boards come from level files or character grids.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct TImageData;

// The place of row r, column c of a level on the screen.
int CellX(int column);
int CellY(int row);

// A fresh board: tables cleared, player 1 in `mode` at map position
// `position` (level position - position / 10), the seed set, the pointer and
// cell mask pictures loaded. Drawing stays off unless `draw` is 1.
void BoardStart(int mode, uint32_t seed, int position, int draw = 0);

// Builds a board from a grid of rows (row 1 first, column 1 first):
//   '.' or ' ' no cell, 'o' a cell with a new item, '1'..'5' a cell with that
//   colour, 'B' bomb, 'J' joker, 'P' pillar, 'S' stone of kind 16,
//   'm' a moss cell with a new item.
// Floor items go under every cell with no cell below, as the level loader does.
void BuildTestBoard(const std::vector<std::string>& rows);

// A board without any move in every mode: the four colours in 2 x 2 tiles
// (1 2 / 3 4) from column 2 and row 2.
std::vector<std::string> TilingRows(int columns, int rows);
// Runs frames until the board takes input (levelFrame 151).
void BoardPlayReady();
// BoardStart on position 2 (no bomb falls in by chance), the board from
// `rows`, then BoardPlayReady; no rescue of a board without moves unless `rescue` is 1.
void BoardStartGrid(int mode, uint32_t seed, const std::vector<std::string>& rows, int rescue = 0);
// Holds the button down on each place in turn (2 frames each) without letting go.
void BoardDrag(const std::vector<std::pair<int, int>>& places);
// Lets the button go where the pointer is, for one frame.
void BoardRelease();

// Loads the level file of a map position as the game does; returns the cell count.
int BoardLoadLevel(int position);

// The pointer for the next frames, in logical screen pixels.
void BoardPointer(int x, int y, int down);
// One frame: the input snapshot from the scripted pointer, then RunBoardFrame.
void BoardFrame();
void BoardFrames(int count);
// Runs frames until no item falls and no swap runs (at most 400); 1 when it got there.
int BoardSettle();
// Presses (down for `hold` frames) and releases on the item of row r, column c.
void BoardClickCell(int column, int row, int hold = 2);

// The item resting at row r, column c (0 none), its kind, and the cell there.
int ItemOnPlace(int column, int row);
int KindOnPlace(int column, int row);
int CellOnPlace(int column, int row);
// Items of one kind on the board (all slots).
int CountKind(int kind);
// 1 when any three items of one line kind stand in a row or column.
int BoardHasLine();
// A hash of every item's slot, kind and place and of the moss.
uint32_t BoardHash();
// Draws the board once and writes the logical screen as a PNG; 1 on success.
int BoardSavePicture(const std::string& path);
// Puts `border(kind)` and `strip(cells)` in place of the loaded border pieces
// and column strips; RestoreBoardFrameArt frees them and puts the loaded ones back.
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
// Plays the recording's board with the simple player, writing its input into replay.inputs.
TReplayResult PlayAndRecord(TReplay& replay);

// ---- the simple player: one move at a time, planned from the resting items
// once the board has stood still for 12 frames

struct TPlanStep {
    int x, y, down;   // logical screen pixels
};
struct TPlanner {
    std::vector<TPlanStep> plan;
    size_t next = 0;
    int rest = 0;
};
// The pointer for the next frame in game mode `mode`; null while no move runs.
const TPlanStep* NextPlanStep(TPlanner& planner, int mode);
// The planner's own random choices start from this seed.
void SeedPlanner(uint32_t seed);
