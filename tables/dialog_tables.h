// The dialog layer's state: which dialog is shown and how far it has faded.
#pragma once

enum { DIALOG_OPENING = 1, DIALOG_CLOSING = 2 };

// The kinds of dialog.
enum {
    DIALOG_QUIT = 99,
    DIALOG_OPTIONS = 100,
    DIALOG_INFO = 101,
    DIALOG_CHAMPIONS = 102,     // the champions list, from the information dialog
    DIALOG_PLAYERS = 103,
    DIALOG_NEW_PLAYER = 105,
    DIALOG_DELETE_PLAYER = 106,
    DIALOG_CONTINUE = 107,
    DIALOG_MAP_HELP = 112,
    DIALOG_GAME_MENU = 298,
    DIALOG_RESTART = 432,
    DIALOG_PUZZLE_HELP = 445,
    DIALOG_PUZZLE_DONE = 446,
    DIALOG_HELP = 447,
    DIALOG_STAGE_POPUP = 551,
};
constexpr int DIALOG_FULLY_OPEN = 16;

extern int dialogDirection;     // DIALOG_OPENING (or open) or DIALOG_CLOSING
extern int dialogKind;          // the dialog shown; 0 once none is
extern int helpPage;            // the help page shown, 1..8
extern int helpNavigation;      // 1: the help was opened from the in-game menu
extern int soundDragging;       // 1 while the options dialog's sound knob is dragged
extern int musicDragging;       // 1 while its music knob is dragged
extern int nameLength;          // characters typed into the name being entered
extern int creatingFirstPlayer; // 1: the name entry was opened because no player was chosen
extern int previousPlayer;      // the player chosen before the list started a new one; -1 none

void ClearDialogTables();
