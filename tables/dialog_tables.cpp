#include "tables/dialog_tables.h"

int dialogDirection, dialogKind, helpPage, helpNavigation;

void ClearDialogTables() {
    dialogDirection = dialogKind = 0;
    helpPage = 1;
    helpNavigation = 0;
}
