// The ten player profiles: one record per slot 1..10 (entry 0 unused).
// Written whole to "players<slot>.ppp"; the field order is the file's order.
#pragma once

#include <string>

#include "tables/sizes.h"
#include "tables/table.h"

constexpr int FISH_ORDERS_SAVED = 12;
constexpr int WANTED_ITEMS = 6;
constexpr int PUZZLE_PIECES = 101;      // pieces 1..100

struct TWantedItem {
    int wantedKind = 0, wantedServed = 0, wantedSpare = 0;
};

struct TFishOrder {
    int orderSize = 0;      // items wanted, 1..3; 0 no fish
    int orderX = 0, orderY = 0;
    int orderAge = 0;
    TWantedItem wanted[WANTED_ITEMS + 1];   // 1..6
    int orderSpare1 = 0, orderSpare2 = 0, orderPreferred = 0, fishKind = 0, orderSpare3 = 0;
};

struct TSavedSlot {
    int savedIsMoss = 0, savedPillarCell = 0, savedStonePillarCell = 0;
    int savedItemX = 0, savedItemY = 0, savedItemKind = 0, savedItemSpare = 0;
};

struct TPuzzlePiece {
    int targetX = 0, targetY = 0, x = 0, y = 0, spareA = 0, spareB = 0;
    int hoverGlow = 0, spareC = 0, lift = 0, motion = 0, placed = 0;
};

struct TPlayerProfile {
    int playerGameMode = 0, spare1 = 0, itemSet = 0, spare2 = 0, spare3 = 0;
    int playerProgress = 0, puzzlePending = 0, spare4 = 0, savedLevelFlag = 0, spare5 = 0;
    int playerHelpSetting = 0, playerRandomId = 0, spare6 = 0, playerLevelSeconds = 0, spare7 = 0;
    int playerScore = 0, playerUnlocked = 0, spare8 = 0, spare9 = 0, spare10 = 0;
    int spare11 = 0, savedLevelScore = 0, spare12 = 0, spare13 = 0, spare14 = 0;
    int spare15 = 0, playerItemsCleared = 0, playerMossCleared = 0, playerStonesCollected = 0;
    int spare16 = 0, spare17 = 0, playerMatches = 0;
    int spareTable[31] = {};                // 1..30
    int playerOrdersServed = 0, spare18 = 0;
    TFishOrder fishOrders[FISH_ORDER_SLOTS];    // 1..22 in play, 1..12 saved
    TSavedSlot savedSlots[BOARD_SLOTS];         // 1..200
    int powerupTarget[8] = {};              // 1..7
    TPuzzlePiece puzzlePieces[PUZZLE_PIECES];
    int firstPick = 0, secondPick = 0;
    std::u16string playerName;              // empty: the slot is free
};

extern Table<TPlayerProfile, PLAYER_SLOTS> players;
constexpr int PLAYER_ORDER_SLOTS = 16;  // ranks 1..10 used
// The slots by total score, best first (the player list's order).
extern Table<int, PLAYER_ORDER_SLOTS> playerOrder;
// The bytes each slot's file last received, so a save that would write the
// same bytes again leaves the disk alone; empty until the slot is written.
extern Table<std::string, PLAYER_SLOTS> profileFileBytes;

// Empties every profile (the start-up allocation).
void ClearPlayerTables();

// The current player's record, or a scratch record when none is chosen.
TPlayerProfile& CurrentProfile();
