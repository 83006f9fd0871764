// The shell's own pictures, the screen background rule and the order in which
// start-up loads every subsystem's pictures and data.
#pragma once

#include "shell/pictures.h"

void LoadShellImages();
// Chooses screenBackground from the current player's furthest open position;
// the menu, the map and the profile dialogs call it too.
void LoadBackgroundImage();
void LoadEffectArt();
// Every subsystem's loader in its fixed order; 0 when the installation is
// broken (a level file missing or short) and the game cannot start.
int LoadAllAssets();
// The start-up's biggest pictures decoded ahead on a thread of their own, and
// the thread stopped once the start-up has loaded them; how many it decoded
// that the start-up never loaded (0 unless the list is out of date).
void DecodeStartUpPicturesAhead();
void StopDecodingStartUpPictures();
int StartUpPicturesUnused();
