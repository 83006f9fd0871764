// Where a level's board, its fish and the game screen's furniture stand on the
// 1024 x 768 logical screen. The layout rules measure every level against
// these boxes, so the board and the waiting fish never hide the status bars,
// the power-up shells or the mode buttons, nor each other.
#pragma once

#include "tables/board_geometry.h"  // the game's own cell places, board picture and strips
#include "match3/level_facts.h"
#include "tables/level_codes.h"
#include "tables/sizes.h"  // the game's own limits

constexpr int LEVEL_COLUMNS_IN_FILE = LEVEL_COLS;
static_assert(LEVEL_CODES == LEVEL_ROWS * LEVEL_COLUMNS_IN_FILE, "a level file is 15 rows of 20 codes");
constexpr int LEVEL_COUNT = LEVEL_FILES;
constexpr int LEVELS_PER_STAGE = 9;

constexpr int SCREEN_W = SCREEN_WIDTH;
constexpr int SCREEN_H = SCREEN_HEIGHT;
constexpr int BOARD_SLOT_LIMIT = BOARD_LAST_SLOT;
constexpr int FISH_SLOT_LIMIT = 22;
// The small bubble around each wanted item icon.
constexpr int ICON_RADIUS = 26;
// Icons wobble this many degrees either way; the fish bobs 2 pixels.
constexpr int ICON_WOBBLE = 15;
constexpr int FISH_BOB = 2;

// The room the game screen's pictures keep to, which every level is measured
// against: the status bars centred at (512, 44) and (512, 726) keep their ink
// above y 76 and below y 700; the shells at y 701, drawn 12 pixels lower, keep
// theirs within 55 pixels either side and below y 650; the mode buttons
// centred at y 717 within 52 pixels either side and below y 672.
constexpr int TOP_BAR_BOTTOM = 76;
constexpr int BOTTOM_BAR_TOP = 700;
constexpr int SHELL_X[4] = {106, 268, 756, 918};
constexpr int SHELL_Y = 713;
constexpr int SHELL_HALF_W = 55;
constexpr int SHELL_TOP = 650;
constexpr int BUTTON_X[3] = {402, 512, 622};
constexpr int BUTTON_HALF_W = 52;
constexpr int BUTTON_TOP = 672;
// The ring radius and the outermost icon angles (degrees, 90 straight below
// the fish) of an order of 1, 2 or 3 items.
constexpr int ICON_RING[4] = {0, 63, 86, 111};
constexpr int ICON_FIRST_ANGLE[4] = {0, 90, 72, 64};
constexpr int ICON_LAST_ANGLE[4] = {0, 90, 108, 116};
// A fish keeps its picture within 48 pixels beside and 46 above and below its
// place; its order bubble holds the icons and reaches no further than they do.
constexpr int FISH_HALF_WIDTH = 48;
constexpr int FISH_HALF_HEIGHT = 46;
// The item picture inside an icon's small bubble is drawn this much lower.
constexpr int ICON_ITEM_DROP = 2;

struct TBox {
    int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
};

// The screen furniture of the game screen that a board or fish must keep clear of.
// Returns the number of boxes written (at most 16).
int ScreenFurniture(TBox boxes[16], const char* names[16]);

// The composed board picture, where the game draws it; every piece of the
// board frame must land inside it.
TBox BoardPictureBox();

// The box of the board frame around the cell at row r, column c.
TBox CellFrameBox(int r, int c);

// The box a fish at row r, column c with an order of n items fills, its icons included.
TBox FishBox(int r, int c, int n);

int BoxesOverlap(const TBox& a, const TBox& b);
int BoxInside(const TBox& inner, const TBox& outer);
