// The rules of the board: falling and refilling, the selection in the three
// game modes, matching, cascades, hints and the rescue of a board without moves.
// Every step works on the cell and item tables of tables/board_tables.h and is
// called once per frame by the game screen, in its fixed order.
#pragma once

// The kind of every new item: one of the four colours falling at the moment
// (which four changes every 100 frames), now and then a bomb from level 3 on
// unless `plain` is non-zero. Called by the level loader, refills and orders.
int NewItemKind(int plain);

// First board step of every frame: items fall up to 12 pixels, land, bounce,
// and every resting item is tied to the cell under it.
void ApplyGravity();

// Input of the current game mode, after ApplyGravity.
void ChainInput();      // chain mode: drag a path of one colour
void GroupInput();      // group mode: click a connected group
void SwapInput();       // swap mode: pick an item and a neighbour

// Swap mode, every frame after the input: moves the swapped pair and looks for
// lines (FindLines), which also makes the cascade of swap mode.
void AnimateSwap();
void FindLines();

// After the input: removes the selection when it is a match of 3 or more.
void ResolveSelection();

// Hints after the input: group and chain mode, and swap mode. Both also rescue
// a board without moves by turning one colour item into a bomb.
void FindHintGroup();
void FindHintSwap();

// Swap mode, once at frame 5 of a level: re-draws items until no line is left.
void BreakInitialLines();

// 1 when the board accepts the player's pointer in this frame.
int BoardInputAllowed();
// 1 when the pointer's hit shape overlaps the cell mask placed on the item.
int ItemUnderPointer(int item);

// Operations shared by the steps of the rules.
// The direction from item `from` to item `to`: 1 right, 2 left, 3 below,
// 4 above, 0 when they are not orthogonal neighbours CELL_SPACING apart.
int DirectionBetween(int from, int to);
// The last item slot in 1..itemsHigh lying exactly at (x, y) with kind > 0, 0 none.
int ItemAt(int x, int y);
// itemsHigh rises to the highest used item slot; it never falls here.
void RaiseItemsHigh();
// Appends an item to the selection: its place in chainItems, its cell's
// chainMark and its inChain flag.
void AddToSelection(int item);
// Empties the selection: no items, no last item, no chain colour.
void ClearSelection();
// The flood of a connected group: FLOOD_PASSES passes over the items in slot
// order, each giving `reach` to every item of the same kind next to an item
// that `reached` says is in. An item reached early in a pass is looked at
// later in the same pass, so a group may reach further than the passes.
constexpr int FLOOD_PASSES = 7;
void FloodSameKind(int (*reached)(int item), void (*reach)(int item));
// The bomb under the pointer is set off at once: a selection of 3 whose only
// entry is the bomb, resolved in this frame.
void SetOffBomb(int item);
// Removes an item of the board as a match or blast does: a refill falls in
// from (x, -20), its vanish effect is shown and the points are scored.
void RemoveBoardItem(int item, int points);
// The colour code of effects (glows, sparkles) for an item kind.
int EffectColour(int kind);
