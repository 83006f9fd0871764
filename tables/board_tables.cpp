#include "tables/board_tables.h"

Table<TCell, BOARD_SLOTS> cells{"cells"};
Table<TItem, BOARD_SLOTS> items{"items"};
Table<TColumn, LEVEL_COLUMNS> columns{"columns"};
int itemsHigh, glintX, mossDrawn;
TImage boardImage;

Table<int, BOARD_SLOTS> chainItems{"chainItems"};
int chainCount, chainColour, chainLast, resolvePending;
int swapFirst, swapSecond, swapPhase, swapDir;
int swapDx1, swapDy1, swapDx2, swapDy2, swapGrow1, swapGrow2;
int hintItem, hintPartner, hintThird, hintDir, idleFrames, rescueUsed;
int comboCount, comboTimer;
Table<int, POWERUP_SLOTS> powerupState{"powerupState"};
int shuffleWave = 0;
Table<int, POWERUP_SLOTS> powerupX{"powerupX"};
Table<float, POWERUP_SLOTS> powerupY{"powerupY"};
Table<int, POWERUP_SLOTS> powerupCharge{"powerupCharge"};
Table<int, POWERUP_SLOTS> powerupFade{"powerupFade"};
int boardDrawn = 1;

void ClearBoardTables() {
    cells.Clear();
    items.Clear();
    columns.Clear();
    chainItems.Clear();
    itemsHigh = glintX = mossDrawn = 0;
    FreeImage(boardImage);
    chainCount = chainColour = chainLast = resolvePending = 0;
    swapFirst = swapSecond = swapPhase = swapDir = 0;
    swapDx1 = swapDy1 = swapDx2 = swapDy2 = swapGrow1 = swapGrow2 = 0;
    hintItem = hintPartner = hintThird = hintDir = idleFrames = rescueUsed = 0;
    comboCount = comboTimer = 0;
    powerupState.Clear();
    shuffleWave = 0;
    powerupX.Clear();
    powerupY.Clear();
    powerupCharge.Clear();
    powerupFade.Clear();
    boardDrawn = 1;
}
