// Orders to win and starting stones by level number.
#include "match3/level_facts.h"

#include "tables/item_kinds.h"

int OrdersNeeded(int level) {
    int needed = 2 * level + 6;
    return needed > 50 ? 50 : needed;
}

int FixedStoneKind(int level) {
    // The first levels bring in one stone picture after another.
    if (level <= 3) return ITEM_STONE_FIRST;
    if (level <= 6) return ITEM_STONE_FIRST + level - 3;
    return 0;
}
