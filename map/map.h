// The stage map: the hub between levels, with its twelve stage signs, the
// popup of a stage's positions and their previews.
#pragma once

void EnterMap();    // set-up of the map screen
void RunMap();      // frame of the map screen
// The map's own pictures; the sign click loads the popup's two pictures itself.
void LoadMapArt();
void FreeMapArt();
// The stage popup (dialog 551): the chosen stage's positions.
void DrawStagePopup();
// The line at the top of the map: where the current player stands.
void DrawMapStatusLine();
// The board of level file `level` at half size, its items drawn as they look
// at map position `position`.
void DrawLevelPreview(int level, int position);
// The open popup's picture puzzle: its picture under the tiles' shadows and bevels.
void DrawPuzzlePreview();
// The item picture of `kind` at map position `position`.
int PreviewItemArt(int position, int kind);
// How far the current player has come in a stage: 0 not reached, 0..9
// positions won while it is being played, 11 once it is complete.
int StagePositionsWon(int stage);
// 1 when the current player may start this map position.
int PositionOpen(int position);
