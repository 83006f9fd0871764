// The pictures of the board: column strips, border pieces, cell glow, moss,
// the hit mask and chain mark, the item sets, arrows, the upper status bar and
// the fish order bubbles. A picture that is missing stays empty and is skipped
// when drawn.
#pragma once

#include "tables/board_art_tables.h"

// Loads every board picture; once during start-up, after the menu pictures.
void LoadBoardArt();
