// New item kinds and gravity: when bombs fall, how items fall, land,
// bounce and queue up.
#include <gtest/gtest.h>

#include "match3/board.h"
#include "match3/rules.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tests/board_driver.h"

namespace {

int CountDrawn(int plain, int draws, int kind) {
    int count = 0;
    for (int i = 0; i < draws; i++) count += NewItemKind(plain) == kind;
    return count;
}

}  // namespace

TEST(NewItemKindTest, BombsOnlyFromLevel3AndNeverForPlainItems) {
    BoardStart(MODE_SWAP, 13, 2);   // level 2
    EXPECT_EQ(CountDrawn(0, 30000, ITEM_BOMB), 0);
    BoardStart(MODE_SWAP, 13, 4);   // level 4
    int bombs = CountDrawn(0, 30000, ITEM_BOMB);
    EXPECT_GT(bombs, 50);            // about 1 in 300 of the draws
    EXPECT_LT(bombs, 160);
    EXPECT_EQ(CountDrawn(1, 30000, ITEM_BOMB), 0);
}

class GravityTest : public ::testing::TestWithParam<int> {
protected:
    // One column of three cells in column 5, rows 2..4, emptied of items.
    void SetUp() override {
        BoardStart(GetParam(), 21, 2);
        BuildTestBoard({"......", "....o.", "....o.", "....o."});
        for (int i = 1; i <= BOARD_LAST_SLOT; i++) {
            if (items[i].kind > 0 && items[i].kind != ITEM_FLOOR) items[i].kind = 0;
        }
        rescueUsed = 1;
    }
};

TEST_P(GravityTest, NothingFallsInTheFirst50FramesThen12PixelsPerFrame) {
    int item = AddItem(CellX(5), -20, 1);
    ASSERT_GT(item, 0);
    BoardFrames(50);
    EXPECT_EQ(items[item].y, -20);
    for (int f = 1; f <= 16; f++) {
        BoardFrame();
        EXPECT_EQ(items[item].y, -20 + 12 * f) << "frame " << f;
        EXPECT_EQ(items[item].falling, 1);
    }
    // The floor lies at row 5: the item rests on the lowest cell, row 4.
    BoardFrame();
    EXPECT_EQ(items[item].y, CellY(4));
    EXPECT_EQ(items[item].falling, 0);
    EXPECT_EQ(items[item].bounce, 6);   // landed; the drawing counts it down
    EXPECT_GT(items[item].cellIndex, 0);
    EXPECT_EQ(cells[items[item].cellIndex].itemOnCell, item);
    BoardFrames(5);
    EXPECT_EQ(items[item].y, CellY(4));
}

TEST_P(GravityTest, TheHighestUsedSlotRaisesTheScanLimit) {
    for (int i = 1; i <= 160; i++) {
        if (items[i].kind == 0) items[i].kind = ITEM_FLOOR, items[i].x = -500, items[i].y = i;
    }
    int item = AddItem(CellX(5), -20, 4);
    ASSERT_GT(item, 150);
    BoardFrames(120);
    EXPECT_EQ(items[item].y, CellY(4));
    EXPECT_GE(itemsHigh, item);
}

INSTANTIATE_TEST_SUITE_P(AllModes, GravityTest, ::testing::Values(MODE_CHAIN, MODE_GROUP, MODE_SWAP));
