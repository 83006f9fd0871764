// The stories are not built yet: their screens are entered and stay black.
#include "map/story.h"

#include "shell/screen_change.h"
#include "tables/shell_tables.h"

void EnterStory() {
    pauseOverlay = -1;
    gameScreen = SCREEN_STORY;
    StartFadeIn();
}

void RunStory() {}

void EnterEnding() {
    pauseOverlay = -1;
    gameScreen = SCREEN_ENDING;
    StartFadeIn();
}

void RunEnding() {}

void DrawTitleRays() {}
void DrawMenuRays(int, int) {}
