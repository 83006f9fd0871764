#include "match3/place_index.h"

#include <algorithm>

namespace {

bool Before(const TPlaced& a, const TPlaced& b) {
    if (a.x != b.x) return a.x < b.x;
    return a.y < b.y;
}

}  // namespace

void ClearPlaces(TPlaceIndex& index) {
    index.count = 0;
}

void AddPlace(TPlaceIndex& index, int x, int y, int slot) {
    if (index.count >= BOARD_SLOTS) return;
    index.entries[index.count++] = TPlaced{x, y, slot};
}

void SortPlaces(TPlaceIndex& index) {
    // Stable, so that the slots of one place keep the order they were added in.
    std::stable_sort(index.entries, index.entries + index.count, Before);
}

void PlacesAt(const TPlaceIndex& index, int x, int y, const TPlaced*& first, const TPlaced*& last) {
    const TPlaced key{x, y, 0};
    const auto range = std::equal_range(index.entries, index.entries + index.count, key, Before);
    first = range.first;
    last = range.second;
}
