// The main loop, the start-up and the screen table.
#pragma once

#include "shell/screen_change.h"
#include "shell/settings.h"

// What PrepareGame reports.
enum {
    GAME_READY = 1,
    GAME_OTHER_COPY = 0,        // another copy runs: leave silently
    GAME_BROKEN = -1,           // a broken installation, already reported
    GAME_NO_DISPLAY = -2,       // the platform or the display cannot start
};

void RunGame();                 // the program: returns when the game ends
// RunGame's steps before the loop, one of the values above.
int PrepareGame();
// One pass of the loop: the input, the frame, the flip and the wait for the
// next tick (sync 1 waits for the display refresh too).
void RunLoopPass(int sync);
void PollInput();               // start of every frame: the input snapshot
void RunFrame();                // one frame between Cls and Flip
void CountFrame();
void UpdateScreenChange();      // the fade step of every frame

// The screen table: the set-up and the frame function of every screen.
void EnterScreen(int screen, int param);    // SCREEN_QUIT ends the loop
void RunScreenFrame(int screen);            // any other number runs nothing

// Settings, profiles, display, assets, first splash page: GAME_READY, or
// GAME_NO_DISPLAY or GAME_BROKEN when the game cannot go on.
int StartUp();
int CheckSingleInstance();      // 0 when another copy runs
void FindSaveFolder();
