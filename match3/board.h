// The board's slot tables: adding cells and items, and the border pieces that
// frame the live cells. Neighbours are found by position: one coordinate equal
// and the other exactly CELL_SPACING pixels apart.
#pragma once

#include "tables/board_geometry.h"
#include "tables/sizes.h"

// Takes the first free cell slot (exists 0) and fills it; returns the slot,
// 0 when all 200 are taken. Used by the level loader and by tests.
int AddCell(int x, int y, int exists, int isMoss, int stoneSource, int pillarCell, int stonePillarCell);
// Takes the first free item slot (kind 0); returns the slot or 0 when full.
// `height` keeps the value of the slot's earlier item. Called wherever items
// appear: the level loader, refills, fish orders, bombs made by matches.
int AddItem(int x, int y, int kind);
// Removes an item: its kind, its cellIndex and its cell's itemOnCell go to 0.
void RemoveItemSlot(int item);

// Gives every place of a slot table (slots 1..200) that `present` accepts its
// border kind among the other accepted places. The live cells and the stage
// map's previews both go through here.
template <class TSlots, class TPresent>
void GiveBorderKinds(TSlots& slots, TPresent present) {
    // The accepted places first: a board uses a few dozen of its slots, and
    // every pair of them is compared.
    int placed[BOARD_LAST_SLOT];
    int count = 0;
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++)
        if (present(slots[slot])) placed[count++] = slot;
    for (int i = 0; i < count; i++) {
        int flags = 0;
        for (int j = 0; j < count; j++) {
            if (j == i) continue;
            flags |= NeighbourFlag(slots[placed[j]].x - slots[placed[i]].x, slots[placed[j]].y - slots[placed[i]].y);
        }
        slots[placed[i]].borderKind = BorderKind(flags);
    }
}
// Gives every live cell its border kind; the level loader calls it once all
// cells exist.
void ApplyBorderKinds();
