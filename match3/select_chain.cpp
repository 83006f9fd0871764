// Chain mode: the player holds the left button and drags a path over
// orthogonally adjacent items of one colour; bombs and jokers join any chain.
#include "audio/audio.h"
#include "match3/rules.h"
#include "tables/board_tables.h"
#include "tables/shell_tables.h"

static int ChainPlace(int item) {
    for (int p = 1; p <= chainCount; p++) {
        if (chainItems[p] == item) return p;
    }
    return 0;
}

// Dragging back onto an earlier item of the chain cuts the chain to it.
static void CutChainBackTo(int item) {
    int place = ChainPlace(item);
    if (place == 0) return;
    PlaySound(3, items[item].x);
    for (int p = place + 1; p <= chainCount; p++) {
        int later = chainItems[p];
        chainItems[p] = 0;
        if (later <= 0) continue;
        items[later].inChain = 0;
        int cell = items[later].cellIndex;
        if (cell > 0) {
            cells[cell].chainMark = 0;
            cells[cell].arrowDir = 0;
        }
    }
    chainCount = place;
    chainLast = item;
    int cell = items[item].cellIndex;
    if (cell > 0) cells[cell].arrowDir = 0;
}

static void JoinChain(int item, int direction) {
    int kind = items[item].kind;
    int wild = IsWild(kind);
    if (!(chainColour == 0 || kind == chainColour || wild)) return;
    if (items[item].inChain) return;
    if (chainColour == 0 && !wild) chainColour = kind;
    if (direction != 99 && chainLast > 0) {
        int lastCell = items[chainLast].cellIndex;
        if (lastCell > 0) cells[lastCell].arrowDir = direction;
    }
    chainLast = item;
    AddToSelection(item);
    PlaySound(4, items[item].x);
}

void ChainInput() {
    if (BoardInputAllowed()) {
        for (int i = 1; i <= itemsHigh; i++) {
            if (!IsChainable(items[i].kind) || !ItemUnderPointer(i)) continue;
            int cell = items[i].cellIndex;
            if (cell > 0) cells[cell].glow = 9;
            if (!mouseDownLeft) continue;
            if (items[i].kind == ITEM_BOMB && chainCount == 0) {
                SetOffBomb(i);
                continue;
            }
            idleFrames = 0;
            int direction = 99;
            if (chainCount > 0) direction = chainLast > 0 ? DirectionBetween(chainLast, i) : 0;
            if (cell > 0 && cells[cell].chainMark > 0 && i != chainLast) {
                CutChainBackTo(i);
            } else if (direction != 0) {
                JoinChain(i, direction);
            }
        }
    }
    // Releasing the button ends the chain, whatever it holds.
    if (!mouseDownLeft) resolvePending = 1;
}
