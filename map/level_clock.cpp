#include "map/level_clock.h"

#include "platform/platform.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"

void TickLevelClock() {
    int ticks = Ticks(secondsTimer);
    if (ticks <= clockLastTick) return;
    clockLastTick = ticks;
    if (levelEndTimer == 0) CurrentProfile().playerLevelSeconds++;
}
