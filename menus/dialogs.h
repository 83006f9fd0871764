// Modal dialogs drawn over the screens: at most one at a time, fading in over
// 16 frames and reacting only while fully open.
#pragma once

#include "tables/menu_tables.h"

// Opens a dialog of this kind (replacing any one shown) and starts its fade.
void OpenDialog(int kind);
// Starts closing the dialog shown.
void CloseDialog();
// End of every screen's frame: the fade and the dialog of dialogKind.
void RunDialogs();
// The help pages of the match-3 game (dialog 447).
void DrawHelpPages();
