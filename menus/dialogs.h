// Modal dialogs drawn over the screens.
#pragma once

enum { LAYER_SCREEN = 1, LAYER_DIALOG = 2 };

extern int dialogOpenLevel;     // 0 closed, rising while a dialog fades in
extern int inputLayer;

void OpenDialog(int kind);      // 99: the close-window dialog
void RunDialogs();              // end of every screen's frame
