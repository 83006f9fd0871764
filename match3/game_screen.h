// The match-3 game screen: one level from its set-up to its results.
#pragma once

void EnterGameScreen();     // set-up of the match-3 screen
void GameScreenFrame();     // frame of the match-3 screen
// Adds points to the level's score (never below 0); with x >= 0 the points
// rise from (x, y) as a floating text.
void AddScore(int x, int y, int points);
// The start banner's scale and alpha at a level frame; alpha 0 when hidden.
void StartBannerLook(int frame, float& scale, float& alpha);
