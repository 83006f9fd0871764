// Group mode: a click selects the item's connected group of one kind.
#include "match3/rules.h"
#include "tables/board_tables.h"
#include "tables/shell_tables.h"

static constexpr int FLOOD_PASSES = 7;

static int Groupable(int kind) { return (kind >= 1 && kind <= 5) || kind == ITEM_BOMB || kind == ITEM_JOKER; }

static void AddToSelection(int item) {
    chainCount++;
    chainItems[chainCount] = item;
    int cell = items[item].cellIndex;
    if (cell > 0) cells[cell].chainMark = 1;
    items[item].inChain = 1;
}

// Seven passes over the selection in slot order; an item added early in a pass
// is visited later in the same pass, so a group may reach further than 7 steps.
static void FloodSelection() {
    for (int pass = 0; pass < FLOOD_PASSES; pass++) {
        for (int j = 1; j <= itemsHigh; j++) {
            if (!items[j].inChain || items[j].kind <= 0) continue;
            for (int l = 1; l <= itemsHigh; l++) {
                if (items[l].inChain || items[l].kind != items[j].kind) continue;
                if (DirectionBetween(j, l) != 0) AddToSelection(l);
            }
        }
    }
}

void GroupInput() {
    if (!BoardInputAllowed()) return;
    for (int i = 1; i <= itemsHigh; i++) {
        if (!Groupable(items[i].kind) || !ItemUnderPointer(i)) continue;
        int cell = items[i].cellIndex;
        if (cell > 0) cells[cell].glow = 9;
        if (!mouseDownLeft || !mouseHitLeft) continue;
        idleFrames = 0;
        if (items[i].kind == ITEM_BOMB && chainCount == 0) {
            SetOffBomb(i);
        } else {
            AddToSelection(i);
            FloodSelection();
        }
        resolvePending = 1;
        return;   // one click selects one group
    }
}
