// Level state of the match-3 game and the map position being played.
#pragma once

extern int mapPosition;     // 1..120, the position being played
extern int levelNo;         // the level of mapPosition
extern int levelFrame, score, ordersNeeded, mossLeft, stonesLeft;
extern float boardAlpha;
extern int levelEndTimer;
extern int orderHigh;       // highest fish order slot created in this level

// Zero-fills the level state (the start-up allocation).
void ClearGameTables();
