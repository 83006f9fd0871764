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
// The first free preview cell (resp. item) slot of a level, filled; returns the
// slot, 0 when the level's 200 slots are taken.
int AddPreviewCell(int level, int x, int y, int code, int mossFlag, int stoneFlag, int pillarFlag);
int AddPreviewItem(int level, int x, int y, int kind);
// Builds the live board from the level file of mapPosition (or resumes the
// current player's unfinished level). Called by the game screen's set-up.
void LoadLevel();
