// The menus' state: the dialog layer, the menu's flags, and the pictures of
// the buttons, dialogs, help pages and the menu's frame.
// Defined in tables/menu_tables.cpp; cleared by ClearMenuTables at start-up.
#pragma once

#include "platform/platform.h"
#include "tables/table.h"

enum { LAYER_SCREEN = 1, LAYER_DIALOG = 2 };

constexpr int BUTTON_IMAGES = 11;       // button pictures 1..10

// ---- dialogs
extern int dialogOpenLevel;     // 0 closed, rising while a dialog fades in
extern int inputLayer;

// ---- main menu, reset by EnterMainMenu
extern int menuFrame;           // frames since the menu was entered
extern float playButtonAlpha;   // opacity of the play button and the welcome line
extern int playStarted;     // 1 once the player first left the menu for play
extern int endingShown;     // 1 from the end of the closing story to the next level

// ---- interface pictures, shared by the buttons, dialogs and help pages
extern TImage smallPopupImage, mediumPopupImage, buttonHitImage, knobHitImage;
extern Table<TImage, BUTTON_IMAGES> buttonImage;       // 1, 3 and 5..7 (game-mode buttons)
extern Table<TImage, BUTTON_IMAGES> bigButtonImage;    // 8, the menu's play button
extern TImage boardSketchImage, helpMossImage, helpStoneImage, sliderTrackImage;
extern TImage knobImage, checkBoxImage, checkMarkImage, pointerHitImage;

// ---- the menu's own pictures
extern TImage menuBorderLeft, menuBorderTop, menuBorderBottom;
extern TImage playerBarImage, createPlayerImage, playerMenuImage;

// Releases every picture above and sets the state to its first value (the
// start-up allocation).
void ClearMenuTables();
