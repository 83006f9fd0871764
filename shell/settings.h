// "settings.txt" in the save folder and the display mode it chooses.
#pragma once

#include <string>

#include "tables/shell_tables.h"

std::string SettingsPath();     // the file in the save folder
void ReadSettings();
// 1 first sets the defaults; then the seven settings are written.
void SaveSettings(int resetToDefaults);
// Opens the display in the mode of fullScreen; 0 when no display can be opened.
int OpenGameDisplay();
void ToggleFullScreen();        // the options dialog's switch
