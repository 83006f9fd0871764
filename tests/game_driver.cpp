#include "tests/game_driver.h"

#include "shell/shell.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/board_driver.h"
#include "tests/driver.h"

int GameStartLevel(int position, int mode, uint32_t seed, int help) {
    if (DriverStart() != 1) return 0;
    SeedRandom(seed);
    SeedPlanner(seed);
    currentPlayer = 1;
    TPlayerProfile& player = players[1];
    player = TPlayerProfile{};
    player.playerName = u"Tester";
    player.playerGameMode = mode;
    player.itemSet = 1;
    player.playerProgress = position;
    player.playerUnlocked = position;
    player.playerHelpSetting = help ? 3 : 0;
    mapPosition = position;
    inputEnabled = 1;   // the menu switches the mouse on, on the player's way to a level
    BeginScreenChange(SCREEN_MATCH3, 0);
    for (int frame = 0; frame < 40 && gameScreen != SCREEN_MATCH3; frame++) DriverFrames(1);
    return gameScreen == SCREEN_MATCH3 ? 1 : 0;
}

int GamePlayToWin(int limit) {
    TPlanner planner;
    const int mode = CurrentProfile().playerGameMode;
    for (int frame = 1; frame <= limit; frame++) {
        if (const TPlanStep* step = NextPlanStep(planner, mode)) {
            DriverPointer(step->x, step->y);
            DriverButton(1, step->down);
        }
        DriverFrames(1);
        if (levelEndTimer >= 1) return frame;
    }
    return -1;
}
