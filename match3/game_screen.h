// The match-3 game screen: one level from set-up to results.
#pragma once

void EnterGameScreen();     // set-up of the match-3 screen
void GameScreenFrame();     // frame of the match-3 screen
void AddScore(int x, int y, int points);
