#include "match3/board.h"

#include "tables/board_tables.h"

namespace {

struct TBorderRule {
    int mustSet, mustClear;
};

// The 24 border pieces in the order they are tested; a later rule overwrites
// an earlier one.
const TBorderRule BORDER_RULES[25] = {
    {0, 0},
    {NEAR_L | NEAR_R, NEAR_U | NEAR_UL | NEAR_UR},                 // 1 top edge
    {NEAR_L | NEAR_R, NEAR_D | NEAR_DL | NEAR_DR},                 // 2 bottom edge
    {NEAR_U | NEAR_D, NEAR_L | NEAR_UL | NEAR_DL},                 // 3 left edge
    {NEAR_U | NEAR_D, NEAR_R | NEAR_UR | NEAR_DR},                 // 4 right edge
    {NEAR_R, NEAR_U | NEAR_L | NEAR_UR | NEAR_DL},                 // 5 top-left corner
    {NEAR_L, NEAR_U | NEAR_R | NEAR_UL | NEAR_DR},                 // 6 top-right corner
    {NEAR_L, NEAR_D | NEAR_R | NEAR_DL | NEAR_UR},                 // 7 bottom-right corner
    {NEAR_R, NEAR_D | NEAR_L | NEAR_DR | NEAR_UL},                 // 8 bottom-left corner
    {NEAR_U | NEAR_DR, NEAR_R},                                    // 9
    {NEAR_U | NEAR_DL, NEAR_L},                                    // 10
    {NEAR_R | NEAR_UL, NEAR_U},                                    // 11
    {NEAR_L | NEAR_UR, NEAR_U},                                    // 12
    {NEAR_D | NEAR_UR, NEAR_R},                                    // 13
    {NEAR_D | NEAR_UL, NEAR_L},                                    // 14
    {NEAR_R | NEAR_DL, NEAR_D},                                    // 15
    {NEAR_L | NEAR_DR, NEAR_D},                                    // 16
    {NEAR_R | NEAR_UL, NEAR_D | NEAR_L | NEAR_DR},                 // 17
    {NEAR_L | NEAR_UR, NEAR_D | NEAR_R | NEAR_DL},                 // 18
    {NEAR_L | NEAR_DR, NEAR_U | NEAR_R | NEAR_UL},                 // 19
    {NEAR_R | NEAR_DL, NEAR_U | NEAR_L | NEAR_UR},                 // 20
    {NEAR_D | NEAR_UL, NEAR_U | NEAR_R | NEAR_DR},                 // 21
    {NEAR_D | NEAR_UR, NEAR_U | NEAR_L | NEAR_DL},                 // 22
    {NEAR_U | NEAR_DR, NEAR_D | NEAR_L | NEAR_UL},                 // 23
    {NEAR_U | NEAR_DL, NEAR_D | NEAR_R | NEAR_UR},                 // 24
};

}  // namespace

int AddCell(int x, int y, int exists, int isMoss, int stoneSource, int pillarCell, int stonePillarCell) {
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
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
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
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

int BorderKind(int nearFlags) {
    int kind = 0;
    for (int k = 1; k <= 24; k++) {
        const TBorderRule& rule = BORDER_RULES[k];
        if ((nearFlags & rule.mustSet) == rule.mustSet && (nearFlags & rule.mustClear) == 0) kind = k;
    }
    return kind;
}

int NeighbourFlag(int dx, int dy) {
    const int s = CELL_SPACING;
    if (dx == 0 && dy == -s) return NEAR_U;
    if (dx == 0 && dy == s) return NEAR_D;
    if (dx == -s && dy == 0) return NEAR_L;
    if (dx == s && dy == 0) return NEAR_R;
    if (dx == -s && dy == -s) return NEAR_UL;
    if (dx == s && dy == -s) return NEAR_UR;
    if (dx == -s && dy == s) return NEAR_DL;
    if (dx == s && dy == s) return NEAR_DR;
    return 0;
}

int CellNeighbours(int slot) {
    const TCell& me = cells[slot];
    int flags = 0;
    for (int other = 1; other <= BOARD_LAST_SLOT; other++) {
        if (other == slot || cells[other].exists == 0) continue;
        flags |= NeighbourFlag(cells[other].x - me.x, cells[other].y - me.y);
    }
    return flags;
}

void ApplyBorderKinds() {
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        if (cells[slot].exists == 0) continue;
        cells[slot].borderKind = BorderKind(CellNeighbours(slot));
    }
}
