// Group mode, hints in every mode, and the rescue of a board without moves.
#include <gtest/gtest.h>

#include <utility>

#include "match3/rules.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/board_driver.h"

namespace {

// The pointer pressed on a place in this frame, and the group input alone.
void PressForGroup(int column, int row) {
    mouseX = CellX(column);
    mouseY = CellY(row);
    mouseDownLeft = mouseHitLeft = 1;
    GroupInput();
}

}  // namespace

TEST(GroupTest, SevenFloodPassesFollowSlotOrder) {
    // A column of ten 1s: from the top every pass reaches down the whole
    // column; from the bottom each pass climbs one item, so 8 are reached.
    std::vector<std::string> rows(1, "....");
    for (int r = 0; r < 10; r++) rows.push_back(r % 2 ? ".314" : ".213");
    BoardStartGrid(MODE_GROUP, 52, rows);
    PressForGroup(3, 2);
    EXPECT_EQ(chainCount, 10);
    ResolveSelection();
    BoardStartGrid(MODE_GROUP, 52, rows);
    PressForGroup(3, 11);
    EXPECT_EQ(chainCount, 8);
    EXPECT_EQ(items[ItemOnPlace(3, 2)].inChain, 0);
    EXPECT_EQ(items[ItemOnPlace(3, 4)].inChain, 1);
}

TEST(GroupTest, AGroupOf2IsNotAMatchAndPlaysThroughTheFrame) {
    BoardStartGrid(MODE_GROUP, 53, {"......", ".11212", ".34343", ".12121"});
    uint32_t before = BoardHash();
    BoardClickCell(2, 2, 1);
    EXPECT_EQ(chainCount, 0);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(BoardHash(), before);
    BoardClickCell(4, 4, 1);   // the group of one 1
    EXPECT_EQ(score, 0);
}

class HintTest : public ::testing::TestWithParam<int> {};

TEST_P(HintTest, TheHintFindsAMoveAndShowsItAfter400IdleFrames) {
    int mode = GetParam();
    // Chain and group: the 1 at column 2, row 2 has two 1s beside it.
    // Swap: row 2 reads 2 1 1, and swapping the 2 with the 1 below it makes a line.
    std::vector<std::string> rows = mode == MODE_SWAP
        ? std::vector<std::string>{".......", ".211212", ".134343", ".212121"}
        : std::vector<std::string>{".......", ".112121", ".143434", ".321212"};
    BoardStartGrid(mode, 55, rows, 1);
    // Frame 151 searched the board.
    ASSERT_GT(hintItem, 0);
    ASSERT_GT(hintPartner, 0);
    EXPECT_EQ(rescueUsed, 0);
    EXPECT_NE(DirectionBetween(hintItem, hintPartner), 0);
    if (mode == MODE_SWAP) {
        std::swap(items[hintItem].kind, items[hintPartner].kind);
        EXPECT_EQ(BoardHasLine(), 1);
        std::swap(items[hintItem].kind, items[hintPartner].kind);
    } else {
        EXPECT_EQ(items[hintItem].kind, items[hintPartner].kind);
        EXPECT_EQ(items[hintItem].kind, items[hintThird].kind);
        EXPECT_NE(DirectionBetween(hintItem, hintThird), 0);
    }
    int wobbling = 0, frames = 0;
    while (!wobbling && frames < 500) {
        BoardFrame();
        frames++;
        wobbling = items[hintItem].hintPhase > 0;
    }
    EXPECT_TRUE(wobbling);
    EXPECT_EQ(levelFrame, 401);   // idle since frame 1, shown when above 400
    EXPECT_GT(items[hintPartner].hintPhase, 0);
    if (mode == MODE_SWAP) {
        EXPECT_EQ(cells[items[hintItem].cellIndex].arrowDir, DirectionBetween(hintItem, hintPartner));
    }
}

TEST_P(HintTest, ABoardWithoutMovesGetsOneBomb) {
    BoardStartGrid(GetParam(), 56, TilingRows(6, 5), 1);
    EXPECT_EQ(hintItem, 0);
    int frames = 0;
    while (rescueUsed == 0 && frames < 1000) {
        BoardFrame();
        frames++;
    }
    EXPECT_EQ(rescueUsed, 1);
    EXPECT_EQ(CountKind(ITEM_BOMB), 1);
    EXPECT_EQ(levelFrame % 150, 1);
    BoardFrames(300);
    EXPECT_EQ(CountKind(ITEM_BOMB), 1);   // one rescue until a bomb goes off
}

INSTANTIATE_TEST_SUITE_P(AllModes, HintTest, ::testing::Values(MODE_CHAIN, MODE_GROUP, MODE_SWAP));
