// The dialogs are not built yet. The close-window dialog asks nothing for now:
// it saves what the real dialog saves and quits the game at once.
#include "menus/dialogs.h"

#include "menus/profiles.h"
#include "shell/screen_change.h"
#include "shell/settings.h"
#include "tables/shell_tables.h"

void OpenDialog(int kind) {
    if (kind != 99) return;
    if (gameScreen > 0 && currentPlayer > -1) SaveProfile(currentPlayer);
    SaveSettings(0);
    BeginScreenChange(SCREEN_QUIT, 0);
}

void RunDialogs() {}
