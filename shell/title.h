// The title animation of 430 frames between the branding pages and the menu.
#pragma once

#include "tables/shell_tables.h"

// Set-up of the title: the sounds, the title music, the fade-in.
void EnterTitle();
// Frame of the title; hands over to the menu without a fade at frame 430.
void RunTitleScreen();
