#include "tables/dialog_tables.h"

int dialogDirection, dialogKind, helpPage, helpNavigation;
int soundDragging, musicDragging, nameLength, creatingFirstPlayer;
int previousPlayer = -1;

void ClearDialogTables() {
    dialogDirection = dialogKind = 0;
    helpPage = 1;
    helpNavigation = 0;
    soundDragging = musicDragging = nameLength = creatingFirstPlayer = 0;
    previousPlayer = -1;
}
