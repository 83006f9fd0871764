// The main menu, the button control and the interface pictures.
#pragma once

#include <string>

#include "platform/platform.h"
#include "tables/table.h"

extern int playStarted;     // 1 once the player first left the menu for play
extern int endingShown;     // 1 from the end of the closing story to the next level

extern TImage smallPopupImage, mediumPopupImage, buttonHitImage, knobHitImage;
extern Table<TImage, 11> buttonImage;       // 1, 3 and 5..7 (game-mode buttons)
extern Table<TImage, 11> bigButtonImage;    // 8, the menu's play button
extern TImage boardSketchImage, helpMossImage, helpStoneImage, sliderTrackImage;
extern TImage knobImage, checkBoxImage, checkMarkImage, pointerHitImage;
extern TImage menuBorderLeft, menuBorderTop, menuBorderBottom;
extern TImage playerBarImage, createPlayerImage, playerMenuImage;

void LoadInterfaceArt();    // asset loading, auto-centring on
void LoadMenuArt();         // asset loading and menu set-up
void FreeMenuArt();
void ClearInterfaceArt();   // releases the interface pictures (the start-up allocation)
void EnterMainMenu();       // set-up of the menu screen
void RunMainMenu();         // frame of the menu screen
// Draws a button centred at (x, y) and tests it: 0 idle, 2 hovered and able
// to react, 3 clicked in this frame (the click is used up). A button whose
// layer is not inputLayer is drawn at half brightness and never reacts.
int DrawButton(int x, int y, int image, int layer, const std::string& caption);
// The menu's large floating button (bigButtonImage); its hit box stays still.
int DrawBobbingButton(int x, float y, int image, int layer, const std::string& caption);
