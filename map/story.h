// The opening story that starts a new game, the closing story after the last
// stage, the blinking power-up holders and the ray pulses behind them, the
// title and the menu.
#pragma once

#include "tables/story_tables.h"

void EnterIntroStory();     // set-up of the opening story screen
void RunIntroStory();       // frame of the opening story screen
void EnterEndingStory();    // set-up of the closing story screen
void RunEndingStory();      // frame of the closing story screen

// The opening story's six pictures, and the closing story's five.
void LoadStoryArt();
void FreeStoryArt();
void LoadEndingArt();
void FreeEndingArt();

// Power-up holder k (1..4) at (x, y), now and then blinking.
void DrawBlinkingHolder(int k, float x, float y);
// The light pulses of the rays picture, at the alpha in use.
void DrawHolderRays(float x, float y);
void DrawTitleRays();
void DrawMenuRays(int x, int y);
