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
// The same from slot `from` on, for a caller that knows every slot below it
// taken: the level loader fills its slots in turn without walking the taken
// ones again for every cell and item.
int AddCellFrom(int from, int x, int y, int exists, int isMoss, int stoneSource, int pillarCell,
                int stonePillarCell);
int AddItemFrom(int from, int x, int y, int kind);
// Removes an item: its kind, its cellIndex and its cell's itemOnCell go to 0.
void RemoveItemSlot(int item);

// Places on one grid of CELL_SPACING that fits this many steps across and
// down (every board and preview the game builds, with room around it) find
// their neighbours in a map of the grid.
constexpr int BORDER_GRID_STEPS = 32;

// Gives every place of a slot table (slots 1..200) that `present` accepts its
// border kind among the other accepted places. The live cells and the stage
// map's previews both go through here.
template <class TSlots, class TPresent>
void GiveBorderKinds(TSlots& slots, TPresent present) {
    int placed[BOARD_LAST_SLOT];
    int count = 0;
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++)
        if (present(slots[slot])) placed[count++] = slot;
    if (count == 0) return;
    // The grid's first step (column and row 0) is left empty, so that every
    // neighbour of a place lies inside the map.
    long long left = slots[placed[0]].x, top = slots[placed[0]].y;
    for (int i = 1; i < count; i++) {
        if (slots[placed[i]].x < left) left = slots[placed[i]].x;
        if (slots[placed[i]].y < top) top = slots[placed[i]].y;
    }
    left -= CELL_SPACING;
    top -= CELL_SPACING;
    int column[BOARD_LAST_SLOT], row[BOARD_LAST_SLOT];
    int onGrid = 1;
    for (int i = 0; i < count && onGrid; i++) {
        long long dx = slots[placed[i]].x - left, dy = slots[placed[i]].y - top;
        onGrid = dx % CELL_SPACING == 0 && dy % CELL_SPACING == 0 && dx / CELL_SPACING < BORDER_GRID_STEPS - 1 &&
                 dy / CELL_SPACING < BORDER_GRID_STEPS - 1;
        column[i] = static_cast<int>(dx / CELL_SPACING);
        row[i] = static_cast<int>(dy / CELL_SPACING);
    }
    if (onGrid) {
        unsigned char taken[BORDER_GRID_STEPS][BORDER_GRID_STEPS] = {};
        for (int i = 0; i < count; i++) taken[row[i]][column[i]] = 1;
        for (int i = 0; i < count; i++) {
            int flags = 0;
            for (int b = 0; b < NEAR_FLAG_COUNT; b++)
                if (taken[row[i] + NEAR_STEP_R[b]][column[i] + NEAR_STEP_C[b]]) flags |= 1 << b;
            slots[placed[i]].borderKind = BorderKind(flags);
        }
        return;
    }
    // Places off one grid (only tests make them) compare every pair.
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
