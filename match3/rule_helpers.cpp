// Small operations shared by the selection, matching and hint steps.
#include "effects/effects.h"
#include "match3/board.h"
#include "match3/game_screen.h"
#include "match3/rules.h"
#include "tables/board_tables.h"
#include "tables/player_tables.h"

int DirectionBetween(int from, int to) {
    const TItem& a = items[from];
    const TItem& b = items[to];
    if (a.y == b.y && b.x == a.x + CELL_SPACING) return 1;
    if (a.y == b.y && b.x == a.x - CELL_SPACING) return 2;
    if (a.x == b.x && b.y == a.y + CELL_SPACING) return 3;
    if (a.x == b.x && b.y == a.y - CELL_SPACING) return 4;
    return 0;
}

void RaiseItemsHigh() {
    for (int i = 1; i <= BOARD_LAST_SLOT; i++) {
        if (items[i].kind > 0 && i > itemsHigh) itemsHigh = i;
    }
}

void AddToSelection(int item) {
    chainCount++;
    chainItems[chainCount] = item;
    int cell = items[item].cellIndex;
    if (cell > 0) cells[cell].chainMark = 1;
    items[item].inChain = 1;
}

void ClearSelection() {
    chainLast = 0;
    chainCount = 0;
    chainColour = 0;
    chainItems.Clear();
}

void FloodSameKind(int (*reached)(int item), void (*reach)(int item)) {
    for (int pass = 0; pass < FLOOD_PASSES; pass++) {
        for (int j = 1; j <= itemsHigh; j++) {
            if (!reached(j) || items[j].kind <= 0) continue;
            for (int l = 1; l <= itemsHigh; l++) {
                if (reached(l) || items[l].kind != items[j].kind) continue;
                if (DirectionBetween(j, l) != 0) reach(l);
            }
        }
    }
}

int ItemAt(int x, int y) {
    int found = 0;
    for (int i = 1; i <= itemsHigh; i++) {
        if (items[i].kind > 0 && items[i].x == x && items[i].y == y) found = i;
    }
    return found;
}

void SetOffBomb(int item) {
    chainCount = 3;
    chainItems[3] = item;
    int cell = items[item].cellIndex;
    if (cell > 0) cells[cell].chainMark = 1;
    items[item].inChain = 1;
    resolvePending = 1;
}

void RemoveBoardItem(int item, int points) {
    TItem& it = items[item];
    int x = it.x, y = it.y, kind = it.kind;
    AddItem(x, -20, NewItemKind(0));
    SpawnParticle(static_cast<float>(x), static_cast<float>(y), kind + 10000, 0.0f, 0.0f);
    CurrentProfile().playerItemsCleared += 1;
    AddScore(x - 5, y - 7, points);
    RemoveItemSlot(item);
}

int EffectColour(int kind) {
    switch (kind) {
    case 1: return 2;
    case 2: return 4;
    case 3: return 1;
    case 4: return 7;
    case 5: return 9;
    case ITEM_PILLAR: return 8;
    default: return 5;
    }
}
