// Runs the whole game inside a test, frame by frame, headless and in virtual
// time, with scripted input in the game's logical coordinates.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DriverOptions {
    std::string settings;       // written as "settings.txt" before start-up; empty: a first run
    uint32_t seed = 1;          // the random seed, set right after start-up
    int keepSaveFolder = 0;     // 1: the save folder of the previous run is used again
    std::string workFolder;     // the game's working folder; empty: the run folder
    int showSplash = 0;         // 1: start-up shows the branding pages; 0: a test begins on the title
};

// A fresh save folder, the headless platform, virtual time, then the game's
// start-up up to the main loop; returns what PrepareGame gives (GAME_READY 1).
int DriverStart(const DriverOptions& options = {});
// n passes of the main loop (input, frame, flip, next tick) with no waiting.
void DriverFrames(int n);
// The pointer at a logical point (1024 x 768), as the window would report it.
void DriverPointer(int logicalX, int logicalY);
void DriverButton(int button, int down);
// Moves there, presses the left button, runs one frame, releases, runs one frame.
void DriverClick(int logicalX, int logicalY);
void DriverKey(int vk, int down);
void DriverType(const std::u16string& text);
void DriverFocus(int gained);       // 0: the window loses the focus
void DriverCloseBox();
// 0xAARRGGBB of the last rendered frame at logical (x, y); 0 outside.
uint32_t DriverPixel(int x, int y);
// Ends the run: display, lock, virtual time, the temporary save folder.
void DriverStop();
// A new working folder that sees the run folder's data except the entries
// named in `hidden` ("branding" for a folder, "UI/cursor.png" for one file of
// a folder of data/; letter case ignored).
std::string DriverMakeWorkFolder(const std::vector<std::string>& hidden);
