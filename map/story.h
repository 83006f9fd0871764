// The opening story and the closing story after the last stage.
#pragma once

void EnterStory();      // set-up of the opening story screen
void RunStory();        // frame of the opening story screen
void EnterEnding();     // set-up of the closing story screen
void RunEnding();       // frame of the closing story screen
// The slow light pulse behind the title (drawn with the rays picture).
void DrawTitleRays();
// The rays in the corners of the menu.
void DrawMenuRays(int x, int y);
