#include "tables/best_time_tables.h"

Table<int, BEST_TIME_SLOTS> bestTime;
Table<std::string, BEST_TIME_SLOTS> bestTimeName;

void ClearBestTimeTables() {
    bestTime.name = "bestTime";
    bestTimeName.name = "bestTimeName";
    bestTime.Fill(-1);
    bestTimeName.Clear();
}
