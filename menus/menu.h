// The main menu, the button control and the interface pictures.
#pragma once

#include <string>

#include "tables/menu_tables.h"

void LoadInterfaceArt();    // asset loading, auto-centring on
void LoadMenuArt();         // asset loading and menu set-up
void FreeMenuArt();
void EnterMainMenu();       // set-up of the menu screen
void RunMainMenu();         // frame of the menu screen
int DrawButton(int x, int y, int image, int layer, const std::string& caption);
