#include "tables/player_tables.h"

#include "tables/shell_tables.h"

Table<TPlayerProfile, PLAYER_SLOTS> players{"players"};
Table<int, PLAYER_ORDER_SLOTS> playerOrder{"playerOrder"};

// With no player chosen the callers still get a record to read; it is the
// unused entry 0, emptied again on every call so nothing sticks to it.
TPlayerProfile& CurrentProfile() {
    if (currentPlayer >= 1 && currentPlayer < PLAYER_SLOTS) return players[currentPlayer];
    players[0] = TPlayerProfile{};
    return players[0];
}

void ClearPlayerTables() {
    players.Clear();
    playerOrder.Clear();
}
