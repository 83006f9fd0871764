// The stage map's state and pictures: where the twelve signs stand, which
// stage's popup is open, how far each position icon has grown, and the
// pictures of the map, its signs and its popup.
// Defined in tables/stage_map_tables.cpp; cleared by ClearStageMapTables at start-up.
#pragma once

#include "platform/platform.h"
#include "tables/sizes.h"
#include "tables/table.h"

constexpr int STAGE_SLOTS = STAGE_COUNT + 1;    // stages 1..12
constexpr int ICON_GROW_SLOTS = 221;            // map positions 1..220
constexpr int ICON_GROW_FULL = 10;
constexpr int POSITION_ICONS = 5;               // icons of position kinds 1 and 4

// The signs stand in four columns and three rows; stage j sits in row
// (j - 1) / 4 + 1 and column (j - 1) % 4 + 1.
constexpr int SIGN_COLUMNS = 4;
constexpr int SIGN_ROWS = 3;
constexpr int MAP_TOP = 430;                    // the vertical anchor of the sign grid
constexpr int SIGN_COLUMN_X[SIGN_COLUMNS + 1] = {0, 215, 415, 615, 815};
constexpr int SIGN_ROW_DY[SIGN_ROWS + 1] = {0, -235, -55, 125};   // from MAP_TOP

// The full picture of a sign is cut into bands for the fill and into rows of
// one pixel for its bright edge. The generator draws the signs to this size.
constexpr int SIGN_WIDTH = 150;
constexpr int SIGN_HEIGHT = 153;
constexpr int SIGN_DRAW_DY = -6;                // the sign hangs this far above its centre
constexpr int FILL_BAND_HEIGHT = 11;
constexpr int FILL_BANDS = 13;
constexpr int FILL_BANDS_DRAWN = 11;            // bands 0..10; the two lowest stay under the name plate
constexpr int FILL_EDGE_ROWS = 152;

// The stage popup: the ten icons in a row, each 53 apart, and the box in
// which the pointer chooses one.
constexpr int POPUP_ICON_FIRST_X = 275;
constexpr int POPUP_ICON_STEP = 53;
constexpr int POPUP_ICON_Y = 550;
constexpr int POPUP_ICON_REACH = 25;
constexpr int POPUP_CLOSE_X = 512;
constexpr int POPUP_CLOSE_Y = 619;
// The level preview is the board at half size with its origin here; the
// picture puzzle's preview is a 5 x 4 grid of half-size tiles.
constexpr int PREVIEW_LEFT = 250;
constexpr int PREVIEW_TOP = 130;
constexpr int PUZZLE_PREVIEW_X = 354;
constexpr int PUZZLE_PREVIEW_Y = 200;
constexpr int PUZZLE_PREVIEW_WIDTH = 320;
constexpr int PUZZLE_PREVIEW_HEIGHT = 240;

// ---- map buttons
constexpr int MAP_BACK_X = 87, MAP_HELP_X = 937, MAP_BUTTON_Y = 741;
constexpr int MAP_CONTINUE_X = 512, MAP_CONTINUE_Y = 737;

// ---- map state
extern int mapFrame;    // frames since the map was entered
extern int mapTop;      // MAP_TOP, set every frame
extern Table<int, STAGE_SLOTS> signX, signY;   // centre of each stage's sign
extern int popupStage;  // the stage whose popup is open, 1..12
extern Table<int, ICON_GROW_SLOTS> iconGrow;   // per map position, 0..10

// ---- map pictures
extern TImage stageMapTitleImage, signFrameImage, mapPopupImage;
extern Table<TImage, STAGE_SLOTS> stageFillRows, stageFillEdge, stageFullImage, stageSignImage;
extern Table<TImage, POSITION_ICONS> positionIcon;
extern TImage mapBorderLeft, mapBorderTop, mapBorderBottom;
extern TImage popupSignImage, popupPreviewImage;

// Releases every picture above and zeroes the state (the start-up allocation).
void ClearStageMapTables();
