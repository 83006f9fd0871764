// Plays levels on the real game screen through the whole loop, with the
// simple player's moves as scripted pointer input in virtual time.
#pragma once

#include <cstdint>

// Starts the game (a first run), makes player 1 at map position `position` in
// game mode `mode`, help off unless `help` is 1, and enters the game screen;
// 1 once the level's first frame has run, 0 when that failed.
int GameStartLevel(int position, int mode, uint32_t seed, int help = 0);
// Plays moves until the level is won (levelEndTimer becomes 1) or `limit`
// frames have passed; returns the frames played, -1 when the level was not won.
int GamePlayToWin(int limit);
