// The champions list: the ten best totals of players who finished the game,
// best first, kept in "adchampions.ppp".
#pragma once

#include <string>

#include "tables/table.h"

constexpr int CHAMPION_SLOTS = 16;      // places 1..10 used
constexpr int CHAMPION_PLACES = 10;
constexpr int CHAMPION_NAME_BYTES = 12;
constexpr int CHAMPION_RECORD_BYTES = 20;
constexpr int CHAMPION_FILE_BYTES = CHAMPION_PLACES * CHAMPION_RECORD_BYTES;

extern Table<int, CHAMPION_SLOTS> champScore;      // 0: an empty place
extern Table<int, CHAMPION_SLOTS> champProgress;   // the map position when the place was taken
extern Table<std::u16string, CHAMPION_SLOTS> champName;

// Empties the list (the start-up allocation).
void ClearChampionTables();
