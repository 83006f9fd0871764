// The level list (which map position plays which level file) and the level
// files: 300 little-endian integers, row-major over 15 rows of 20 columns,
// each stored as the cell code minus one.
#pragma once

#include <string>

#include "tables/level_tables.h"

// "data/levelz/m3/lvla" + three digits + ".lvl" for level 1..108.
std::string LevelFileName(int level);
// Reads the 300 cell codes of a level (code = stored + 1, row-major). Returns
// 1 on success; 0 when the file is missing or shorter than 1200 bytes, and
// then every code is 0. Never reads past the 300th integer.
int ReadLevelCodes(int level, int codes[LEVEL_CODES]);
// Start-up, before the previews: stages, position kinds and position levels.
void BuildLevelList();
// Start-up: reads level files 1..108 into the preview tables of the stage map.
// Returns 0 at the first missing or short file after reporting it on standard
// error and in a message box when a display is open; start-up then ends.
int LoadLevelPreviews();
// One level file into its preview tables; 0 when the file is missing or short.
int LoadLevelPreview(int level);
// LoadLevelPreview's steps after ReadLevelCodes: the codes into the cleared
// preview's places and column strips, then the border pieces and items of
// those places.
void PlaceLevelPreview(int level, const int codes[LEVEL_CODES]);
void FinishLevelPreview(int level);
// The first free preview cell (resp. item) slot of a level, filled; returns the
// slot, 0 when the level's 200 slots are taken.
int AddPreviewCell(int level, int x, int y, int code, int mossFlag, int stoneFlag, int pillarFlag);
int AddPreviewItem(int level, int x, int y, int kind);
// Builds the live board from the level file of mapPosition (or resumes the
// current player's unfinished level). Called by the game screen's set-up.
void LoadLevel();
// LoadLevel's steps after ReadLevelCodes of level levelNo: a clean board
// with the codes' cells, fish and counters, then the board built on those
// cells alone: floors, border pieces, starting items, stones and pillars, an
// unfinished level resumed.
void PlaceLevelCells(const int codes[LEVEL_CODES]);
void BuildLevelBoard();
// 1 when every code is the first code of its kind. The readers tell apart no
// place (0 and below), a cell (1), a stone (3), moss (4), a pillar (5), a
// stone pillar (6), an empty place of the preview's strips (99) and a fish
// wanting 0..FISH_ORDER_LARGEST items (100 on); every other code reads exactly
// as the first code of its kind: 2 and 7..98 as a cell, a fish wanting more
// as one wanting none. The places any file gives the builders are therefore
// those of a file in first codes, and the fuzzing of the level reader builds
// boards for those files only. A reader that comes to tell another code
// apart adds it to LevelCodeKind.
int LevelCodesPlain(const int codes[LEVEL_CODES]);
// The first code of a code's kind, as the readers read it; the preview keeps
// this one, so that the stage map draws every code as its kind.
int LevelCodeKind(int code);
