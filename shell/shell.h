// The main loop, screen changes, start-up and settings.
#pragma once

void RunGame();                 // the program: returns when the game ends
// RunGame's steps before the loop: 1 ready, 0 another copy runs, -1 start-up
// failed (a broken installation).
int PrepareGame();
// One pass of the loop: the input, the frame, the flip and the wait for the
// next tick (sync 1 waits for the display refresh too).
void RunLoopPass(int sync);
void PollInput();               // start of every frame: the input snapshot
void RunFrame();                // one frame between Cls and Flip
void CountFrame();
void BeginScreenChange(int target, int param);
void StartFadeIn();             // last step of every screen set-up
void UpdateScreenChange();
int CurrentStage();
int PositionInStage();

int StartUp();                  // settings, profiles, display, assets, first splash page
int CheckSingleInstance();      // 0 when another copy runs
void FindSaveFolder();
void ReadSettings();
void SaveSettings(int resetToDefaults);
void OpenGameDisplay();
void ToggleFullScreen();
