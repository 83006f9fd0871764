// The board's slot tables, the column strips of the composed board picture,
// the item pictures and the per-frame drawing steps.
#include <gtest/gtest.h>


#include "match3/board.h"
#include "match3/board_art.h"
#include "match3/board_draw.h"
#include "platform/platform.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/board_driver.h"
#include "tests/driver.h"
#include "tests/test_support.h"

namespace {

class Board : public ::testing::Test {
protected:
    int savedPlayer = 0;
    void SetUp() override {
        savedPlayer = currentPlayer;
        currentPlayer = 1;
        players[1] = TPlayerProfile{};
        players[1].itemSet = 1;
        players[1].playerGameMode = MODE_CHAIN;
        ClearBoardTables();
        mapPosition = 1;
    }
    void TearDown() override {
        currentPlayer = savedPlayer;
        players[1] = TPlayerProfile{};
        ClearBoardTables();
    }
};

TEST_F(Board, AddCellAndAddItemTakeTheFirstFreeSlot) {
    EXPECT_EQ(AddCell(80, 76, 1, 1, 0, 1, 0), 1);
    EXPECT_EQ(AddCell(128, 76, 1, 0, 1, 0, 1), 2);
    cells[1].exists = 0;
    cells[1].glow = 7;
    cells[1].chainMark = 3;
    EXPECT_EQ(AddCell(176, 76, 1, 0, 0, 0, 0), 1);
    EXPECT_EQ(cells[1].glow + cells[1].chainMark + cells[1].isMoss, 0);

    EXPECT_EQ(AddItem(80, 76, 3), 1);
    EXPECT_EQ(AddItem(80, 28, 4), 2);
    items[1].height = 5;
    items[1].shake = 9;
    items[1].fadeIn = 20;
    items[1].kind = 0;
    EXPECT_EQ(AddItem(80, -20, 2), 1);
    EXPECT_EQ(items[1].height, 5);   // kept from the slot's earlier item
    EXPECT_EQ(items[1].shake + items[1].fadeIn, 0);
    EXPECT_EQ(items[1].y, -20);
}

TEST_F(Board, FullTablesAddNothing) {
    for (int i = 1; i <= BOARD_LAST_SLOT; i++) {
        ASSERT_EQ(AddCell(i, 0, 1, 0, 0, 0, 0), i);
        ASSERT_EQ(AddItem(i, 0, 1), i);
    }
    EXPECT_EQ(AddCell(5, 5, 1, 0, 0, 0, 0), 0);
    EXPECT_EQ(AddItem(5, 5, 1), 0);
    EXPECT_EQ(cells.reported, 0);
    EXPECT_EQ(items.reported, 0);
}

// A synthetic picture whose every pixel names its picture and its own place.
TImage TaggedPicture(int tag, int width, int height) {
    TImage image = MakeImage(width, height, 1);
    for (int v = 0; v < height; v++)
        for (int u = 0; u < width; u++)
            SetImagePixel(image, 0, u, v,
                          0xFF000000u | (uint32_t(tag) << 16) | (uint32_t(u & 0xFF) << 8) | uint32_t(v & 0xFF));
    return image;
}

// The board art loaded by others stays untouched: the test's pictures stand in
// for it and the loaded ones come back afterwards.
TImage TaggedBorder(int kind) { return TaggedPicture(kind, 6, 5); }
TImage TaggedStrip(int cells) { return TaggedPicture(100 + cells, CELL_SPACING, CELL_SPACING * cells); }

class BoardPicture : public Board {
protected:
    void SetUp() override {
        Board::SetUp();
        UseHeadlessPlatform();
        StandInBoardFrameArt(TaggedBorder, TaggedStrip);
    }
    void TearDown() override {
        RestoreBoardFrameArt();
        Board::TearDown();
    }
};

TEST_F(BoardPicture, ColumnStripsStackFromTheTopCell) {
    // boardImage covers the squares of rows 3 to 14 whole
    columns[3] = TColumn{4, CellX(3), CellY(4)};
    columns[8] = TColumn{11, CellX(8), CellY(3)};
    columns[12] = TColumn{12, CellX(12), CellY(3)};   // longer than any strip
    ComposeBoardImage();
    ASSERT_NE(boardImage, nullptr);
    // the first and the last pixel row of a strip tell its picture and its place
    auto expectStrip = [](const TColumn& column, int strip, int topY) {
        for (int v : {0, CELL_SPACING * strip - 1}) {
            uint32_t p = ImagePixel(boardImage, 0, column.colX - 56 + 7, topY - 98 + v);
            EXPECT_EQ(p, 0xFF000000u | (uint32_t(100 + strip) << 16) | (7u << 8) | uint32_t(v & 0xFF)) << v;
        }
    };
    expectStrip(columns[3], 4, columns[3].colTop);
    expectStrip(columns[8], 11, columns[8].colTop);
    expectStrip(columns[12], 11, columns[12].colTop);
    expectStrip(columns[12], 1, columns[12].colTop + STRIP_LONGEST * CELL_SPACING);
    // nothing below the short column and nothing between columns
    EXPECT_EQ(ImagePixel(boardImage, 0, columns[3].colX - 56 + 10, columns[3].colTop - 98 + 4 * CELL_SPACING + 3), 0u);
    EXPECT_EQ(ImagePixel(boardImage, 0, CellX(5) - 56 + 10, CellY(5) - 98), 0u);
}

// A plain square picture of one colour, centred.
TImage SquarePicture(uint32_t argb) {
    TImage image = MakeImage(12, 12, 1);
    for (int v = 0; v < 12; v++)
        for (int u = 0; u < 12; u++) SetImagePixel(image, 0, u, v, argb);
    CentreImageHandle(image);
    return image;
}

uint32_t ScreenPixel(int x, int y) {
    return DriverPixel(x, y) & 0xFFFFFFu;
}

class BoardDrawing : public Board {
protected:
    TImage keptThree = nullptr, keptFour = nullptr;
    void SetUp() override {
        Board::SetUp();
        UseHeadlessPlatform();
        keptThree = itemArtImage[1][3];
        keptFour = itemArtImage[1][4];
        itemArtImage[1][3] = SquarePicture(0xFFFF0000u);
        itemArtImage[1][4] = SquarePicture(0xFF00FF00u);
        boardAlpha = 1.0f;
        SetColor(255, 255, 255);
        SetClearColor(0, 0, 0);
        SetViewport(0, 0, 1024, 768);
        Cls();
    }
    void TearDown() override {
        FreeImage(itemArtImage[1][3]);
        FreeImage(itemArtImage[1][4]);
        itemArtImage[1][3] = keptThree;
        itemArtImage[1][4] = keptFour;
        SetAlpha(1);
        Board::TearDown();
    }
};

TEST_F(BoardDrawing, ItemsAreDrawnAtEverySlotButFloorsNever) {
    for (int i = 1; i <= 160; i++) AddItem(2000, 2000, ITEM_FLOOR);   // fill slots below 160
    int high = AddItem(300, 300, 3);
    ASSERT_GT(high, 150);
    items[high].fadeIn = 19;
    int floor = AddItem(500, 300, ITEM_FLOOR);
    DrawItems();
    EXPECT_EQ(items[high].fadeIn, 20);
    EXPECT_EQ(items[floor].fadeIn, 0);
    EXPECT_EQ(ScreenPixel(300, 300), 0xFF0000u);
    // fade-in and the board's alpha set the opacity: 10 * 0.05 is half
    Cls();
    items[high].fadeIn = 9;
    DrawItems();
    EXPECT_NEAR(int(ScreenPixel(300, 300) >> 16), 128, 3);
    Cls();
    boardAlpha = 0.0f;
    DrawItems();
    EXPECT_EQ(ScreenPixel(300, 300), 0u);
}

TEST_F(BoardDrawing, SwapModeDrawsTheSelectedItemOnlyAsThePair) {
    players[1].playerGameMode = MODE_SWAP;
    int a = AddItem(300, 300, 3);
    int b = AddItem(348, 300, 4);
    items[a].fadeIn = items[b].fadeIn = 20;
    swapFirst = a;
    DrawItems();
    EXPECT_EQ(ScreenPixel(300, 300), 0u);
    EXPECT_EQ(ScreenPixel(348, 300), 0x00FF00u);
    DrawSwapPair();
    EXPECT_EQ(swapGrow1, 1);
    EXPECT_EQ(ScreenPixel(300, 300) & 0xFF0000u, 0xFF0000u);
    for (int f = 0; f < 15; f++) DrawSwapPair();
    EXPECT_EQ(swapGrow1, 10);
    swapDir = 2;
    DrawSwapPair();
    EXPECT_EQ(swapGrow1, 9);
}

}  // namespace
