// The stage map is not built yet: its screen is entered and stays black.
#include "map/map.h"

#include "shell/screen_change.h"
#include "tables/shell_tables.h"

void EnterMap() {
    prevScreen = gameScreen;
    inputEnabled = 1;
    pauseOverlay = -1;
    gameScreen = SCREEN_MAP;
    StartFadeIn();
}

void RunMap() {}
