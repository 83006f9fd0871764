#include "tables/level_tables.h"

Table<int, 14> stageSize;
Table<int, 14> stageEnd;
Table<int, POSITION_SLOTS> positionKind;
Table<int, POSITION_SLOTS> positionLevel;
Table<Table<TPreviewCell, BOARD_SLOTS>, LEVEL_SLOTS> levelPreviewCells;
Table<Table<TPreviewItem, BOARD_SLOTS>, LEVEL_SLOTS> levelPreviewItems;
Table<Table<TPreviewColumn, LEVEL_COLUMNS>, LEVEL_SLOTS> levelPreviewColumns;

void ClearLevelTables() {
    stageSize.Clear();
    stageEnd.Clear();
    positionKind.Clear();
    positionLevel.Clear();
    for (auto& level : levelPreviewCells) level.Clear();
    for (auto& level : levelPreviewItems) level.Clear();
    for (auto& level : levelPreviewColumns) level.Clear();
}
