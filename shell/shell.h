// The main loop, screen changes, start-up and settings.
#pragma once

void RunGame();                 // the program: returns when the game ends
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
