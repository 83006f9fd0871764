// The main menu, the button control and the interface pictures.
#pragma once

#include <string>

#include "tables/menu_tables.h"

void LoadInterfaceArt();    // asset loading, auto-centring on
void LoadMenuArt();         // asset loading and menu set-up
void FreeMenuArt();
void EnterMainMenu();       // set-up of the menu screen
void RunMainMenu();         // frame of the menu screen
// The greeting of the current player, centred on x, 20 pixels above y.
void DrawWelcomeLine(int x, int y);
// Draws a button centred at (x, y) and tests it: 0 idle, 2 hovered and able
// to react, 3 clicked in this frame (the click is used up). A button whose
// layer is not inputLayer is drawn at half brightness and never reacts.
int DrawButton(int x, int y, int image, int layer, const std::string& caption);
// The menu's large floating button (bigButtonImage); its hit box stays still.
int DrawBobbingButton(int x, float y, int image, int layer, const std::string& caption);
// The deep behind the menu and the map: now and then a fish swims in from a
// side (fewer when the machine is slow), and glows rise from the bottom corners.
void SpawnMenuFlyers();
void SpawnMenuGlows();
