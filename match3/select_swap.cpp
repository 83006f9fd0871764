// Swap mode: the player picks an item and then a neighbour, the two trade
// places, and lines of three or more of one kind are removed. FindLines looks
// at the whole board every frame, which also makes the cascade of refills.
#include "audio/audio.h"
#include "tables/board_geometry.h"
#include "match3/place_index.h"
#include "match3/rules.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/shell_tables.h"

static constexpr int SWAP_STEP = 6;
static constexpr int SWAP_MEET = CELL_SPACING;   // the pair stands on each other's place
static constexpr int SWAP_END = 96;

static void ClearSwap() {
    swapFirst = swapSecond = 0;
    swapPhase = swapDir = 0;
    swapDx1 = swapDy1 = swapDx2 = swapDy2 = 0;
    swapGrow1 = swapGrow2 = 0;
}

static void StartSwap(int item, int direction) {
    swapSecond = item;
    swapGrow2 = 0;
    swapPhase = SWAP_STEP;
    swapDir = 1;
    PlaySound(5, items[item].x);
    swapDx1 = swapDy1 = swapDx2 = swapDy2 = 0;
    if (direction == 1) { swapDx1 = SWAP_STEP; swapDx2 = -SWAP_STEP; }
    if (direction == 2) { swapDx1 = -SWAP_STEP; swapDx2 = SWAP_STEP; }
    if (direction == 3) { swapDy1 = SWAP_STEP; swapDy2 = -SWAP_STEP; }
    if (direction == 4) { swapDy1 = -SWAP_STEP; swapDy2 = SWAP_STEP; }
}

// One item under the pressed pointer.
static void PressSwapItem(int i) {
    int kind = items[i].kind;
    if (IsColour(kind) || IsStone(kind) || (kind == ITEM_BOMB && swapFirst != 0)) {
        if (swapFirst == 0) {
            swapFirst = i;
            swapGrow1 = 0;
        } else {
            int direction = DirectionBetween(swapFirst, i);
            if (direction == 0) {
                if (i != swapFirst || mouseHitLeft) {
                    swapFirst = 0;
                    swapGrow1 = 0;
                }
            } else if (kind == ITEM_BOMB) {
                SetOffBomb(i);
                swapFirst = 0;
                swapGrow1 = 0;
            } else {
                StartSwap(i, direction);
            }
        }
    }
    // Tested after the above: a bomb pressed far from a picked item first
    // drops the pick and then goes off in the same frame.
    if (kind == ITEM_BOMB && swapFirst == 0) SetOffBomb(i);
}

void SwapInput() {
    if (swapPhase != 0 || !BoardInputAllowed()) return;
    for (int i = 1; i <= itemsHigh; i++) {
        if (!IsSwappable(items[i].kind) || !ItemUnderPointer(i)) continue;
        int cell = items[i].cellIndex;
        if (cell > 0) cells[cell].glow = 9;
        if (!mouseDownLeft) continue;
        idleFrames = 0;
        PressSwapItem(i);
        if (swapPhase != 0) return;   // the swap runs; no more input
    }
}

static int Toward(int offset, int by) {
    if (offset > 0) return offset + by;
    if (offset < 0) return offset - by;
    return 0;
}

static int Back(int offset, int by) {
    if (offset > 0) return offset - by < 0 ? 0 : offset - by;
    if (offset < 0) return offset + by > 0 ? 0 : offset + by;
    return 0;
}

void AnimateSwap() {
    if (swapPhase > 0) {
        // A pair that reached the meeting point unchecked (lines are not
        // looked for at the very end of a level) goes back.
        if (swapDir == 1 && swapPhase >= SWAP_MEET) swapDir = 2;
        swapPhase += SWAP_STEP;
        if (swapDir == 1) {
            swapDx1 = Toward(swapDx1, SWAP_STEP);
            swapDy1 = Toward(swapDy1, SWAP_STEP);
            swapDx2 = Toward(swapDx2, SWAP_STEP);
            swapDy2 = Toward(swapDy2, SWAP_STEP);
        } else {
            swapDx1 = Back(swapDx1, SWAP_STEP);
            swapDy1 = Back(swapDy1, SWAP_STEP);
            swapDx2 = Back(swapDx2, SWAP_STEP);
            swapDy2 = Back(swapDy2, SWAP_STEP);
            if (swapPhase >= SWAP_END) ClearSwap();
        }
    }
    if (levelFrame > 150 && levelEndTimer < 30) FindLines();
}

// Board copy for the line search: the kinds as they will be after the swap.
struct TLineItem {
    int x, y, kind, falling, marked;
};
static Table<TLineItem, BOARD_SLOTS> lineItems;

static TPlaceIndex linePlaces;   // the items that are not falling

// The last item in slot order of the given kind, not falling, at (x, y).
static int LineNeighbour(int x, int y, int kind) {
    const TPlaced *first = nullptr, *last = nullptr;
    PlacesAt(linePlaces, x, y, first, last);
    while (last != first) {
        --last;
        if (lineItems[last->slot].kind == kind) return last->slot;
    }
    return 0;
}

void FindLines() {
    ClearPlaces(linePlaces);
    for (int i = 1; i <= itemsHigh; i++) {
        lineItems[i] = {items[i].x, items[i].y, items[i].kind, items[i].falling, 0};
        if (!items[i].falling) AddPlace(linePlaces, items[i].x, items[i].y, i);
    }
    SortPlaces(linePlaces);
    if (swapPhase == SWAP_MEET && swapFirst > 0 && swapSecond > 0) {
        int first = lineItems[swapFirst].kind;
        lineItems[swapFirst].kind = lineItems[swapSecond].kind;
        lineItems[swapSecond].kind = first;
    }
    int anyMarked = 0;
    for (int i = 1; i <= itemsHigh; i++) {
        TLineItem& me = lineItems[i];
        if (!IsLineKind(me.kind) || me.falling) continue;
        int below = LineNeighbour(me.x, me.y + CELL_SPACING, me.kind);
        int above = LineNeighbour(me.x, me.y - CELL_SPACING, me.kind);
        if (below > 0 && above > 0) {
            me.marked = lineItems[below].marked = lineItems[above].marked = 1;
            anyMarked = 1;
        }
        int right = LineNeighbour(me.x + CELL_SPACING, me.y, me.kind);
        int left = LineNeighbour(me.x - CELL_SPACING, me.y, me.kind);
        if (right > 0 && left > 0) {
            me.marked = lineItems[right].marked = lineItems[left].marked = 1;
            anyMarked = 1;
        }
    }
    if (anyMarked) {
        // The lines replace whatever was selected: a bomb pressed in this
        // frame waits, rather than join the lines and change their score.
        ClearSelection();
        for (int i = 1; i <= itemsHigh; i++) {
            if (lineItems[i].marked) AddToSelection(i);
        }
        resolvePending = 1;
        if (swapPhase == SWAP_MEET && swapFirst > 0 && swapSecond > 0) {
            int first = items[swapFirst].kind;
            items[swapFirst].kind = items[swapSecond].kind;
            items[swapSecond].kind = first;
            ClearSwap();
        }
    } else if (swapPhase == SWAP_MEET) {
        swapDir = 2;
        int x = swapFirst > 0 ? items[swapFirst].x : 512;
        PlaySound(45, x);
        PlaySound(6, x);
    }
}
