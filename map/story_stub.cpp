// The stories are not built yet. Until they are, the opening story's screen
// shows the menu's background and logo and a click, Enter or Space goes on to
// the first position, as the story does when it ends; the closing story's
// screen goes back to the menu the same way.
#include "map/story.h"

#include "shell/pictures.h"
#include "shell/screen_change.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"

namespace {

int StoryPageDone() {
    SetColor(fadeLevel, fadeLevel, fadeLevel);
    SetBlend(BLEND_SOLID);
    DrawPicture(screenBackground, 0, 0);
    SetBlend(BLEND_ALPHA);
    DrawPicture(logoImage, 512, 200);
    if (fadeState != FADE_IN || fadeLevel < 255) return 0;
    return mouseHitLeft == 1 || keyEnter == 1 || keySpace == 1;
}

}  // namespace

void EnterStory() {
    pauseOverlay = -1;
    inputEnabled = 1;
    gameScreen = SCREEN_STORY;
    StartFadeIn();
}

void RunStory() {
    if (!StoryPageDone() || currentPlayer < 1) return;
    TPlayerProfile& player = CurrentProfile();
    if (player.playerProgress < 1) player.playerProgress = 1;
    if (player.playerUnlocked < player.playerProgress) player.playerUnlocked = player.playerProgress;
    mapPosition = player.playerProgress;
    BeginScreenChange(SCREEN_MATCH3, 0);
}

void EnterEnding() {
    pauseOverlay = -1;
    inputEnabled = 1;
    gameScreen = SCREEN_ENDING;
    StartFadeIn();
}

void RunEnding() {
    if (StoryPageDone()) BeginScreenChange(SCREEN_MENU, 0);
}

void DrawTitleRays() {}
void DrawMenuRays(int, int) {}
