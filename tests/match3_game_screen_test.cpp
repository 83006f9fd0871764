// The game screen played through the whole loop: the numbers a player sees at
// fixed frames, the fish orders' rules, and a recorded won level replayed
// against its stored summary (the rules of each mode are the board replays').
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "effects/effects.h"
#include "match3/board_frame.h"
#include "match3/fish_orders.h"
#include "match3/level_facts.h"
#include "menus/dialogs.h"
#include "platform/platform.h"
#include "shell/replay.h"
#include "shell/shell.h"
#include "tables/board_tables.h"
#include "tables/dialog_tables.h"
#include "tables/game_tables.h"
#include "tables/level_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/board_driver.h"
#include "tests/driver.h"
#include "tests/game_driver.h"
#include "tests/test_support.h"

namespace {

constexpr int WIN_FRAME_LIMIT = 12000;

// A level won in play: every order served, no moss, a score not yet paid to
// the player, and no table read outside its bounds on the way.
void ExpectWon(int startScore, const std::string& errors) {
    EXPECT_GE(levelEndTimer, 1);
    EXPECT_GE(CurrentProfile().playerOrdersServed, ordersNeeded);
    EXPECT_EQ(ordersNeeded, OrdersNeeded(positionLevel[mapPosition]));
    EXPECT_EQ(mossLeft, 0);
    EXPECT_GT(score, 0);
    EXPECT_EQ(CurrentProfile().playerScore, startScore) << "the score is paid to the player only at the results";
    EXPECT_EQ(errors.find("outside"), std::string::npos) << errors;
}

void RunToLevelFrame(int frame) {
    for (int guard = 0; guard < 2000 && levelFrame < frame; guard++) DriverFrames(1);
}

TEST(GameScreen, TheModeButtonsWakeAtFrame150AndTheMenuOpensOnEscape) {
    ASSERT_EQ(GameStartLevel(3, MODE_SWAP, 12), 1);
    RunToLevelFrame(100);
    DriverClick(512, 717);
    EXPECT_EQ(CurrentProfile().playerGameMode, MODE_SWAP) << "dead before frame 150";
    RunToLevelFrame(150);
    DriverClick(512, 717);
    EXPECT_EQ(CurrentProfile().playerGameMode, MODE_CHAIN);
    DriverClick(622, 717);
    EXPECT_EQ(CurrentProfile().playerGameMode, MODE_GROUP);
    EXPECT_EQ(dialogKind, 0);
    DriverKey(KEY_ESCAPE, 1);
    DriverFrames(1);
    DriverKey(KEY_ESCAPE, 0);
    EXPECT_EQ(dialogKind, 298);
    int frozen = levelFrame;
    DriverFrames(20);
    EXPECT_EQ(levelFrame, frozen) << "a dialog stops the level's frames";
    DriverClick(512, 494);      // play on
    DriverFrames(20);
    EXPECT_EQ(dialogOpenLevel, 0);
    EXPECT_GT(levelFrame, frozen);
    DriverStop();
}

TEST(GameScreen, TheHelpOpensOnceAtFrame35OfTheFirstLevels) {
    ASSERT_EQ(GameStartLevel(1, MODE_SWAP, 13, 1), 1);
    RunToLevelFrame(34);
    EXPECT_EQ(dialogKind, 0);
    DriverFrames(1);
    EXPECT_EQ(dialogKind, 447);
    EXPECT_EQ(helpPage, 1);
    DriverFrames(30);
    EXPECT_EQ(levelFrame, 36);
    DriverClick(512, 650);      // page 1 goes on to the page about fish
    EXPECT_EQ(helpPage, 2);
    DriverClick(512, 650);
    DriverFrames(20);
    EXPECT_EQ(dialogOpenLevel, 0);
    RunToLevelFrame(200);
    EXPECT_EQ(dialogKind, 0) << "the help opens only once";
    DriverStop();
}

// ---- fish orders, on a level's tables without its frames

TFishOrder& Order(int slot) {
    return CurrentProfile().fishOrders[slot];
}

void ShowFish(int slot, int x, int age, int size, int colour) {
    CreateOrder(x, 300, size, slot);
    Order(slot).orderAge = age;
    for (int j = 1; j <= size; j++) Order(slot).wanted[j].wantedKind = colour;
}

// One level's tables, the fish placed by hand for each rule in turn.
TEST(FishOrders, OrdersAreServedOldestFirstRenewedAndShowTheirIcons) {
    ASSERT_EQ(GameStartLevel(3, MODE_SWAP, 14), 1);
    ClearFishOrders();
    ShowFish(1, 100, 30, 1, 2);
    ShowFish(2, 900, 50, 1, 2);
    ShowFish(3, 20, 90, 1, 2);      // too far left to be served
    ServeOrder(400, 300, 2);
    EXPECT_EQ(Order(2).wanted[1].wantedServed, 1) << "the fish that waited longest first";
    EXPECT_EQ(Order(1).wanted[1].wantedServed, 0);
    ServeOrder(400, 300, 2);
    EXPECT_EQ(Order(1).wanted[1].wantedServed, 1);
    ServeOrder(400, 300, 2);        // every fish of colour 2 is reserved
    EXPECT_EQ(Order(3).wanted[1].wantedServed, 0);
    ServeOrder(400, 300, 3);        // nobody wants colour 3: a spare item is lost
    EXPECT_EQ(Order(1).wanted[1].wantedServed + Order(2).wanted[1].wantedServed + Order(3).wanted[1].wantedServed, 2);

    // The arrived item's slot of a three-item order empties.
    ClearFishOrders();
    levelFrame = 0;
    ShowFish(1, 300, 30, 3, 1);
    Order(1).wanted[2].wantedKind = 3;
    Order(1).wanted[3].wantedKind = 4;
    Order(1).orderAge = 60;
    UpdateFishOrders();
    OrderItemArrived(1, 2);
    UpdateFishOrders();
    UpdateFishOrders();
    EXPECT_EQ(Order(1).wanted[2].wantedKind, 0);
    EXPECT_EQ(Order(1).wanted[1].wantedKind, 1);

    // A renewed fish waits; spare fish leave.
    ClearFishOrders();
    orderHigh = 0;
    levelFrame = 200;
    ordersNeeded = 3;
    CurrentProfile().playerOrdersServed = 0;
    ShowFish(1, 100, 30, 1, 2);
    ShowFish(2, 900, 30, 1, 4);
    ShowFish(3, 600, 30, 1, 5);     // three fish for three orders: none renews
    orderHigh = 3;
    while (SpawnParticle(0.0f, 0.0f, PK_FLASH, 0.0f, 0.0f) > 0) {
    }                               // a full pool: no token can fly
    ServeOrder(400, 300, 2);        // the item arrives at once while no token flies
    UpdateFishOrders();
    EXPECT_EQ(CurrentProfile().playerOrdersServed, 1);
    EXPECT_EQ(Order(1).orderSize, 0) << "3 orders, 3 fish: the first served fish leaves for good";

    ordersNeeded = 10;
    ServeOrder(400, 300, 4);
    UpdateFishOrders();
    EXPECT_EQ(CurrentProfile().playerOrdersServed, 2);
    ASSERT_EQ(Order(2).orderSize, 1) << "renewed in its place";
    EXPECT_LT(Order(2).orderAge, 0);
    int renewedColour = Order(2).wanted[1].wantedKind;
    ServeOrder(400, 300, renewedColour);
    EXPECT_EQ(Order(2).wanted[1].wantedServed, 0) << "a renewed fish is not served before it shows";
    DriverStop();
}

// ---- a won level recorded through the shell's recorder

std::string ReplayPath() {
    return std::string(GLD_SOURCE_DIR) + "/tests/replays/won_level_input.txt";
}

std::string WonSummary(int frames) {
    std::ostringstream out;
    out << "summary frames " << frames << " score " << score << " served " << CurrentProfile().playerOrdersServed
        << " moss " << mossLeft << " board " << BoardHash();
    return out.str();
}

// Position 1: a plain pool with two one-item fish and a cross of moss.
constexpr int RECORDED_POSITION = 1;
constexpr uint32_t RECORDED_SEED = 4011;

TEST(GameReplay, AWonLevelReplaysToItsStoredSummary) {
    // GLD_RECORD=1 plays the level anew with the simple player and stores it.
    if (std::getenv("GLD_RECORD")) {
        ASSERT_EQ(GameStartLevel(RECORDED_POSITION, MODE_CHAIN, RECORDED_SEED), 1);
        StartRecording(ReplayPath());
        int frames = GamePlayToWin(WIN_FRAME_LIMIT);
        ASSERT_GT(frames, 0);
        int endFrame = frameCount;
        ASSERT_EQ(StopRecording(), 1);
        std::ofstream(ReplayPath(), std::ios::app) << "# " << WonSummary(endFrame) << "\n";
        DriverStop();
    }
    std::ifstream in(ReplayPath());
    ASSERT_TRUE(in) << "no recording";
    std::string line, stored;
    while (std::getline(in, line))
        if (line.rfind("# summary", 0) == 0) stored = line.substr(2);
    ASSERT_FALSE(stored.empty());
    int endFrame = 0;
    ASSERT_EQ(std::sscanf(stored.c_str(), "summary frames %d", &endFrame), 1);

    testing::internal::CaptureStderr();
    ASSERT_EQ(GameStartLevel(RECORDED_POSITION, MODE_CHAIN, RECORDED_SEED), 1);
    const int startScore = CurrentProfile().playerScore;
    ASSERT_GT(LoadReplay(ReplayPath()), 0);
    while (frameCount < endFrame) DriverFrames(1);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(WonSummary(endFrame), stored);
    ExpectWon(startScore, errors);
    DriverStop();
}

}  // namespace
