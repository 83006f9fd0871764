// Level list, level file reading, the previews of the stage map and the live
// board built by the level loader.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "match3/board.h"
#include "match3/fish_orders.h"
#include "match3/level_files.h"
#include "menus/menu.h"
#include "platform/platform.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/level_codes.h"
#include "tables/level_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/test_support.h"

namespace {

// A level as cell codes, row r 1..15 and column c 1..20; 0 is an empty place.
struct TLayout {
    std::vector<int> codes = std::vector<int>(LEVEL_CODES, 0);
    int& at(int r, int c) { return codes[(r - 1) * LEVEL_COLS + (c - 1)]; }
};

std::string StoredBytes(const std::vector<long long>& stored) {
    std::string bytes;
    for (long long value : stored) {
        uint32_t v = static_cast<uint32_t>(value);
        for (int b = 0; b < 4; b++) bytes.push_back(static_cast<char>((v >> (8 * b)) & 0xFF));
    }
    return bytes;
}

std::string LayoutBytes(const TLayout& layout) {
    std::vector<long long> stored;
    for (int code : layout.codes) stored.push_back(code - 1LL);
    return StoredBytes(stored);
}

class LevelFiles : public ::testing::Test {
protected:
    std::string savedFolder;
    int savedPlayer = 0;

    void SetUp() override {
        savedFolder = levelFolder;
        savedPlayer = currentPlayer;
        levelFolder = MakeTempFolder("levels");
        ASSERT_FALSE(levelFolder.empty());
        currentPlayer = 1;
        players[1] = TPlayerProfile{};
        players[1].itemSet = 1;
        playStarted = 0;
        ClearBoardTables();
        BuildLevelList();
        SeedRandom(1234);
    }
    void TearDown() override {
        levelFolder = savedFolder;
        currentPlayer = savedPlayer;
        players[1] = TPlayerProfile{};
    }
    void Write(int level, const TLayout& layout) { WriteWholeFile(LevelFileName(level), LayoutBytes(layout)); }
    void WriteAllEmpty() {
        TLayout empty;
        for (int level = 1; level <= LEVEL_FILES; level++) Write(level, empty);
    }
    // Builds the live board of the map position that plays `level`.
    void Play(int level, const TLayout& layout) {
        Write(level, layout);
        Play(level);
    }
    void Play(int level) {
        mapPosition = 0;
        for (int p = 1; p <= MAP_POSITIONS; p++)
            if (positionKind[p] == POSITION_LEVEL && positionLevel[p] == level) mapPosition = p;
        ASSERT_GT(mapPosition, 0);
        LoadLevel();
    }
    static int CountCells() {
        int n = 0;
        for (int s = 1; s <= BOARD_LAST_SLOT; s++) n += cells[s].exists ? 1 : 0;
        return n;
    }
    static int CountItems(int kindFrom, int kindTo) {
        int n = 0;
        for (int s = 1; s <= BOARD_LAST_SLOT; s++) n += items[s].kind >= kindFrom && items[s].kind <= kindTo;
        return n;
    }
    static int ItemSlotAt(int x, int y) {
        for (int s = 1; s <= BOARD_LAST_SLOT; s++)
            if (items[s].kind > 0 && items[s].x == x && items[s].y == y) return s;
        return 0;
    }
};

// Every shipped level file is read through ReadLevelCodes against its source
// in the level rules' test; here the files that give no codes, and stop the
// start-up naming the file.
TEST_F(LevelFiles, ShortOrMissingFileGivesNoCodesAndStopsStartUpNamingIt) {
    int codes[LEVEL_CODES];
    for (int& code : codes) code = 77;
    EXPECT_EQ(ReadLevelCodes(3, codes), 0);
    for (int code : codes) EXPECT_EQ(code, 0);
    TLayout layout;
    layout.at(5, 5) = 1;
    WriteWholeFile(LevelFileName(3), LayoutBytes(layout).substr(0, LEVEL_FILE_BYTES - 1));
    EXPECT_EQ(ReadLevelCodes(3, codes), 0);
    for (int code : codes) EXPECT_EQ(code, 0);
    WriteAllEmpty();
    WriteWholeFile(LevelFileName(37), std::string(LEVEL_FILE_BYTES - 1, '\xff'));
    EXPECT_EQ(LoadLevelPreviews(), 0);
    EXPECT_NE(levelErrorText.find("lvla037.lvl"), std::string::npos) << levelErrorText;
    WriteAllEmpty();
    DeleteFile(LevelFileName(50));
    EXPECT_EQ(LoadLevelPreviews(), 0);
    EXPECT_NE(levelErrorText.find("lvla050.lvl"), std::string::npos) << levelErrorText;
}

TEST_F(LevelFiles, RowOneAndColumnOneMakeNoCellButFishStillSwim) {
    TLayout layout;
    layout.at(1, 6) = 1;
    layout.at(7, 1) = 2;
    layout.at(1, 8) = 4;     // moss place: counted, no cell
    layout.at(1, 12) = 102;  // a fish wanting two items
    layout.at(9, 1) = 101;
    Play(8, layout);
    EXPECT_EQ(CountCells(), 0);
    EXPECT_EQ(CountItems(1, 100000), 0);
    EXPECT_EQ(mossLeft, 1);
    const TFishOrder& first = players[1].fishOrders[1];
    EXPECT_EQ(first.orderSize, 2);
    EXPECT_EQ(first.orderX, CellCentreX(12));
    EXPECT_EQ(first.orderY, CellCentreY(1));
    EXPECT_TRUE(first.orderAge >= -50 && first.orderAge <= -20) << first.orderAge;
    EXPECT_TRUE(IsColour(first.wanted[2].wantedKind));
    EXPECT_EQ(first.wanted[3].wantedKind, 0);
    EXPECT_EQ(players[1].fishOrders[2].orderSize, 1);
    EXPECT_EQ(players[1].fishOrders[2].orderX, CellCentreX(1));
    EXPECT_EQ(orderHigh, 2);
}

// A one-cell column on the bottom row has its floor below the screen.
TEST_F(LevelFiles, ABottomRowCellHasItsFloorBelowTheScreen) {
    TLayout bottom;
    bottom.at(15, 9) = 1;
    Play(2, bottom);
    EXPECT_EQ(cells[1].y, 700);
    EXPECT_EQ(items[ItemSlotAt(CellCentreX(9), 748)].kind, ITEM_FLOOR);
}

// A layout of more cells than the table holds: the cells past slot 200 are
// not added, and neither reader counts them in their columns.
TEST_F(LevelFiles, CellsWithoutASlotAreNotCountedInTheirColumns) {
    TLayout full;
    for (int r = 2; r <= LEVEL_ROWS; r++)
        for (int c = 2; c <= LEVEL_COLS; c++) full.at(r, c) = 1;
    Play(2, full);
    ASSERT_EQ(CountCells(), BOARD_LAST_SLOT);
    WriteAllEmpty();
    Write(1, full);
    ASSERT_EQ(LoadLevelPreviews(), 1);
    for (int c = 2; c <= LEVEL_COLS; c++) {
        int live = 0, preview = 0;
        for (int s = 1; s <= BOARD_LAST_SLOT; s++) {
            live += cells[s].exists && cells[s].x == CellCentreX(c);
            preview += levelPreviewCells[1][s].code != 0 && levelPreviewCells[1][s].x == PreviewCellX(c);
        }
        EXPECT_EQ(columns[c].colCount, live) << "column " << c;
        EXPECT_EQ(levelPreviewColumns[1][c].cellCount, preview) << "column " << c;
    }
}

// A pillar clears the items below it down to the floor or the next pillar; a
// stone pillar those below it in its own column only.
TEST_F(LevelFiles, PillarsCoverTheCellsBelowThem) {
    TLayout layout;
    layout.at(3, 6) = 5;
    layout.at(4, 6) = 5;    // the pillar above clears this one's item first
    layout.at(5, 6) = 1;
    layout.at(6, 6) = 4;
    Play(20, layout);
    const TItem& pillar = items[ItemSlotAt(CellCentreX(6), CellCentreY(3))];
    EXPECT_EQ(pillar.kind, ITEM_PILLAR);
    EXPECT_EQ(pillar.height, 4);
    EXPECT_EQ(CountItems(1, ITEM_BODY_LAST), 1);
    EXPECT_EQ(CountItems(ITEM_FLOOR, ITEM_FLOOR), 1);
    EXPECT_EQ(mossLeft, 1);
    EXPECT_EQ(cells[1].pillarCell + cells[2].pillarCell, 2);

    TLayout stone;
    stone.at(3, 7) = 6;
    stone.at(4, 7) = stone.at(5, 7) = stone.at(5, 8) = 1;
    Play(25, stone);
    const int x = CellCentreX(7);
    const TItem& top = items[ItemSlotAt(x, CellCentreY(3))];
    EXPECT_EQ(top.kind, ITEM_STONE_PILLAR);
    EXPECT_EQ(top.height, 3);
    EXPECT_EQ(ItemSlotAt(x, CellCentreY(4)) + ItemSlotAt(x, CellCentreY(5)), 0);
    EXPECT_NE(ItemSlotAt(x + CELL_SPACING, CellCentreY(5)), 0);   // the next column keeps its item
    EXPECT_EQ(cells[1].stonePillarCell, 1);
}

// An unfinished level keeps its fish, ignores the file's fish and stones, and
// comes back from the saved slots.
TEST_F(LevelFiles, UnfinishedLevelIsResumedFromTheSavedSlots) {
    players[1].savedLevelFlag = 1;
    CreateOrder(500, 30, 3, 4);
    TLayout layout;
    layout.at(5, 5) = 3;
    layout.at(1, 3) = 101;
    Play(7, layout);
    EXPECT_EQ(players[1].fishOrders[4].orderSize, 3);
    EXPECT_EQ(players[1].fishOrders[1].orderSize, 0);
    EXPECT_EQ(stonesLeft + cells[1].stoneSource + players[1].savedLevelFlag, 0);

    TLayout row;
    for (int c = 3; c <= 6; c++) row.at(8, c) = 1;
    players[1].savedLevelFlag = 1;
    players[1].savedLevelScore = 4321;
    TSavedSlot& first = players[1].savedSlots[1];
    first.savedIsMoss = 1;
    first.savedItemX = CellCentreX(3);
    first.savedItemY = 100;
    first.savedItemKind = 4;
    TSavedSlot& second = players[1].savedSlots[2];
    second.savedPillarCell = 1;
    second.savedItemX = CellCentreX(4);
    second.savedItemY = 364;
    second.savedItemKind = ITEM_PILLAR;
    playStarted = 1;
    Play(14, row);
    EXPECT_EQ(score, 4321);
    EXPECT_EQ(cells[1].isMoss, 1);
    EXPECT_EQ(cells[2].pillarCell, 1);
    EXPECT_EQ(items[1].kind, 4);
    EXPECT_EQ(items[1].y, 100);
    EXPECT_EQ(items[2].kind, ITEM_PILLAR);
    EXPECT_EQ(CountItems(1, 100000), 2);   // every other saved slot is empty
    EXPECT_EQ(players[1].savedLevelFlag, 0);
}

TEST_F(LevelFiles, PreviewsFillEveryLevelAndTwoPillarsMakeOne) {
    WriteAllEmpty();
    TLayout layout;
    layout.at(3, 6) = layout.at(4, 6) = 5;
    layout.at(5, 6) = 1;
    layout.at(5, 7) = 4;
    layout.at(6, 7) = 3;
    layout.at(2, 10) = 103;
    Write(1, layout);
    ASSERT_EQ(LoadLevelPreviews(), 1);
    auto& previewCells = levelPreviewCells[1];
    auto& previewItems = levelPreviewItems[1];
    int cellsSeen = 0, pillars = 0, stones = 0, colours = 0;
    for (int s = 1; s <= BOARD_LAST_SLOT; s++) {
        const int kind = previewItems[s].kind;
        cellsSeen += previewCells[s].code != 0;
        pillars += kind == ITEM_PILLAR;
        colours += IsColour(kind);
        stones += kind == ITEM_PREVIEW_STONE && previewItems[s].stoneVariant == 1;
    }
    EXPECT_EQ(cellsSeen, 6);   // the fish place is a preview cell too
    EXPECT_EQ(pillars * 100 + stones * 10 + colours, 111);   // only the moss cell beside the pillar keeps a colour
    // slots follow the file order: the fish of row 2 first, then the pillar
    EXPECT_EQ(previewCells[1].code, 103);
    EXPECT_EQ(previewCells[2].pillarFlag, 1);
    EXPECT_EQ(previewCells[5].mossFlag, 1);
    EXPECT_EQ(previewCells[6].stoneFlag, 1);
    EXPECT_EQ(levelPreviewColumns[1][6].cellCount, 3);
    EXPECT_EQ(levelPreviewColumns[1][6].topY, PreviewCellY(3));
    EXPECT_EQ(levelPreviewColumns[1][10].cellCount, 0);
    EXPECT_EQ(levelPreviewColumns[1][10].topY, 1000);
    EXPECT_EQ(levelPreviewColumns[1][7].cellCount, 2);
    for (int level = 2; level <= LEVEL_FILES; level++) EXPECT_EQ(levelPreviewCells[level][1].code, 0);
}

// Everything the preview and the live board hold.
std::string BuiltTables(int level) {
    std::string out;
    for (int s = 1; s <= BOARD_LAST_SLOT; s++) {
        const TPreviewCell& c = levelPreviewCells[level][s];
        const TPreviewItem& p = levelPreviewItems[level][s];
        const TCell& cell = cells[s];
        const TItem& item = items[s];
        for (int v : {c.x, c.y, c.code, c.mossFlag, c.stoneFlag, c.pillarFlag, c.borderKind, p.x, p.y, p.kind,
                      p.stoneVariant, cell.x, cell.y, cell.exists, cell.isMoss, cell.stoneSource, cell.pillarCell,
                      cell.stonePillarCell, cell.borderKind, item.x, item.y, item.kind, item.height})
            out += std::to_string(v) + " ";
    }
    for (int c = 1; c < LEVEL_COLUMNS; c++) {
        const TPreviewColumn& p = levelPreviewColumns[level][c];
        for (int v : {p.cellCount, p.x, p.topY, columns[c].colCount, columns[c].colX, columns[c].colTop})
            out += std::to_string(v) + " ";
    }
    for (int s = 1; s < FISH_ORDER_SLOTS; s++) {
        const TFishOrder& o = players[1].fishOrders[s];
        for (int v : {o.orderSize, o.orderX, o.orderY, o.orderAge, o.fishKind}) out += std::to_string(v) + " ";
    }
    return out + std::to_string(mossLeft) + " " + std::to_string(stonesLeft);
}

// The fuzzing of the level reader builds the boards of files in first codes
// only; a file of any stored values (the extremes, random 32-bit values,
// trailing bytes) must build exactly as the same file in first codes, and no
// table is touched outside its bounds.
TEST_F(LevelFiles, EveryStoredValueBuildsAsTheFirstCodeOfItsKind) {
    WriteAllEmpty();
    const long long samples[] = {INT_MIN, -8, -2, -1, 0, 1, 2, 3, 4, 5, 6, 49, 97, 98, 99, 100, 101, 102,
                                 103, 105, 106, 999, 123456789, INT_MAX - 1, INT_MAX};
    const int sampleCount = static_cast<int>(sizeof samples / sizeof *samples);
    cells.reported = items.reported = columns.reported = 0;
    for (int round = 0; round < 40; round++) {
        std::vector<long long> stored(LEVEL_CODES, -1);
        TLayout firsts;
        const int density = RandomInt(0, 100);
        for (int i = 0; i < LEVEL_CODES; i++) {
            if (RandomInt(1, 100) > density) continue;
            stored[i] = round % 4 == 3 ? static_cast<int32_t>(static_cast<uint32_t>(RandomInt(0, 65535)) << 16 |
                                                              static_cast<uint32_t>(RandomInt(0, 65535)))
                                       : samples[RandomInt(0, sampleCount - 1)];
            firsts.codes[i] = LevelCodeKind(stored[i] == INT_MAX ? INT_MAX : static_cast<int>(stored[i] + 1));
        }
        ASSERT_EQ(LevelCodesPlain(firsts.codes.data()), 1);
        const int level = 1 + round % 12;
        std::string built[2];
        for (int pass = 0; pass < 2; pass++) {
            WriteWholeFile(LevelFileName(level), pass == 0 ? StoredBytes(stored) + std::string(37, '\x7f')
                                                           : LayoutBytes(firsts));
            SeedRandom(round);
            ASSERT_EQ(LoadLevelPreview(level), 1);
            Play(level);
            built[pass] = BuiltTables(level);
        }
        EXPECT_EQ(built[0], built[1]) << "round " << round;
        EXPECT_EQ(levelPreviewCells[level].reported + levelPreviewItems[level].reported +
                      levelPreviewColumns[level].reported, 0);
    }
    EXPECT_EQ(cells.reported + items.reported + columns.reported, 0);
}

}  // namespace
