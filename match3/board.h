// The board's slot tables: adding cells and items, and the border pieces that
// frame the board. Neighbours are found by position: one coordinate equal and
// the other exactly 48 pixels apart.
#pragma once

constexpr int CELL_SPACING = 48;

// Neighbour flags of a place, one bit per direction (U, D, L, R and diagonals).
enum {
    NEAR_U = 1, NEAR_D = 2, NEAR_L = 4, NEAR_R = 8,
    NEAR_UL = 16, NEAR_UR = 32, NEAR_DL = 64, NEAR_DR = 128,
};

// Takes the first free cell slot (exists 0) and fills it; returns the slot,
// 0 when all 200 are taken. Used by the level loader and by tests.
int AddCell(int x, int y, int exists, int isMoss, int stoneSource, int pillarCell, int stonePillarCell);
// Takes the first free item slot (kind 0); returns the slot or 0 when full.
// `height` keeps the value of the slot's earlier item. Called wherever items
// appear: the level loader, refills, fish orders, bombs made by matches.
int AddItem(int x, int y, int kind);
// Removes an item: its kind, its cellIndex and its cell's itemOnCell go to 0.
void RemoveItemSlot(int item);

// The border piece 0..24 of a place with these neighbour flags; the last rule
// of the 24 that holds wins, 0 when none holds.
int BorderKind(int nearFlags);
// The neighbour flag of a place lying (dx, dy) from a cell; 0 when not a neighbour.
int NeighbourFlag(int dx, int dy);
// Neighbour flags of the live cell in `slot` among the other live cells.
int CellNeighbours(int slot);
// Gives every live cell its border kind; the level loader calls it once all
// cells exist.
void ApplyBorderKinds();
