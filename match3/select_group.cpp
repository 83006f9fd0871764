// Group mode: a click selects the item's connected group of one kind.
#include "match3/rules.h"
#include "tables/board_tables.h"
#include "tables/shell_tables.h"

static int InSelection(int item) { return items[item].inChain; }

void GroupInput() {
    if (!BoardInputAllowed()) return;
    for (int i = 1; i <= itemsHigh; i++) {
        if (!IsChainable(items[i].kind) || !ItemUnderPointer(i)) continue;
        int cell = items[i].cellIndex;
        if (cell > 0) cells[cell].glow = 9;
        if (!mouseDownLeft || !mouseHitLeft) continue;
        idleFrames = 0;
        if (items[i].kind == ITEM_BOMB && chainCount == 0) {
            SetOffBomb(i);
        } else {
            AddToSelection(i);
            FloodSameKind(InSelection, AddToSelection);
        }
        resolvePending = 1;
        return;   // one click selects one group
    }
}
