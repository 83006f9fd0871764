// The dialog layer's state: which dialog is shown and how far it has faded.
#pragma once

enum { DIALOG_OPENING = 1, DIALOG_CLOSING = 2 };
constexpr int DIALOG_FULLY_OPEN = 16;

extern int dialogDirection;     // DIALOG_OPENING (or open) or DIALOG_CLOSING
extern int dialogKind;          // the dialog shown; 0 once none is
extern int helpPage;            // the help page shown, 1..8
extern int helpNavigation;      // 1: the help was opened from the in-game menu

void ClearDialogTables();
