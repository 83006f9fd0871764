// The fade between screens and the dispatch to the next screen's set-up, and
// the stage of the current player's map position.
#include "shell/screen_change.h"

#include "shell/shell.h"
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

// 17 frames out (256, 240, ... 0, -16), the set-up in the frame that reaches
// -16, then 16 frames in (0, 16, ... 256). Every set-up ends with StartFadeIn,
// which ends the fade-out.
void UpdateScreenChange() {
    if (fadeState == FADE_OUT) {
        if (fadeLevel >= -15) fadeLevel -= 16;
        if (fadeLevel == -16) EnterScreen(nextScreen, nextScreenParam);
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
