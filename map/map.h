// The stage map: the hub between levels.
#pragma once

void EnterMap();    // set-up of the map screen
void RunMap();      // frame of the map screen
// Releases the map's own pictures (when a level starts from the map).
void FreeMapArt();
// The stage popup (dialog 551): the chosen stage's positions.
void DrawStagePopup();
