// Modal dialogs drawn over the screens.
#pragma once

#include "tables/menu_tables.h"

void OpenDialog(int kind);      // 99: the close-window dialog
void RunDialogs();              // end of every screen's frame
