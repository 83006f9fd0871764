// The board's slot tables: adding cells and items, and the border pieces that
// frame the live cells. Neighbours are found by position: one coordinate equal
// and the other exactly CELL_SPACING pixels apart.
#pragma once

#include "match3/board_geometry.h"

// Takes the first free cell slot (exists 0) and fills it; returns the slot,
// 0 when all 200 are taken. Used by the level loader and by tests.
int AddCell(int x, int y, int exists, int isMoss, int stoneSource, int pillarCell, int stonePillarCell);
// Takes the first free item slot (kind 0); returns the slot or 0 when full.
// `height` keeps the value of the slot's earlier item. Called wherever items
// appear: the level loader, refills, fish orders, bombs made by matches.
int AddItem(int x, int y, int kind);
// Removes an item: its kind, its cellIndex and its cell's itemOnCell go to 0.
void RemoveItemSlot(int item);

// Neighbour flags of the live cell in `slot` among the other live cells.
int CellNeighbours(int slot);
// Gives every live cell its border kind; the level loader calls it once all
// cells exist.
void ApplyBorderKinds();
