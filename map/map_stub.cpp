// The stage map is not built yet: its screen shows the background and sends
// the player on to the newest position with a click or Enter.
#include "map/map.h"

#include "audio/audio.h"
#include "menus/dialogs.h"
#include "shell/assets.h"
#include "shell/shell.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "shell/screen_change.h"
#include "tables/shell_tables.h"

void EnterMap() {
    prevScreen = gameScreen;
    if (gameScreen == SCREEN_MATCH3) FreeImage(levelBackgroundImage);
    LoadBackgroundImage();
    // From the menu the title music goes on; after a level the results music does.
    if (gameScreen != SCREEN_MENU && levelEndTimer == 0) PlayMusic("titel.ogg");
    inputEnabled = 1;
    // The in-game menu that led here stays open through the change.
    dialogOpenLevel = 0;
    pauseOverlay = -1;
    gameScreen = SCREEN_MAP;
    StartFadeIn();
}

void RunMap() {
    SetColor(fadeLevel, fadeLevel, fadeLevel);
    SetBlend(BLEND_SOLID);
    DrawPicture(screenBackground, 0, 0);
    SetBlend(BLEND_ALPHA);
    inputLayer = dialogOpenLevel > 0 ? LAYER_DIALOG : LAYER_SCREEN;
    if (fadeState == FADE_IN && fadeLevel >= 255 && dialogOpenLevel == 0 && (mouseHitLeft == 1 || keyEnter == 1) &&
        currentPlayer >= 1) {
        TPlayerProfile& player = CurrentProfile();
        if (player.playerUnlocked < 1) player.playerUnlocked = 1;
        player.playerProgress = player.playerUnlocked;
        mapPosition = player.playerProgress;
        BeginScreenChange(SCREEN_MATCH3, 0);
    }
    RunDialogs();
}

// The map has no pictures of its own yet.
void FreeMapArt() {}
void DrawStagePopup() {}
