// The stage map is not built yet: its screen is entered and stays black.
#include "map/map.h"

#include "audio/audio.h"
#include "shell/shell.h"
#include "tables/game_tables.h"
#include "tables/shell_tables.h"

void EnterMap() {
    prevScreen = gameScreen;
    // From the menu the title music goes on; after a level the results music does.
    if (gameScreen != SCREEN_MENU && levelEndTimer == 0) PlayMusic("titel.ogg");
    inputEnabled = 1;
    pauseOverlay = -1;
    gameScreen = SCREEN_MAP;
    StartFadeIn();
}

void RunMap() {}
