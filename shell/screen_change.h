// What the screens ask of the shell: a change to another screen with its fade,
// the fade-in that ends every set-up, and where the current player stands.
#pragma once

#include "tables/shell_tables.h"

// Fades out over 17 frames, then runs the set-up of `target` (a screen number
// or SCREEN_QUIT); `param` is the page for SCREEN_SPLASH, else 0. Clears the
// keys and presses, so the click that asked is not seen again.
void BeginScreenChange(int target, int param);
void StartFadeIn();             // last step of every screen set-up
int CurrentStage();             // 1..12, from the current player's last chosen position
int PositionInStage();          // 1..10 inside the current stage
