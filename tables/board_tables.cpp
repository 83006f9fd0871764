#include "tables/board_tables.h"

Table<TCell, BOARD_SLOTS> cells;
Table<TItem, BOARD_SLOTS> items;
Table<TColumn, LEVEL_COLUMNS> columns;
int itemsHigh, glintX, mossDrawn;
TImage boardImage;

Table<int, BOARD_SLOTS> chainItems;
int chainCount, chainColour, chainLast, resolvePending;
int swapFirst, swapSecond, swapPhase, swapDir;
int swapDx1, swapDy1, swapDx2, swapDy2, swapGrow1, swapGrow2;
int hintItem, hintPartner, hintThird, hintDir, idleFrames, rescueUsed;
int comboCount, comboTimer;

void ClearBoardTables() {
    cells.name = "cells";
    items.name = "items";
    columns.name = "columns";
    chainItems.name = "chainItems";
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
}
