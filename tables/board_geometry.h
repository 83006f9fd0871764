// The board's shape facts, shared by the game, the art generator and the level
// compiler: cell spacing and centres, the 24 border pieces (which neighbours
// give which piece, where each piece lies, which are drawn live), the board
// picture's box and the longest column strip. Depends on nothing but itself.
#pragma once

// Neighbouring cells are exactly this many pixels apart; every rule finds a
// neighbour by comparing positions with this difference.
constexpr int CELL_SPACING = 48;
constexpr int CELL_HALF = CELL_SPACING / 2;

// The centre of the cell of file column c, row r (both from 1) on the logical
// screen. The preview of the stage map keeps its cells CELL_SPACING * c and
// CELL_SPACING * r, shifted by (-CELL_ORIGIN_X, -CELL_ORIGIN_Y) from these.
constexpr int CELL_ORIGIN_X = -16;
constexpr int CELL_ORIGIN_Y = -20;
constexpr int CellCentreX(int c) { return CELL_SPACING * c + CELL_ORIGIN_X; }
constexpr int CellCentreY(int r) { return CELL_SPACING * r + CELL_ORIGIN_Y; }
constexpr int PreviewCellX(int c) { return CELL_SPACING * c; }
constexpr int PreviewCellY(int r) { return CELL_SPACING * r; }

// The picture of the empty board, composed once per level, and where its
// top-left corner is drawn.
constexpr int BOARD_IMAGE_X = 32;
constexpr int BOARD_IMAGE_Y = 74;
constexpr int BOARD_IMAGE_WIDTH = 960;
constexpr int BOARD_IMAGE_HEIGHT = 620;
// A point of the screen in the board picture's own pixels.
constexpr int BoardImageX(int screenX) { return screenX - BOARD_IMAGE_X; }
constexpr int BoardImageY(int screenY) { return screenY - BOARD_IMAGE_Y; }

// Column strips show 1..STRIP_LONGEST empty cells stacked; a column of the
// board holds at most that many.
constexpr int STRIP_LONGEST = 11;

// The border pieces 1..BORDER_KINDS; 0 is no piece.
constexpr int BORDER_KINDS = 24;
// How far the rim of the frame reaches beyond a cell's square; a piece drawn
// live lies this far left of and above the square's top-left corner.
constexpr int BORDER_REACH = 18;

// Neighbour flags of a place, one bit per direction (U, D, L, R and diagonals).
enum {
    NEAR_U = 1, NEAR_D = 2, NEAR_L = 4, NEAR_R = 8,
    NEAR_UL = 16, NEAR_UR = 32, NEAR_DL = 64, NEAR_DR = 128,
};
// The (column, row) step of each neighbour flag, in flag bit order.
constexpr int NEAR_FLAG_COUNT = 8;
extern const int NEAR_STEP_C[NEAR_FLAG_COUNT];
extern const int NEAR_STEP_R[NEAR_FLAG_COUNT];

// The border piece 0..24 of a place with these neighbour flags; the last rule
// of the 24 that holds wins, 0 when none holds.
int BorderKind(int nearFlags);
// The neighbour flag of a place lying (dx, dy) pixels from a cell; 0 when it
// is not a neighbour.
int NeighbourFlag(int dx, int dy);
// 1 when the piece is drawn live under the board picture each frame rather
// than pasted into it.
int BorderDrawnLive(int kind);
// Where a piece's top-left corner lies, measured from the top-left corner of
// its cell's square; (0, 0) for kind 0 and unknown kinds.
void BorderPieceOffset(int kind, int& dx, int& dy);
