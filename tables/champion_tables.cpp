#include "tables/champion_tables.h"

Table<int, CHAMPION_SLOTS> champScore{"champScore"};
Table<int, CHAMPION_SLOTS> champProgress{"champProgress"};
Table<std::u16string, CHAMPION_SLOTS> champName{"champName"};

void ClearChampionTables() {
    champScore.Clear();
    champProgress.Clear();
    champName.Clear();
}
