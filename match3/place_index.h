// What stands at a place on the board, found without scanning every slot: the
// rules ask it hundreds of times a frame (every resting item its cell, every
// line its neighbours), and a scan each time made a full board's frame cost
// some ten thousand times the slots.
#pragma once

#include "tables/sizes.h"

struct TPlaced {
    int x, y, slot;
};

// Places in order of x, then y, then slot: those at one place lie together,
// in slot order.
struct TPlaceIndex {
    TPlaced entries[BOARD_SLOTS];
    int count = 0;
};

void ClearPlaces(TPlaceIndex& index);
void AddPlace(TPlaceIndex& index, int x, int y, int slot);   // slots added in increasing order
void SortPlaces(TPlaceIndex& index);

// The entries at (x, y), in slot order, from *first to *last (exclusive).
void PlacesAt(const TPlaceIndex& index, int x, int y, const TPlaced*& first, const TPlaced*& last);
