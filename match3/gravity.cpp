// New items and gravity: items fall pixel by pixel into the fixed cells.
#include <climits>

#include "tables/board_geometry.h"
#include "match3/place_index.h"
#include "match3/rules.h"
#include "match3/specials.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/shell_tables.h"

static constexpr int FALL_STEPS = 12;   // pixels per frame at most
static constexpr int LAND_BOUNCE = 6;

// Four colours fall at any moment: colour 1 rests in one 100-frame period and
// colour 2 in the next; the first map position uses colours 1, 2, 3 and 5.
static int ColourAllowed(int colour) {
    if (mapPosition == 1) return colour == 1 || colour == 2 || colour == 3 || colour == 5;
    if (!IsColour(colour)) return 0;
    int oddPeriod = (frameCount / 100) % 2 == 1;
    if (colour == 1 && oddPeriod) return 0;
    if (colour == 2 && !oddPeriod) return 0;
    return 1;
}

int NewItemKind(int plain) {
    int kind;
    do {
        kind = RandomInt(1, 30);
    } while (!ColourAllowed(kind));
    if (plain != 0) return kind;
    if (levelNo >= 3 && RandomInt(1, 300) == 2) kind = ITEM_BOMB;
    return kind;
}

// The first item in slot order that blocks item i at its current height.
static int FirstBlocker(int i) {
    const TItem& me = items[i];
    for (int k = 1; k <= itemsHigh; k++) {
        if (k == i || items[k].kind <= 0 || items[k].x != me.x) continue;
        if (items[k].y > me.y && items[k].y <= me.y + CELL_SPACING) return k;
    }
    return 0;
}

// Lets item i fall up to 12 pixels. Nothing else moves meanwhile, so the
// nearest item below in its column decides how far it gets.
static void FallItem(int i) {
    TItem& me = items[i];
    int nearestBelow = INT_MAX;
    for (int k = 1; k <= itemsHigh; k++) {
        if (k == i || items[k].kind <= 0 || items[k].x != me.x) continue;
        if (items[k].y > me.y && items[k].y < nearestBelow) nearestBelow = items[k].y;
    }
    for (int step = 0; step < FALL_STEPS; step++) {
        if (nearestBelow != INT_MAX && nearestBelow <= me.y + CELL_SPACING) {
            me.falling = 0;
            if (me.bounce == -1) me.bounce = LAND_BOUNCE;
            int blocker = FirstBlocker(i);
            if (IsStone(me.kind) && blocker > 0 && items[blocker].kind == ITEM_FLOOR) CollectStone(i);
            return;
        }
        me.y += 1;
        me.bounce = -1;
    }
}

void ApplyGravity() {
    stonesLeft = 0;
    for (int i = 1; i <= BOARD_LAST_SLOT; i++) {
        if (IsStone(items[i].kind)) stonesLeft++;
    }
    RaiseItemsHigh();
    for (int c = 1; c <= BOARD_LAST_SLOT; c++) cells[c].itemOnCell = 0;
    for (int i = 1; i <= BOARD_LAST_SLOT; i++) items[i].cellIndex = 0;

    for (int i = 1; i <= itemsHigh; i++) {
        if (Falls(items[i].kind) && levelFrame > 50) items[i].falling = 1;
    }
    // Items stand still while the aimed shot is aimed and flying.
    if (powerupState[1] == 0 && levelFrame > 50) {
        for (int i = 1; i <= itemsHigh; i++) {
            if (Falls(items[i].kind)) FallItem(i);
        }
    }
    // A resting item is tied to the last cell at its place, and a cell to the
    // last resting item at its place.
    static TPlaceIndex cellPlaces;
    ClearPlaces(cellPlaces);
    for (int c = 1; c <= BOARD_LAST_SLOT; c++) {
        if (cells[c].exists) AddPlace(cellPlaces, cells[c].x, cells[c].y, c);
    }
    SortPlaces(cellPlaces);
    for (int i = 1; i <= itemsHigh; i++) {
        TItem& item = items[i];
        if (!IsBody(item.kind) || item.falling != 0) continue;
        const TPlaced *first = nullptr, *last = nullptr;
        PlacesAt(cellPlaces, item.x, item.y, first, last);
        for (const TPlaced* at = first; at != last; at++) {
            item.cellIndex = at->slot;
            cells[at->slot].itemOnCell = i;
        }
    }
}
