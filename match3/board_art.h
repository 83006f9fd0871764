// The pictures of the board: column strips, border pieces, cell glow, moss,
// the hit mask and chain mark, the item sets, arrows, the upper status bar and
// the fish order bubbles. A picture that is missing stays empty and is skipped
// when drawn.
#pragma once

#include "match3/board_geometry.h"
#include "platform/platform.h"
#include "tables/table.h"

constexpr int ITEM_SETS = 5;        // sets 0..4; only set 1 has pictures
constexpr int ITEM_ART_KINDS = 30;  // picture indices 0..29

extern Table<TImage, STRIP_LONGEST + 1> cellRowImages;   // 1..11 cells, top-left handle
extern Table<TImage, BORDER_KINDS + 1> borderImages;     // pieces 1..24, top-left handle
extern TImage cellGlowImage, mossImage, cellMaskImage, cellMarkImage;
extern Table<Table<TImage, ITEM_ART_KINDS>, ITEM_SETS> itemArtImage;   // [set][picture]
extern Table<TImage, 5> arrowImages;                     // 1 right, 2 left, 3 down, 4 up
extern TImage statusBarTopImage;
extern Table<TImage, 4> orderBubbleImages;               // bubbles for 1..3 items
extern TImage iconBubbleImage;

// Loads every board picture; once during start-up, after the menu pictures.
void LoadBoardArt();
