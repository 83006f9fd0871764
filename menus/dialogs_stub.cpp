// The dialogs are not built yet. The close-window dialog asks nothing for now:
// it saves what the real dialog saves and quits the game at once.
#include "menus/dialogs.h"

#include "audio/audio.h"
#include "menus/profiles.h"
#include "shell/shell.h"
#include "tables/shell_tables.h"

int dialogOpenLevel = 0;
int inputLayer = LAYER_SCREEN;

void OpenDialog(int kind) {
    if (kind != 99) return;
    if (gameScreen > 0 && currentPlayer > -1) SaveProfile(currentPlayer);
    SaveSettings(0);
    StopMusic();    // the track must not run on through the last fade
    BeginScreenChange(SCREEN_QUIT, 0);
}

void RunDialogs() {}
