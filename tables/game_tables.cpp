#include "tables/game_tables.h"

int mapPosition, levelNo;
int levelFrame, score, ordersNeeded, mossLeft, stonesLeft;
float boardAlpha;
int levelEndTimer;
int orderHigh = 0;

void ClearGameTables() {
    mapPosition = levelNo = 0;
    levelFrame = score = ordersNeeded = mossLeft = stonesLeft = 0;
    boardAlpha = 0.0f;
    levelEndTimer = 0;
    orderHigh = 0;
}
