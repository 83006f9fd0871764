// Adding and removing cells and items, and the border kinds of the live cells.
#include "match3/board.h"

#include "tables/board_tables.h"

int AddCell(int x, int y, int exists, int isMoss, int stoneSource, int pillarCell, int stonePillarCell) {
    return AddCellFrom(1, x, y, exists, isMoss, stoneSource, pillarCell, stonePillarCell);
}

int AddCellFrom(int from, int x, int y, int exists, int isMoss, int stoneSource, int pillarCell,
                int stonePillarCell) {
    for (int slot = from < 1 ? 1 : from; slot <= BOARD_LAST_SLOT; slot++) {
        TCell& cell = cells[slot];
        if (cell.exists != 0) continue;
        cell.x = x;
        cell.y = y;
        cell.exists = exists;
        cell.isMoss = isMoss;
        cell.stoneSource = stoneSource;
        cell.pillarCell = pillarCell;
        cell.stonePillarCell = stonePillarCell;
        cell.glow = 0;
        cell.chainMark = 0;
        cell.arrowDir = 0;
        cell.borderKind = 0;
        return slot;
    }
    return 0;
}

int AddItem(int x, int y, int kind) {
    return AddItemFrom(1, x, y, kind);
}

int AddItemFrom(int from, int x, int y, int kind) {
    for (int slot = from < 1 ? 1 : from; slot <= BOARD_LAST_SLOT; slot++) {
        TItem& item = items[slot];
        if (item.kind != 0) continue;
        item.x = x;
        item.y = y;
        item.kind = kind;
        item.hintPhase = 0;
        item.falling = 0;
        item.cellIndex = 0;
        item.fadeIn = 0;
        item.bounce = 0;
        item.shake = 0;
        item.inChain = 0;
        item.exploded = 0;
        return slot;
    }
    return 0;
}

void RemoveItemSlot(int item) {
    if (item < 1 || item > BOARD_LAST_SLOT) return;
    int cell = items[item].cellIndex;
    if (cell >= 1 && cell <= BOARD_LAST_SLOT && cells[cell].itemOnCell == item) cells[cell].itemOnCell = 0;
    items[item].cellIndex = 0;
    items[item].kind = 0;
}

void ApplyBorderKinds() {
    GiveBorderKinds(cells, [](const TCell& cell) { return cell.exists != 0; });
}
