// Level state of the match-3 game, the map position being played, the fish
// order icons and the rising texts of the game screen.
#pragma once

#include <string>

#include "platform/platform.h"
#include "tables/sizes.h"
#include "tables/table.h"

extern int mapPosition;     // 1..120, the position being played
extern int levelNo;         // the level of mapPosition
extern int levelFrame, score, ordersNeeded, mossLeft, stonesLeft;
extern float boardAlpha;
extern int levelEndTimer;
constexpr int LEVEL_DONE = 920;   // levelEndTimer at the results' bookkeeping
extern int levelPosition;       // mapPosition when the game screen was entered
extern int positionInStage;     // 1..10 within the current stage, every frame
extern int puzzleRewardKind;    // 2 while the stage's picture puzzle runs here
extern int continueToLevel;     // 1: the results go on to a level or the map
extern int pillarSoundX, mossSoundX;   // requested this frame, -1 none
extern int timeBonus, timeLimitMinutes;   // the results' time bonus and its minute limit
extern int recordBonus, newRecord;        // 2000 and 1 for a new best time
extern int clockLastTick;       // secondsTimer's count when the level clock last counted
extern TImage levelBackgroundImage;    // the stage's background behind the board

// Where each wanted icon of each fish is drawn this frame, by order slot
// 1..22 and item slot 1..6: the flying items steer to it.
constexpr int ORDER_ICON_SLOTS = 7;
extern Table<Table<float, ORDER_ICON_SLOTS>, FISH_ORDER_SLOTS> orderIconX;
extern Table<Table<float, ORDER_ICON_SLOTS>, FISH_ORDER_SLOTS> orderIconY;

struct TFloatingText {
    int age = 0;        // 0 free; 1 when added, freed at 45
    std::string text;
    int x = 0, y = 0;   // centre and baseline
};
constexpr int FLOATING_TEXT_SLOTS = 21;     // slots 1..20
extern Table<TFloatingText, FLOATING_TEXT_SLOTS> floatingTexts;
extern int orderHigh;       // highest fish order slot created in this level

// Zero-fills the level state (the start-up allocation).
void ClearGameTables();
