// Modal dialogs drawn over the screens: at most one at a time, fading in over
// 16 frames and reacting only while fully open.
#pragma once

#include <string>

#include "tables/menu_tables.h"

// Opens a dialog of this kind (replacing any one shown) and starts its fade.
void OpenDialog(int kind);
// Starts closing the dialog shown.
void CloseDialog();
// End of every screen's frame: the fade and the dialog of dialogKind.
void RunDialogs();
// The help pages of the match-3 game (dialog 447).
void DrawHelpPages();
// One 3 x 3 sketch of the board centred at (x, y): items (picture indices,
// 0 none), marks (1 marked), cover (1 moss, 2 and more a glow picture), the
// twelve connectors' arrow pictures and the pointer's cell (0 none), each
// cell numbered 1..9 row by row; the tables are read from index 1.
void DrawBoardSketch(int x, int y, const int* items, const int* marks, const int* cover, const int* arrows,
                     int pointer);

// The options dialog's slider knob: 0 idle, 2 hovered, 3 clicked, 4 held.
int DrawSliderKnob(int x, int y, int image, int layer);
// Tidies the name just entered: blanks trimmed, an empty name replaced.
int FinishName();

// The dialogs' pages, drawn by RunDialogs with the dialog's alpha set.
void DrawOptionsDialog();
void DrawPlayerList();
void DrawNewPlayerDialog();
void DrawDeletePlayerDialog();

// Pieces of the common layout shared by the dialogs' pages.
void SmallDialogLayout(int heading);
void MediumDialogLayout(int heading);
void DrawDialogLine(int text, int x, float y);
// A dialog button (button picture 3) clicked in this frame.
int DialogButton(int x, int y, int text);
int DialogFullyOpen();
