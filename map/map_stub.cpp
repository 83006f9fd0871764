// The stage map is not built yet: its screen is entered and stays black.
#include "map/map.h"

#include "shell/shell.h"
#include "tables/shell_tables.h"

void EnterMap() {
    prevScreen = gameScreen;
    inputEnabled = 1;
    pauseOverlay = -1;
    gameScreen = SCREEN_MAP;
    StartFadeIn();
}

void RunMap() {}

// The map has no pictures of its own yet.
void FreeMapArt() {}
