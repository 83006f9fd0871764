#include "tables/game_tables.h"

int mapPosition, levelNo;
int levelFrame, score, ordersNeeded, mossLeft, stonesLeft;
float boardAlpha;
int levelEndTimer;
int levelPosition, positionInStage, puzzleRewardKind, continueToLevel;
int pillarSoundX = -1, mossSoundX = -1;
int timeBonus, timeLimitMinutes, recordBonus, newRecord;
int clockLastTick;
TImage levelBackgroundImage;
Table<Table<float, ORDER_ICON_SLOTS>, FISH_ORDER_SLOTS> orderIconX;
Table<Table<float, ORDER_ICON_SLOTS>, FISH_ORDER_SLOTS> orderIconY;
Table<TFloatingText, FLOATING_TEXT_SLOTS> floatingTexts;
int orderHigh = 0;

void ClearGameTables() {
    mapPosition = levelNo = 0;
    levelFrame = score = ordersNeeded = mossLeft = stonesLeft = 0;
    boardAlpha = 0.0f;
    levelEndTimer = 0;
    levelPosition = positionInStage = puzzleRewardKind = continueToLevel = 0;
    pillarSoundX = mossSoundX = -1;
    clockLastTick = 0;
    timeBonus = timeLimitMinutes = recordBonus = newRecord = 0;
    FreeImage(levelBackgroundImage);
    orderIconX.name = "orderIconX";
    orderIconY.name = "orderIconY";
    floatingTexts.name = "floatingTexts";
    orderIconX.Clear();
    orderIconY.Clear();
    floatingTexts.Clear();
    orderHigh = 0;
}
