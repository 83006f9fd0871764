// The two story screens: the page being told, the parchment's place, the
// blink of each power-up holder and the stories' own pictures.
// Defined in tables/story_tables.cpp; cleared by ClearStoryTables at start-up.
#pragma once

#include "platform/platform.h"
#include "tables/table.h"

constexpr int HOLDER_BLINK_SLOTS = 5;   // holders 1..4

// ---- the page being told, reset by the set-up of either story
extern int storyPage;           // 1..; the page after the last text page ends the story
extern int storyFrame;          // frames since the page began
extern int storyPageLength;     // frames of the current page, set by the page every frame
extern int parchmentY;          // centre of the parchment
extern int parchmentTargetY;    // where the parchment eases toward

// ---- 0 while a holder's eyes are open, 1..99 while it blinks
extern Table<int, HOLDER_BLINK_SLOTS> holderBlink;

// ---- the stories' pictures (the rays and the holders belong to the shell and the power-ups)
extern TImage storyBackImage, wizardBackImage, parchmentImage;
extern TImage storyBorderLeft, storyBorderTop, storyBorderBottom;

// Releases the pictures and sets the state to its first value (the start-up allocation).
void ClearStoryTables();
