#include "match3/level_end.h"

#include "menus/menu.h"
#include "tables/game_tables.h"
#include "tables/level_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"

namespace {

// Serving the orders and clearing the moss are the only goals of a level.
void TestForWin() {
    const TPlayerProfile& player = CurrentProfile();
    if (positionKind[player.playerProgress] != POSITION_LEVEL) return;
    if (player.playerOrdersServed >= ordersNeeded && mossLeft <= 0 && levelEndTimer == 0 && endingShown == 0)
        levelEndTimer = 1;
}

}  // namespace

void RunLevelEnd() {
    TestForWin();
    if (levelEndTimer <= 0 || pauseOverlay != -1) return;
    if (levelEndTimer < 499) levelEndTimer++;
}
