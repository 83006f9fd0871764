// Plays levels on the real game screen through the whole loop: a player is
// made, the level is entered by the screen change, and a simple player makes
// its moves with the scripted pointer, frame by frame in virtual time.
#pragma once

#include <cstdint>

// Starts the game (a first run), makes player 1 at map position `position`
// in game mode `mode` with the help switched off unless `help` is 1, and
// enters the game screen; returns once the level's first frame has run.
// Returns 0 when the game did not start or the screen was not entered.
int GameStartLevel(int position, int mode, uint32_t seed, int help = 0);
// Plays moves until the level is won (levelEndTimer becomes 1) or `limit`
// frames have passed; returns the frames played, -1 when the level was not won.
int GamePlayToWin(int limit);
