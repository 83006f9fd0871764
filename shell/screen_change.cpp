// The fade between screens and the dispatch to the next screen's set-up, and
// the stage of the current player's map position.
#include "map/map.h"
#include "map/story.h"
#include "match3/game_screen.h"
#include "menus/menu.h"
#include "shell/shell.h"
#include "shell/splash.h"
#include "shell/title.h"
#include "tables/level_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"

void BeginScreenChange(int target, int param) {
    nextScreen = target;
    nextScreenParam = param;
    fadeState = FADE_OUT;
    fadeLevel = 256;
    mouseHitLeft = 0;
    ClearKeys();
}

void StartFadeIn() {
    fadeLevel = 0;
    fadeState = FADE_IN;
}

// Runs the set-up of the requested screen; every set-up ends with StartFadeIn.
static void EnterNextScreen() {
    switch (nextScreen) {
    case SCREEN_MENU: EnterMainMenu(); break;
    case SCREEN_MATCH3: EnterGameScreen(); break;
    case SCREEN_MAP: EnterMap(); break;
    case SCREEN_STORY: EnterStory(); break;
    case SCREEN_ENDING: EnterEnding(); break;
    case SCREEN_QUIT: quitRequested = 1; break;
    case SCREEN_SPLASH: EnterSplashPage(nextScreenParam); break;
    case SCREEN_TITLE: EnterTitle(); break;
    default: break;
    }
}

// 17 frames out (256, 240, ... 0, -16), the set-up in the frame that reaches
// -16, then 16 frames in (0, 16, ... 256).
void UpdateScreenChange() {
    if (fadeState == FADE_OUT) {
        if (fadeLevel >= -15) fadeLevel -= 16;
        if (fadeLevel == -16) EnterNextScreen();
    } else if (fadeLevel < 255) {
        fadeLevel += 16;
    }
    SetColor(fadeLevel, fadeLevel, fadeLevel);
}

int CurrentStage() {
    int progress = CurrentProfile().playerProgress;
    int stage = 1;
    for (int i = 1; i <= 12; i++)
        if (progress > stageEnd[i]) stage = i + 1;
    if (stage < 1) stage = 1;
    if (stage > 12) stage = 12;
    return stage;
}

int PositionInStage() {
    return CurrentProfile().playerProgress - stageEnd[currentStage - 1];
}
