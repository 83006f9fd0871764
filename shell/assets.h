// The game's picture loader and the order in which everything is loaded.
#pragma once

#include <string>

#include "platform/platform.h"

// Loads masked and filtered; a missing file prints "error LoadIm <path>".
TImage LoadPicture(const std::string& path);
// A strip of count cells; a missing file prints "error LoadAnimIm <path>".
TImage LoadPictureStrip(const std::string& path, int cellWidth, int cellHeight, int count);
void DrawPicture(TImage image, float x, float y);
void DrawPictureFrame(TImage image, float x, float y, int frame, int lastFrame);
void LoadShellImages();
void LoadBackgroundImage();
void LoadEffectArt();
// Every subsystem's loader in its fixed order; 0 when the installation is
// broken (a level file missing or short) and the game cannot start.
int LoadAllAssets();
