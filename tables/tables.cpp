#include "tables/tables.h"

#include "tables/audio_tables.h"
#include "tables/best_time_tables.h"
#include "tables/board_art_tables.h"
#include "tables/board_tables.h"
#include "tables/champion_tables.h"
#include "tables/dialog_tables.h"
#include "tables/effect_tables.h"
#include "tables/game_tables.h"
#include "tables/level_tables.h"
#include "tables/map_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/puzzle_tables.h"
#include "tables/shell_tables.h"
#include "tables/stage_map_tables.h"
#include "tables/story_tables.h"
#include "tables/text_tables.h"

void AllocateGameTables() {
    ClearShellTables();
    ClearGameTables();
    ClearBestTimeTables();
    ClearDialogTables();
    ClearPlayerTables();
    ClearChampionTables();
    ClearBoardTables();
    ClearBoardArtTables();
    ClearLevelTables();
    ClearTextTables();
    ClearEffectTables();
    ClearMenuTables();
    ClearMapTables();
    ClearStageMapTables();
    ClearPuzzleTables();
    ClearStoryTables();
    ClearAudioTables();
}
