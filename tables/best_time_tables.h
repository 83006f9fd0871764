// The shortest time of every map position and who set it, shared by every
// player of the machine and kept in "besttimes.ppp".
#pragma once

#include <string>

#include "tables/table.h"

constexpr int BEST_TIME_SLOTS = 201;        // positions 1..200 in the file
constexpr int BEST_TIME_RECORDS = 200;
constexpr int BEST_TIME_NAME_BYTES = 12;

extern Table<int, BEST_TIME_SLOTS> bestTime;                // seconds, -1 none
extern Table<std::string, BEST_TIME_SLOTS> bestTimeName;    // ISO 8859-1

void ClearBestTimeTables();
