// The title animation of 430 frames between the branding pages and the menu.
#pragma once

extern int titleFrame;      // frames since the title was entered
extern int loadBarY;        // y of the loading bar, 1068 below the screen at first

// Set-up of the title: the sounds, the title music, the fade-in.
void EnterTitle();
// Frame of the title; hands over to the menu without a fade at frame 430.
void RunTitleScreen();
