// The level list (120 map positions in 12 stages) and the level previews read
// from every level file at start-up for the stage map.
#pragma once

#include <string>

#include "tables/sizes.h"
#include "tables/table.h"

enum { POSITION_LEVEL = 1, POSITION_SPECIAL = 4 };

extern Table<int, 14> stageSize;                 // 1..13
extern Table<int, 14> stageEnd;                  // 0..13: 0, 10, 20, ... 130
extern Table<int, POSITION_SLOTS> positionKind;  // 1..120
extern Table<int, POSITION_SLOTS> positionLevel; // level file, or stage for a puzzle

struct TPreviewCell {
    int x = 0, y = 0, code = 0, mossFlag = 0, stoneFlag = 0, pillarFlag = 0, borderKind = 0;
};
struct TPreviewItem {
    int x = 0, y = 0, kind = 0, stoneVariant = -1;
};
struct TPreviewColumn {
    int cellCount = 0, x = 0, topY = 1000;
};
// Indexed [level 1..120][slot 1..200] and [level][column 1..30].
extern Table<Table<TPreviewCell, BOARD_SLOTS>, LEVEL_SLOTS> levelPreviewCells;
extern Table<Table<TPreviewItem, BOARD_SLOTS>, LEVEL_SLOTS> levelPreviewItems;
extern Table<Table<TPreviewColumn, LEVEL_COLUMNS>, LEVEL_SLOTS> levelPreviewColumns;

// Where the level files are read from: "data/levelz/m3/" below the working
// folder. It says where the files lie, not how a game stands, so the start-up
// allocation leaves it as it is.
extern std::string levelFolder;
extern std::string levelErrorText;  // the last broken-installation message, empty when none

// Zero-fills the level list, the previews and the error text (the start-up allocation).
void ClearLevelTables();
