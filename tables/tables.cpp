#include "tables/tables.h"

#include "effects/effects.h"
#include "map/fish_art.h"
#include "map/powerup_art.h"
#include "map/puzzle_art.h"
#include "menus/menu.h"
#include "shell/splash.h"
#include "tables/audio_tables.h"
#include "tables/best_time_tables.h"
#include "tables/board_tables.h"
#include "tables/dialog_tables.h"
#include "tables/effect_tables.h"
#include "tables/game_tables.h"
#include "tables/level_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tables/text_tables.h"
#include "text/text.h"

void AllocateGameTables() {
    ClearShellTables();
    ClearGameTables();
    ClearBestTimeTables();
    ClearDialogTables();
    ClearPlayerTables();
    ClearBoardTables();
    ClearLevelTables();
    ClearTextTables();
    codeTexts.Clear();
    ClearEffectTables();
    ClearAudioTables();
    ClearParticles();
    ClearGlows();
    ClearFlyers();
    ClearInterfaceArt();
    FreeMenuArt();
    ClearFishArt();
    ClearPowerUpArt();
    ClearPuzzleTileArt();
    ClearSplashTables();
}
