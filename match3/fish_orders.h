// The fish waiting around the board with their orders. The orders live in the
// current player's profile (fishOrders), so an unfinished level keeps its fish.
#pragma once

#include "tables/game_tables.h"

// Empties every order slot 1..22 of the current player; the level loader calls
// it when a level starts fresh.
void ClearFishOrders();
// A new fish wanting `count` items (1..6) at (x, y); slot 0 takes the first
// free slot 1..22. Returns the slot, 0 when none is free. Called by the level
// loader for each fish place of the level file.
int CreateOrder(int x, int y, int count, int slot);
// Offers one item of colour `kind` removed at (x, y) to the fish that has
// waited longest for it. Called by every match and every bomb blast.
void ServeOrder(int x, int y, int kind);
// An offered item has reached its fish: the wanted slot is marked arrived and
// cleared on the fish's next frame. Called by the flying token on arrival.
void OrderItemArrived(int orderSlot, int itemSlot);
// Each frame of play: ages, draws and renews the fish, and places the icons
// that the flying items steer to.
void UpdateFishOrders();
