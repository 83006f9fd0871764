// Chain mode: dragging paths, jokers, cutting back, matches and scores.
#include <gtest/gtest.h>

#include "match3/fish_orders.h"
#include "match3/rules.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tests/board_driver.h"

namespace {

class ChainTest : public ::testing::Test {
protected:
    // Row 2 holds a prepared line; the rows under it are a board without moves.
    void Start(const std::string& row2) {
        std::vector<std::string> rows = TilingRows(8, 4);
        rows[1] = row2;
        BoardStartGrid(MODE_CHAIN, 31, rows);
    }
};

int MarkedCells() {
    int marked = 0;
    for (int c = 1; c <= BOARD_LAST_SLOT; c++) marked += cells[c].exists && cells[c].chainMark > 0;
    return marked;
}

}  // namespace

TEST_F(ChainTest, AChainOf2IsClearedWithoutEffect) {
    Start(".11234123");
    TFishOrder& fish = CurrentProfile().fishOrders[CreateOrder(40, 300, 1, 0)];
    fish.wanted[1].wantedKind = 1;   // a fish that has waited long for colour 1
    fish.orderAge = 500;
    uint32_t before = BoardHash();
    BoardDrag({{2, 2}, {3, 2}});
    EXPECT_EQ(chainCount, 2);
    EXPECT_EQ(MarkedCells(), 2);
    BoardRelease();
    EXPECT_EQ(MarkedCells(), 0);
    EXPECT_EQ(score, 0);
    EXPECT_EQ(CurrentProfile().playerItemsCleared, 0);
    EXPECT_EQ(fish.wanted[1].wantedServed, 0);
    EXPECT_EQ(BoardHash(), before);
}

TEST_F(ChainTest, AJokerAtTheStartLeavesTheColourUnset) {
    Start(".J22214123");
    BoardDrag({{2, 2}});
    EXPECT_EQ(chainCount, 1);
    EXPECT_EQ(chainColour, 0);
    BoardDrag({{3, 2}});
    EXPECT_EQ(chainColour, 2);
    BoardDrag({{4, 2}, {5, 2}});
    EXPECT_EQ(chainCount, 4);
    BoardDrag({{6, 2}});   // a 1 no longer joins
    EXPECT_EQ(chainCount, 4);
    BoardRelease();
    EXPECT_EQ(score, 4 * 50);
}

TEST_F(ChainTest, DraggingBackShortensTheChainAndTheLastItemDoesNothing) {
    Start(".11112341");
    BoardDrag({{2, 2}, {3, 2}, {4, 2}, {5, 2}});
    ASSERT_EQ(chainCount, 4);
    int second = ItemOnPlace(3, 2), third = ItemOnPlace(4, 2), fourth = ItemOnPlace(5, 2);
    BoardDrag({{5, 2}});   // the last item again
    EXPECT_EQ(chainCount, 4);
    BoardDrag({{3, 2}});   // back onto the second
    EXPECT_EQ(chainCount, 2);
    EXPECT_EQ(chainLast, second);
    EXPECT_EQ(items[third].inChain + items[fourth].inChain, 0);
    EXPECT_EQ(cells[items[second].cellIndex].arrowDir, 0);
    BoardDrag({{4, 2}});   // the chain grows again from the second
    EXPECT_EQ(chainCount, 3);
    BoardRelease();
    EXPECT_EQ(score, 3 * 45);
    EXPECT_EQ(KindOnPlace(5, 2), 1);   // the cut item stays
}

TEST_F(ChainTest, OnlyAColour5ChainOf5LeavesABombWhereTheFirstItemWas) {
    for (int colour : {5, 3}) {
        Start("." + std::string(5, char('0' + colour)) + "123");
        BoardDrag({{2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}});
        BoardRelease();
        EXPECT_EQ(KindOnPlace(2, 2) == ITEM_BOMB, colour == 5);
        EXPECT_EQ(score, (colour == 5 ? 4 : 5) * 55) << "colour " << colour;
    }
}

TEST_F(ChainTest, ABombPressedOnAnEmptySelectionGoesOffAtOnce) {
    Start(".B1234123");
    BoardDrag({{2, 2}});
    EXPECT_EQ(CountKind(ITEM_BOMB), 0);
    EXPECT_EQ(CurrentProfile().playerMatches, 1);
    // The bomb's own match, and 30 for each of the seven items within its reach.
    EXPECT_EQ(score, 45 + 7 * 30);
}

TEST(ComboTest, MatchesLessThan30FramesApartClimbTheComboScale) {
    BoardStart(MODE_CHAIN, 33, 2);
    BuildTestBoard(TilingRows(8, 6));
    rescueUsed = 1;
    BoardPlayReady();
    // Any three resting items make a selection of 3.
    auto match = []() {
        ClearSelection();
        for (int i = 1; i <= BOARD_LAST_SLOT && chainCount < 3; i++) {
            if (IsColour(items[i].kind) && items[i].cellIndex > 0) AddToSelection(i);
        }
        ASSERT_EQ(chainCount, 3);
        resolvePending = 1;
        ResolveSelection();
    };
    match();
    EXPECT_EQ(comboCount, 1);
    EXPECT_EQ(comboTimer, 30);
    BoardFrames(1);    // 29 left: too soon to climb
    match();
    EXPECT_EQ(comboCount, 1);
    BoardFrames(3);    // 27 left
    match();
    EXPECT_EQ(comboCount, 2);
    BoardFrames(30);
    EXPECT_EQ(comboTimer, 0);
    EXPECT_EQ(comboCount, 0);
}
