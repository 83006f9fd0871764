// Moss, bombs, pillars, stones, the shuffle wave and the four power-ups: on
// small boards for the items, and on the game screen for the power-ups.
#include <gtest/gtest.h>

#include "match3/board.h"
#include "match3/fish_orders.h"
#include "match3/rules.h"
#include "match3/specials.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tests/board_driver.h"
#include "tests/driver.h"
#include "tests/game_driver.h"

namespace {

void StartBoard(const std::vector<std::string>& rows, int mode = MODE_CHAIN) {
    BoardStartGrid(mode, 77, rows);
}

// A fish waiting for the given colours, served before any fish made later.
int WaitingFish(int first, int second = 0) {
    int order = CreateOrder(40, 300, second ? 2 : 1, 0);
    TFishOrder& fish = CurrentProfile().fishOrders[order];
    fish.wanted[1].wantedKind = first;
    fish.wanted[2].wantedKind = second;
    fish.orderAge = 500;
    return order;
}

int Served(int order) {
    const TFishOrder& fish = CurrentProfile().fishOrders[order];
    return fish.wanted[1].wantedServed + fish.wanted[2].wantedServed;
}

int MossCells() {
    int moss = 0;
    for (int c = 1; c <= BOARD_LAST_SLOT; c++) moss += cells[c].exists && cells[c].isMoss;
    return moss;
}

// A 7 x 6 pool with a bomb in the middle of row 4, column 4.
const std::vector<std::string> BLAST_POOL = {
    "........",
    ".1234123",
    ".3412341",
    ".12B4123",
    ".3412341",
    ".1234123",
    ".3412341",
};

}  // namespace

TEST(BombTest, ABlastRemovesWhatLiesWithin110PixelsClearsItsMossAndOffersEachColourOnce) {
    StartBoard(BLAST_POOL);
    cells[CellOnPlace(6, 4)].isMoss = 1;
    cells[CellOnPlace(7, 5)].isMoss = 1;
    const int twoOnes = WaitingFish(1, 1);
    const int five = WaitingFish(5);
    const int bomb = ItemOnPlace(4, 4);
    const int far = ItemOnPlace(8, 4);
    ASSERT_EQ(items[bomb].kind, ITEM_BOMB);
    ExplodeBomb(bomb);
    // Columns 2..6 of rows 2..6 but their corners: 20 items around the bomb.
    EXPECT_EQ(CurrentProfile().playerItemsCleared, 20);
    EXPECT_EQ(score, 20 * 30);
    EXPECT_EQ(cells[CellOnPlace(6, 4)].isMoss, 0);     // two cells away: inside
    EXPECT_EQ(cells[CellOnPlace(7, 5)].isMoss, 1);     // (3, 1) cells away: outside
    EXPECT_EQ(items[far].kind, 3);                 // 192 pixels away it only shakes
    EXPECT_EQ(items[far].shake, 20);
    EXPECT_EQ(KindOnPlace(2, 2), 1);               // the corner (2, 2) cells away stays
    EXPECT_EQ(Served(twoOnes), 1);                 // one item of colour 1, however many went
    EXPECT_EQ(Served(five), 0);
}

TEST(BombTest, ABombInABlastGoesOffInTurn) {
    StartBoard({"........", ".1234123", ".3412341", ".12B4B23", ".3412341", ".1234123", ".3412341"});
    ExplodeBomb(ItemOnPlace(4, 4));
    // The second bomb's blast reaches column 8, beyond the first one's.
    EXPECT_EQ(KindOnPlace(8, 4), 0);
    // Rows 2 and 6 give 5 items each, rows 3 and 5 seven each, row 4 six
    // besides the first bomb, which stays for whoever set it off.
    EXPECT_EQ(CurrentProfile().playerItemsCleared, 30);
    EXPECT_EQ(CountKind(ITEM_BOMB), 1);
}

TEST(BombTest, ABombInTheSelectionIsRemovedByTheMatchNotByTheOtherBombsBlast) {
    StartBoard({"........", ".1234123", ".3412341", ".1BB4123", ".3412341", ".1234123"});
    BoardDrag({{2, 4}, {3, 4}, {4, 4}});
    BoardRelease();
    const int cleared = CurrentProfile().playerItemsCleared;
    EXPECT_EQ(CountKind(ITEM_BOMB), 0);
    // The three selected score as a match (45 each), everything else the blasts took 30.
    EXPECT_EQ(score, 3 * 45 + (cleared - 3) * 30);
}

TEST(PillarTest, AMatchBesideAPillarBreaksItAndItsColumnFillsAgain) {
    StartBoard({"......", ".1234", ".3P12", ".1114", ".3412"});
    const int pillarCell = CellOnPlace(3, 3);
    ASSERT_EQ(cells[pillarCell].pillarCell, 1);
    BoardDrag({{2, 4}, {3, 4}, {4, 4}});
    BoardRelease();
    EXPECT_EQ(CountKind(ITEM_PILLAR), 0);
    EXPECT_EQ(cells[pillarCell].pillarCell, 0);
    EXPECT_EQ(score, 3 * 45 + 500);
    EXPECT_TRUE(BoardSettle());
    EXPECT_GT(KindOnPlace(3, 3), 0);
    EXPECT_NE(KindOnPlace(3, 3), ITEM_PILLAR);
}

TEST(PillarTest, AShotOnAStonePillarCellLeavesABombOrAJokerThere) {
    StartBoard({"......", ".1234", ".3412", ".1234"});
    const int cell = CellOnPlace(3, 3);
    cells[cell].stonePillarCell = 1;
    const int item = ItemOnPlace(3, 3);
    items[item].height = 2;
    ProjectileLanded(SHOT_AIMED, item, static_cast<float>(CellX(3)), static_cast<float>(CellY(3)));
    EXPECT_TRUE(items[item].kind == ITEM_BOMB || items[item].kind == ITEM_JOKER);
    EXPECT_EQ(cells[cell].stonePillarCell, 0);
    EXPECT_EQ(score, 500);
}

// The items under the stone go, and it falls to the floor.
static void DropStone(int chargeBefore) {
    StartBoard({"......", ".1S34", ".3412", ".1234"});
    ResetPowerups();
    powerupCharge[1] = chargeBefore;
    ASSERT_EQ(CountKind(ITEM_STONE_FIRST), 1);
    RemoveItemSlot(ItemOnPlace(3, 3));
    RemoveItemSlot(ItemOnPlace(3, 4));
    EXPECT_TRUE(BoardSettle());
}

TEST(StoneTest, AStoneOnTheFloorChargesItsPowerupUnlessItIsReady) {
    DropStone(POWERUP_READY);
    EXPECT_EQ(CurrentProfile().powerupTarget[1], 0);
    DropStone(0);
    EXPECT_EQ(CountKind(ITEM_STONE_FIRST), 0);
    EXPECT_EQ(CurrentProfile().playerStonesCollected, 1);
    EXPECT_EQ(CurrentProfile().powerupTarget[1], POWERUP_FULL_TARGET);
    EXPECT_EQ(score, 500);
    UpdatePowerups();
    EXPECT_EQ(powerupCharge[1], 1);
    for (int f = 0; f < 73; f++) UpdatePowerups();
    EXPECT_EQ(powerupCharge[1], 74);
    UpdatePowerups();
    EXPECT_GE(powerupCharge[1], POWERUP_READY);
}

// The rescue of a board without moves is the hint tests' own.
TEST(ShuffleTest, TheWaveRedrawsEveryColourAndLeavesTheBomb) {
    std::vector<std::string> rows = TilingRows(10, 8);
    rows[4][5] = 'B';
    StartBoard(rows, MODE_GROUP);
    const uint32_t before = BoardHash();
    shuffleWave = 1;
    int frames = 0;
    while (shuffleWave > 0 && frames < 100) {
        BoardFrame();
        frames++;
    }
    EXPECT_EQ(frames, 40);
    EXPECT_NE(BoardHash(), before);
    EXPECT_EQ(KindOnPlace(6, 5), ITEM_BOMB) << "only colours are re-drawn";
}

// ---- the four power-ups on the game screen of level 8 (moss, pillars, stones)

namespace {

constexpr int MOSS_LEVEL = 8;
// A start on which the simple player wins soon after the power-ups; the limit
// only stops a game that went wrong.
constexpr uint32_t WIN_SEED = 12;
constexpr int WIN_FRAME_LIMIT = 12000;
constexpr int ORDERS_LEFT_TO_PLAY = 4;

void StartPowerupLevel(uint32_t seed) {
    ASSERT_EQ(GameStartLevel(MOSS_LEVEL, MODE_CHAIN, seed), 1);
    DriverFrames(170);
}

// A stone's charge, played until the shell is ready, then a click on it.
void ChargeAndClick(int p) {
    CurrentProfile().powerupTarget[p] = POWERUP_FULL_TARGET;
    for (int f = 0; f < 100 && powerupCharge[p] < POWERUP_READY; f++) DriverFrames(1);
    ASSERT_GE(powerupCharge[p], POWERUP_READY);
    DriverClick(powerupX[p], static_cast<int>(powerupY[p]));
}

void ExpectSpent(int p, int frames) {
    DriverFrames(frames);
    EXPECT_EQ(powerupState[p], 0);
    EXPECT_EQ(powerupCharge[p], 0);
    EXPECT_EQ(CurrentProfile().powerupTarget[p], 0);
}

}  // namespace

// Each power-up in turn, each doing its work and spent, and then the level is
// still won: nothing of a power-up keeps the board from play.
TEST(PowerupTest, EachPowerupDoesItsWorkAndTheLevelIsStillWon) {
    StartPowerupLevel(WIN_SEED);
    ChargeAndClick(4);
    EXPECT_GT(powerupState[4], 0);
    const int cleared = CurrentProfile().playerItemsCleared;
    ExpectSpent(4, 95);     // the dynamite flies to its item first
    EXPECT_GT(CurrentProfile().playerItemsCleared, cleared) << "the random strike blows up an item";

    const int moss = MossCells();
    ASSERT_GT(moss, 0);
    ChargeAndClick(3);
    EXPECT_GT(powerupState[3], 0);
    ExpectSpent(3, 120);
    EXPECT_LT(MossCells(), moss) << "the moss sweep shoots at the moss";

    ChargeAndClick(2);
    EXPECT_GT(powerupState[2], 0);
    int waveSeen = 0;
    for (int f = 0; f < 60 && !waveSeen; f++) {
        DriverFrames(1);
        waveSeen = shuffleWave > 0;
    }
    EXPECT_TRUE(waveSeen) << "the shuffle sends its wave over the board";
    ExpectSpent(2, 45);
    EXPECT_EQ(shuffleWave, 0);

    // The aimed shot holds the board until it is aimed, then takes the item
    // of a moss cell and its moss.
    int target = 0;
    for (int i = 1; i <= BOARD_LAST_SLOT && !target; i++) {
        const int cell = items[i].cellIndex;
        if (IsColour(items[i].kind) && cell > 0 && cells[cell].isMoss) target = i;
    }
    ASSERT_GT(target, 0);
    const int cell = items[target].cellIndex;
    ChargeAndClick(1);
    EXPECT_EQ(powerupState[1], 1);
    DriverClick(items[target].x, items[target].y);
    EXPECT_GE(powerupState[1], 2);
    ExpectSpent(1, 70);     // the shot flies about fifty frames
    EXPECT_EQ(cells[cell].isMoss, 0);
    EXPECT_TRUE(items[target].kind == 0 || items[target].y < 0 || items[target].falling);

    // All orders but the last few count as served; those and the moss left,
    // under and beside the pillars, are won in play.
    CurrentProfile().playerOrdersServed = ordersNeeded - ORDERS_LEFT_TO_PLAY;
    const int frames = GamePlayToWin(WIN_FRAME_LIMIT);
    EXPECT_GT(frames, 0);
    RecordProperty("frames", frames);
    EXPECT_EQ(mossLeft, 0);
    EXPECT_GE(CurrentProfile().playerOrdersServed, ordersNeeded);
}
