// Swap mode: picking, swapping, returning, committing at the meeting point,
// cascades of refills, and the clean start of a level.
#include <gtest/gtest.h>

#include "match3/rules.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tests/board_driver.h"

namespace {

void StartSwapBoard(const std::vector<std::string>& rows, uint32_t seed) { BoardStartGrid(MODE_SWAP, seed, rows); }

// Clicks the item of the first place, then of the second: the swap starts.
void ClickPair(int c1, int r1, int c2, int r2) {
    BoardClickCell(c1, r1, 1);
    BoardPointer(CellX(c2), CellY(r2), 1);
    BoardFrame();
}

}  // namespace

// The pair meets at phase 48 after six frames of 12 pixels, then goes back
// in eight and leaves the board as it was.
TEST(SwapTest, ASwapWithoutALineReturnsIn8Frames) {
    StartSwapBoard(TilingRows(6, 4), 42);
    uint32_t before = BoardHash();
    ClickPair(3, 2, 4, 2);
    EXPECT_EQ(swapSecond, ItemOnPlace(4, 2));
    EXPECT_EQ(swapDx2, -12);
    BoardPointer(CellX(4), CellY(2), 0);
    int frames = 0, back = 0;
    for (; swapDir == 1 && frames < 20; frames++) BoardFrame();
    EXPECT_EQ(frames, 6);
    EXPECT_EQ(swapDx1, 48);
    for (; swapPhase != 0 && back < 20; back++) BoardFrame();
    EXPECT_EQ(back, 8);
    EXPECT_EQ(swapFirst + swapSecond + swapDx1, 0);
    EXPECT_EQ(BoardHash(), before);
    EXPECT_EQ(score, 0);
}

TEST(BreakInitialLinesTest, NoShippedLevelStartsWithALine) {
    // Large levels keep items above slot 150, where the frame's scans do not
    // reach before gravity has run.
    for (int position = 1; position <= MAP_POSITIONS; position++) {
        if (position % 10 == 0) continue;
        for (uint32_t seed = 1; seed <= 10; seed++) {
            BoardStart(MODE_SWAP, seed, position);
            ASSERT_GT(BoardLoadLevel(position), 0) << "position " << position;
            BoardFrames(5);
            EXPECT_EQ(BoardHasLine(), 0) << "position " << position << " seed " << seed;
        }
    }
}

TEST(SwapTest, ABombPressedInTheFrameOfALineWaitsForTheNextFrame) {
    std::vector<std::string> rows = TilingRows(6, 4);
    rows[1][1] = 'B';
    StartSwapBoard(rows, 47);
    int bomb = ItemOnPlace(2, 2);
    ASSERT_EQ(items[bomb].kind, ITEM_BOMB);
    // a line of a colour the tiling does not hold appears as the bomb is pressed
    for (int row = 3; row <= 5; row++) items[ItemOnPlace(5, row)].kind = 5;
    BoardPointer(CellX(2), CellY(2), 1);
    BoardFrame();
    // the line alone is the match: three items of a match of 3
    EXPECT_EQ(score, 3 * 45);
    EXPECT_EQ(items[bomb].kind, ITEM_BOMB);
    EXPECT_EQ(CurrentProfile().playerMatches, 1);
}
