// The level list and the two readers of level files: the previews of the stage
// map, read at start-up, and the live board built when a level starts.
#include "match3/level_files.h"

#include <climits>
#include <cstdio>

#include "match3/board.h"
#include "match3/fish_orders.h"
#include "match3/level_facts.h"
#include "match3/rules.h"
#include "menus/menu.h"
#include "platform/platform.h"
#include "tables/board_tables.h"
#include "tables/level_codes.h"
#include "tables/game_tables.h"
#include "tables/level_tables.h"
#include "tables/player_tables.h"

namespace {

// The stone kind (16..19) a stone cell of this level starts with.
int StoneKindForLevel(int level) {
    int kind = FixedStoneKind(level);
    return kind != 0 ? kind : RandomInt(ITEM_STONE_FIRST, ITEM_STONE_LAST);
}

// The preview's stone variant 1..4 of this level.
int StoneVariantForLevel(int level) {
    return StoneKindForLevel(level) - ITEM_STONE_FIRST + 1;
}

// Both readers count a cell in its column only once the cell has a slot.
void CountInColumn(int& count, int& x, int& top, int cellX, int cellY) {
    count++;
    x = cellX;
    if (cellY < top) top = cellY;
}

// A pillar made at load covers the cells below it: the items under it in its
// column are removed in slot order up to the first floor, pillar or
// `alsoStopAt` below it. Returns how many went. Shared by the preview and the
// live board, whose item records both have x, y and kind.
template <class TItemSlots>
int ClearBelowPillar(TItemSlots& slots, int x, int y, int alsoStopAt) {
    int removed = 0;
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        auto& item = slots[slot];
        if (item.kind <= 0 || item.x != x || item.y <= y) continue;
        if (item.kind == ITEM_FLOOR || item.kind == ITEM_PILLAR || item.kind == alsoStopAt) break;
        item.kind = 0;
        removed++;
    }
    return removed;
}

// A stored value as a code, without overflowing at the largest integer.
int CodeFromStored(int stored) {
    if (stored == INT_MAX) return INT_MAX;
    return stored + 1;
}

// A file that gives no codes gives 0 for every one.
int NoLevelCodes(int codes[LEVEL_CODES]) {
    for (int i = 0; i < LEVEL_CODES; i++) codes[i] = 0;
    return 0;
}

void ReportBrokenFile(const std::string& path) {
    levelErrorText = "The level file " + path + " is missing or damaged. Please reinstall the game.";
    PrintError(levelErrorText);
    if (DisplayIsOpen()) ShowMessageBox("Glimmerdeep", levelErrorText);
}

void ClearPreview(int level) {
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        levelPreviewCells[level][slot].code = 0;
        levelPreviewItems[level][slot].kind = 0;
    }
    for (int c = 1; c < LEVEL_COLUMNS; c++) {
        TPreviewColumn& column = levelPreviewColumns[level][c];
        column.cellCount = 0;
        column.x = 0;
        column.topY = 1000;
    }
}

// AddPreviewCell and AddPreviewItem from slot `from` on, for a reader that
// knows every slot below it taken.
int AddPreviewCellFrom(int level, int from, int x, int y, int code, int mossFlag, int stoneFlag, int pillarFlag) {
    if (level < 1 || level >= LEVEL_SLOTS) return 0;
    for (int slot = from < 1 ? 1 : from; slot <= BOARD_LAST_SLOT; slot++) {
        TPreviewCell& cell = levelPreviewCells[level][slot];
        if (cell.code != 0) continue;
        cell.x = x;
        cell.y = y;
        cell.code = code;
        cell.mossFlag = mossFlag;
        cell.stoneFlag = stoneFlag;
        cell.pillarFlag = pillarFlag;
        cell.borderKind = 0;
        return slot;
    }
    return 0;
}

int AddPreviewItemFrom(int level, int from, int x, int y, int kind) {
    if (level < 1 || level >= LEVEL_SLOTS) return 0;
    for (int slot = from < 1 ? 1 : from; slot <= BOARD_LAST_SLOT; slot++) {
        TPreviewItem& item = levelPreviewItems[level][slot];
        if (item.kind != 0) continue;
        item.x = x;
        item.y = y;
        item.kind = kind;
        item.stoneVariant = -1;
        return slot;
    }
    return 0;
}

// Called on a cleared preview: the cells take the slots in turn.
void PlacePreviewCells(int level, const int* codes) {
    int nextCell = 1;
    for (int r = 1; r <= LEVEL_ROWS; r++) {
        for (int c = 1; c <= LEVEL_COLS; c++) {
            const int code = LevelCodeKind(codes[LevelCodeIndex(r, c)]);
            if (code <= 0 || !CellAllowedAt(r, c)) continue;
            int x = PreviewCellX(c), y = PreviewCellY(r);
            int slot = AddPreviewCellFrom(level, nextCell, x, y, code, code == CODE_MOSS, code == CODE_STONE,
                                          code == CODE_PILLAR);
            if (slot > 0) nextCell = slot + 1;
            if (slot > 0 && code < CODE_FISH) {
                TPreviewColumn& column = levelPreviewColumns[level][c];
                CountInColumn(column.cellCount, column.x, column.topY, x, y);
            }
        }
    }
}

// The slot of the cell right above each live cell, 0 for none: the placing of
// the cells leaves it for the building of the board.
int cellAbove[BOARD_SLOTS];

void ResumeSavedLevel() {
    TPlayerProfile& player = CurrentProfile();
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) items[slot].kind = 0;
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        const TSavedSlot& saved = player.savedSlots[slot];
        cells[slot].isMoss = saved.savedIsMoss;
        cells[slot].pillarCell = saved.savedPillarCell;
        cells[slot].stonePillarCell = saved.savedStonePillarCell;
        items[slot].x = saved.savedItemX;
        items[slot].y = saved.savedItemY;
        items[slot].kind = saved.savedItemKind;
    }
    score = player.savedLevelScore;
}

}  // namespace

std::string LevelFileName(int level) {
    char name[32];
    std::snprintf(name, sizeof name, "lvla%03d.lvl", level);
    return levelFolder + name;
}

int ReadLevelCodes(int level, int codes[LEVEL_CODES]) {
    std::string path = LevelFileName(level);
    if (FileSize(path) < LEVEL_FILE_BYTES) return NoLevelCodes(codes);
    TStream stream = OpenForRead(path);
    if (!stream) return NoLevelCodes(codes);
    for (int i = 0; i < LEVEL_CODES; i++) codes[i] = CodeFromStored(ReadInt(stream));
    int failed = StreamFailed(stream);
    Close(stream);
    if (failed) return NoLevelCodes(codes);
    return 1;
}

void BuildLevelList() {
    stageSize.name = "stageSize";
    stageEnd.name = "stageEnd";
    positionKind.name = "positionKind";
    positionLevel.name = "positionLevel";
    stageSize[0] = 0;
    stageEnd[0] = 0;
    for (int i = 1; i <= 13; i++) {
        stageSize[i] = 10;
        stageEnd[i] = stageEnd[i - 1] + stageSize[i];
    }
    int levelCount = 1, specialCount = 1;
    for (int p = 1; p <= MAP_POSITIONS; p++) {
        if (p % 10 == 0) {
            positionKind[p] = POSITION_SPECIAL;
            positionLevel[p] = specialCount++;
        } else {
            positionKind[p] = POSITION_LEVEL;
            positionLevel[p] = levelCount++;
        }
    }
}

int AddPreviewCell(int level, int x, int y, int code, int mossFlag, int stoneFlag, int pillarFlag) {
    return AddPreviewCellFrom(level, 1, x, y, code, mossFlag, stoneFlag, pillarFlag);
}

int AddPreviewItem(int level, int x, int y, int kind) {
    return AddPreviewItemFrom(level, 1, x, y, kind);
}

int LoadLevelPreviews() {
    levelErrorText.clear();
    for (int level = 1; level <= LEVEL_FILES; level++) {
        if (!LoadLevelPreview(level)) {
            ReportBrokenFile(LevelFileName(level));
            return 0;
        }
    }
    return 1;
}

int LoadLevelPreview(int level) {
    if (level < 1 || level >= LEVEL_SLOTS) return 0;
    int codes[LEVEL_CODES];
    ClearPreview(level);
    if (!ReadLevelCodes(level, codes)) return 0;
    PlacePreviewCells(level, codes);
    FinishLevelPreview(level);
    return 1;
}

void PlaceLevelPreview(int level, const int codes[LEVEL_CODES]) {
    if (level < 1 || level >= LEVEL_SLOTS) return;
    ClearPreview(level);
    PlacePreviewCells(level, codes);
}

// The items take the slots in turn, and each cell remembers the item put on
// it. Every cell has its own place, so the only item on it is its own, unless
// a pillar above has taken it away.
void FinishLevelPreview(int level) {
    if (level < 1 || level >= LEVEL_SLOTS) return;
    // fish places count as neighbours in the preview
    GiveBorderKinds(levelPreviewCells[level], [](const TPreviewCell& cell) { return cell.code != 0; });
    auto& previewCells = levelPreviewCells[level];
    int itemOnCell[BOARD_SLOTS] = {};
    int nextItem = 1;
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        const TPreviewCell& cell = previewCells[slot];
        if (cell.code >= 1 && cell.code <= CODE_LAST_CELL) {
            itemOnCell[slot] = AddPreviewItemFrom(level, nextItem, cell.x, cell.y, RandomInt(COLOUR_FIRST, COLOUR_LAST));
            if (itemOnCell[slot] > 0) nextItem = itemOnCell[slot] + 1;
        }
    }
    auto& previewItems = levelPreviewItems[level];
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        const TPreviewCell& cell = previewCells[slot];
        if (itemOnCell[slot] == 0 || previewItems[itemOnCell[slot]].kind <= 0) continue;
        TPreviewItem& item = previewItems[itemOnCell[slot]];
        if (cell.code == CODE_STONE) {
            item.kind = ITEM_PREVIEW_STONE;
            item.stoneVariant = StoneVariantForLevel(level);
        } else if (cell.code == CODE_PILLAR) {
            item.kind = ITEM_PILLAR;
            ClearBelowPillar(previewItems, cell.x, cell.y, ITEM_PILLAR);
        }
    }
}

void LoadLevel() {
    levelNo = positionLevel[mapPosition];
    int codes[LEVEL_CODES];
    ReadLevelCodes(levelNo, codes);
    PlaceLevelCells(codes);
    BuildLevelBoard();
}

void PlaceLevelCells(const int codes[LEVEL_CODES]) {
    const int resuming = CurrentProfile().savedLevelFlag == 1;

    // a clean board
    levelFrame = 0;
    rescueUsed = 0;
    orderHigh = 0;
    ordersNeeded = OrdersNeeded(levelNo);
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        cells[slot] = TCell{};
        items[slot].kind = 0;
        items[slot].fadeIn = 0;
        cellAbove[slot] = 0;
    }
    for (int c = 1; c < LEVEL_COLUMNS; c++) columns[c] = TColumn{};

    // the fish, the counters
    if (!resuming) ClearFishOrders();
    mossLeft = 0;
    stonesLeft = 0;

    // cells and fish in file order; the cells take their slots in turn
    int rowAbove[LEVEL_COLS + 1] = {}, row[LEVEL_COLS + 1] = {};   // the cells' slots by column
    int nextCell = 1;
    for (int r = 1; r <= LEVEL_ROWS; r++) {
        for (int c = 1; c <= LEVEL_COLS; c++) {
            int code = codes[LevelCodeIndex(r, c)];
            int x = CellCentreX(c), y = CellCentreY(r);
            row[c] = 0;
            if (code >= 1 && code <= CODE_LAST_CELL) {
                if (code == CODE_MOSS) mossLeft++;
                if (code == CODE_STONE && !resuming) stonesLeft++;
                int slot = 0;
                if (CellAllowedAt(r, c)) {
                    slot = AddCellFrom(nextCell, x, y, 1, code == CODE_MOSS, code == CODE_STONE && !resuming,
                                       code == CODE_PILLAR, code == CODE_STONE_PILLAR);
                }
                if (slot > 0) {
                    nextCell = slot + 1;
                    row[c] = slot;
                    cellAbove[slot] = rowAbove[c];
                    TColumn& column = columns[c];
                    CountInColumn(column.colCount, column.colX, column.colTop, x, y);
                }
            } else if (code >= CODE_FISH && !resuming) {
                // Orders of 1..3 items are the game's; a larger value would
                // not fit a fish's bubble and is left out.
                int wanted = code - CODE_FISH;
                if (wanted >= 1 && wanted <= FISH_ORDER_LARGEST) CreateOrder(x, y, wanted, 0);
            }
        }
        for (int c = 1; c <= LEVEL_COLS; c++) rowAbove[c] = row[c];
    }
}

void BuildLevelBoard() {
    TPlayerProfile& player = CurrentProfile();
    const int resuming = player.savedLevelFlag == 1;

    // floors under every cell, then the border pieces
    int floorUnder[BOARD_SLOTS] = {}, itemOn[BOARD_SLOTS] = {};
    int freshItem = 1;   // the first slot no item has taken yet
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        if (!cells[slot].exists) continue;
        floorUnder[slot] = AddItemFrom(freshItem, cells[slot].x, cells[slot].y + CELL_SPACING, ITEM_FLOOR);
        if (floorUnder[slot] > 0) freshItem = floorUnder[slot] + 1;
    }
    ApplyBorderKinds();

    // a starting item on every cell; floors stay only under the lowest cells,
    // so the floor under the cell above gives its slot up, and the item takes
    // it: every other free slot lies past it
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        const TCell& cell = cells[slot];
        if (!cell.exists) continue;
        int floor = cellAbove[slot] > 0 ? floorUnder[cellAbove[slot]] : 0;
        if (floor > 0) {
            items[floor].kind = 0;
            items[floor].cellIndex = 0;
        }
        itemOn[slot] = AddItemFrom(floor > 0 ? floor : freshItem, cell.x, cell.y, NewItemKind(0));
        if (itemOn[slot] >= freshItem) freshItem = itemOn[slot] + 1;
    }

    // stones, pillars and stone pillars: every cell has its own place, so the
    // only item on it is its own, unless a pillar above has taken it away
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        const TCell& cell = cells[slot];
        if (!cell.exists || itemOn[slot] == 0 || items[itemOn[slot]].kind <= 0) continue;
        TItem& item = items[itemOn[slot]];
        if (cell.stoneSource) {
            item.kind = StoneKindForLevel(levelNo);
        } else if (cell.pillarCell) {
            item.kind = ITEM_PILLAR;
            item.height = 1 + ClearBelowPillar(items, item.x, item.y, ITEM_PILLAR);
        } else if (cell.stonePillarCell) {
            item.kind = ITEM_STONE_PILLAR;
            item.height = 1 + ClearBelowPillar(items, item.x, item.y, ITEM_STONE_PILLAR);
        }
    }

    // an unfinished level comes back as it was left
    if (playStarted == 1 && resuming) ResumeSavedLevel();

    // no selection, no swap, nothing resting yet
    ClearSelection();
    resolvePending = 0;
    swapFirst = swapSecond = swapPhase = swapDir = 0;
    swapDx1 = swapDy1 = swapDx2 = swapDy2 = swapGrow1 = swapGrow2 = 0;
    for (int slot = 1; slot <= BOARD_LAST_SLOT; slot++) {
        cells[slot].itemOnCell = 0;
        items[slot].cellIndex = 0;
    }
    levelEndTimer = 0;
    endingShown = 0;
    player.savedLevelFlag = 0;
    levelFrame = 0;
}

int LevelCodeKind(int code) {
    if (code <= 0) return CODE_EMPTY;
    if (code == CODE_STONE || code == CODE_MOSS || code == CODE_PILLAR || code == CODE_STONE_PILLAR) return code;
    if (code <= CODE_LAST_CELL) return CODE_CELL;
    if (code <= CODE_FISH + FISH_ORDER_LARGEST) return code;   // nothing, or a fish wanting 0..3
    return CODE_FISH;
}

int LevelCodesPlain(const int codes[LEVEL_CODES]) {
    for (int i = 0; i < LEVEL_CODES; i++) {
        if (LevelCodeKind(codes[i]) != codes[i]) return 0;
    }
    return 1;
}
