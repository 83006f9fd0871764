#include "tables/level_tables.h"

Table<int, 14> stageSize{"stageSize"};
Table<int, 14> stageEnd{"stageEnd"};
Table<int, POSITION_SLOTS> positionKind{"positionKind"};
Table<int, POSITION_SLOTS> positionLevel{"positionLevel"};
Table<Table<TPreviewCell, BOARD_SLOTS>, LEVEL_SLOTS> levelPreviewCells{"levelPreviewCells"};
Table<Table<TPreviewItem, BOARD_SLOTS>, LEVEL_SLOTS> levelPreviewItems{"levelPreviewItems"};
Table<Table<TPreviewColumn, LEVEL_COLUMNS>, LEVEL_SLOTS> levelPreviewColumns{"levelPreviewColumns"};

std::string levelFolder = "data/levelz/m3/";
std::string levelErrorText;

void ClearLevelTables() {
    stageSize.Clear();
    stageEnd.Clear();
    positionKind.Clear();
    positionLevel.Clear();
    for (auto& level : levelPreviewCells) level.Clear();
    for (auto& level : levelPreviewItems) level.Clear();
    for (auto& level : levelPreviewColumns) level.Clear();
    levelErrorText.clear();
}
