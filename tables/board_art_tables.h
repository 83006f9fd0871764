// The pictures of the board: column strips, border pieces, cell glow, moss,
// the hit mask and chain mark, the item sets, arrows, the upper status bar and
// the fish order bubbles.
// Defined in tables/board_art_tables.cpp; cleared by ClearBoardArtTables at start-up.
#pragma once

#include "platform/platform.h"
#include "tables/board_geometry.h"
#include "tables/table.h"

constexpr int ITEM_SETS = 5;        // sets 0..4; only set 1 has pictures
constexpr int ITEM_ART_KINDS = 30;  // picture indices 0..29
constexpr int BORDER_IMAGES = BORDER_KINDS + 1;
constexpr int ARROW_IMAGES = 5;     // 1 right, 2 left, 3 down, 4 up
constexpr int BUBBLE_IMAGES = 4;    // bubbles for 1..3 items

extern Table<TImage, STRIP_LONGEST + 1> cellRowImages;   // 1..11 cells, top-left handle
extern Table<TImage, BORDER_IMAGES> borderImages;        // pieces 1..24, top-left handle
extern TImage cellGlowImage, mossImage, cellMaskImage, cellMarkImage;
extern Table<Table<TImage, ITEM_ART_KINDS>, ITEM_SETS> itemArtImage;   // [set][picture]
extern Table<TImage, ARROW_IMAGES> arrowImages;
extern TImage statusBarTopImage;
extern Table<TImage, BUBBLE_IMAGES> orderBubbleImages;
extern TImage iconBubbleImage;

// Releases every board picture (the start-up allocation).
void ClearBoardArtTables();
