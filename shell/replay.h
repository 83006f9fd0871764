// Played games as small text files, one input event a line with the frame
// that sees it: "120 move 400 300", "121 button 1 1", "130 key 27 1",
// "131 char 65", "140 app 257", "150 close". Pointer positions are in window
// pixels, as the platform reports them.
#pragma once

#include <string>

// Every input event from now on is kept for the file at `path`.
void StartRecording(const std::string& path);
// Writes the kept events to the file; 1 when it was saved.
int StopRecording();
// Reads a recorded game for replaying; the number of events read, 0 when
// the file is missing or holds none.
int LoadReplay(const std::string& path);
// Before the input of frame `frame`: feeds that frame's recorded events to the
// platform as if they had just happened. Nothing when no replay is loaded.
int ApplyReplayFrame(int frame);
// The frame of the last recorded event, 0 when no replay is loaded.
int ReplayLastFrame();
void StopReplay();
