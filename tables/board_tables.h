// The board: cell and item slot tables, the columns, the selection, the swap,
// hints and combo state. Slots count from 1; a cell slot is free when `exists`
// is 0 and an item slot when `kind` is 0.
#pragma once

#include "tables/item_kinds.h"
#include "platform/platform.h"
#include "tables/sizes.h"
#include "tables/table.h"

enum { MODE_CHAIN = 1, MODE_GROUP = 2, MODE_SWAP = 3 };

struct TCell {
    int x = 0, y = 0;
    int exists = 0, isMoss = 0, glow = 0, chainMark = 0, arrowDir = 0, itemOnCell = 0;
    int stoneSource = 0, pillarCell = 0, stonePillarCell = 0, borderKind = 0;
};

struct TItem {
    int hintPhase = 0, x = 0, y = 0, kind = 0, falling = 0, cellIndex = 0, fadeIn = 0;
    int bounce = 0, shake = 0, height = 0, inChain = 0, exploded = 0;
};

struct TColumn {
    int colCount = 0, colX = 0, colTop = 1000;
};

extern Table<TCell, BOARD_SLOTS> cells;
extern Table<TItem, BOARD_SLOTS> items;
extern Table<TColumn, LEVEL_COLUMNS> columns;      // by file column 1..30
extern int itemsHigh;                              // highest slot the scans visit
extern int glintX, mossDrawn;
extern TImage boardImage;                          // 960 x 620, composed per level

// ---- selection (all modes)
extern Table<int, BOARD_SLOTS> chainItems;         // selection order 1..200
extern int chainCount, chainColour, chainLast, resolvePending;
// ---- swap mode
extern int swapFirst, swapSecond, swapPhase, swapDir;
extern int swapDx1, swapDy1, swapDx2, swapDy2, swapGrow1, swapGrow2;
// ---- hints and rescue
extern int hintItem, hintPartner, hintThird, hintDir, idleFrames, rescueUsed;
// ---- combo
extern int comboCount, comboTimer;
// ---- special items
constexpr int POWERUP_SLOTS = 5;     // power-ups 1..4
extern Table<int, POWERUP_SLOTS> powerupState;  // power-up 1..4: 0 idle, counting while it is aimed or fires
extern int shuffleWave;             // 0 idle, else the radius of the shuffle wave sweeping the board
// The four power-ups under the board, by power-up 1..4.
extern Table<int, POWERUP_SLOTS> powerupX;        // centre of the shell
extern Table<float, POWERUP_SLOTS> powerupY;      // eases up toward its place
extern Table<int, POWERUP_SLOTS> powerupCharge;   // shown charge: 0..74 filling, 10000 ready, 10001..10049 blinking
extern Table<int, POWERUP_SLOTS> powerupFade;     // 0, or 1..9 in the frames after a power-up was used
// ---- the board's frame
extern int boardDrawn;              // 1: the board's steps draw the cells and items (the game); 0: rules only

// Zero-fills the board (the start-up allocation); columns get colTop 1000 and
// the board is drawn.
void ClearBoardTables();
