// The results of a won level, run through the real loop from the win to the
// next level: the bonuses fixed at frame 81, paid in large steps and then
// single ones, the wait for the continue button, the bookkeeping at 920.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "shell/shell.h"
#include "tables/best_time_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"
#include "tests/game_driver.h"

namespace {

void RunToEndFrame(int frame) {
    for (int guard = 0; guard < 1200 && levelEndTimer < frame; guard++) DriverFrames(1);
}

// The results need no board in play: F3 wins the level at once, even before
// the board wakes.
void WinNow() {
    developerMode = 1;
    DriverKey(KEY_F3, 1);
    DriverFrames(1);
    DriverKey(KEY_F3, 0);
}

void PressContinue() {
    DriverKey(KEY_ENTER, 1);
    DriverFrames(1);
    DriverKey(KEY_ENTER, 0);
}

TEST(LevelEnd, TheResultsArePaidAndTheNextLevelFollows) {
    ASSERT_EQ(GameStartLevel(3, 3, 21), 1);
    TPlayerProfile& player = CurrentProfile();
    WinNow();
    ASSERT_GE(levelEndTimer, 1);
    player.playerLevelSeconds = 119;
    player.playerItemsCleared = 26;
    player.playerMossCleared = 0;
    player.playerOrdersServed = 12;
    const int levelScore = score;
    RunToEndFrame(82);
    EXPECT_EQ(timeBonus, 2000);
    EXPECT_EQ(timeLimitMinutes, 2);
    EXPECT_EQ(newRecord, 1) << "the first finish of a position is a record";
    EXPECT_EQ(bestTime[3], 119);
    EXPECT_EQ(TrimText(bestTimeName[3]), "Tester");

    RunToEndFrame(161);
    EXPECT_EQ(player.playerItemsCleared, 5) << "20 in one step, then single ones";
    RunToEndFrame(167);
    EXPECT_EQ(player.playerItemsCleared, 0);
    RunToEndFrame(260);
    // record 2000 + time 2000 + 26 items x 5 + 12 orders x 20
    EXPECT_EQ(score, levelScore + 2000 + 2000 + 130 + 240);
    levelEndTimer = 480;    // the quiet frames until the button waits
    DriverFrames(30);
    EXPECT_EQ(levelEndTimer, 499) << "the results wait for the continue button";
    const int total = player.playerScore + score;
    PressContinue();
    for (int guard = 0; guard < 600 && !(gameScreen == SCREEN_MATCH3 && levelEndTimer == 0); guard++)
        DriverFrames(1);
    EXPECT_EQ(player.playerScore, total);
    EXPECT_EQ(player.playerUnlocked, 4);
    EXPECT_EQ(player.playerProgress, 4);
    EXPECT_EQ(mapPosition, 4);
    EXPECT_EQ(gameScreen, SCREEN_MATCH3) << "the next level is entered";
    EXPECT_EQ(score, 0);

    // An older level won again goes back to the map and moves nothing on.
    player.playerProgress = 2;
    mapPosition = 2;
    BeginScreenChange(SCREEN_MATCH3, 0);
    DriverFrames(40);
    WinNow();
    player.playerLevelSeconds = 600;
    levelEndTimer = 78;
    RunToEndFrame(82);
    EXPECT_EQ(timeBonus, 0) << "600 seconds earn nothing";
    EXPECT_EQ(timeLimitMinutes, 0);
    levelEndTimer = 499;
    PressContinue();
    for (int guard = 0; guard < 600 && gameScreen == SCREEN_MATCH3; guard++) DriverFrames(1);
    EXPECT_EQ(gameScreen, SCREEN_MAP);
    EXPECT_EQ(player.playerUnlocked, 4);
    EXPECT_EQ(player.playerProgress, 2);

    // The window loses the focus right after the bookkeeping: while the pause
    // holds the results, the frontier stays moved on by one position only.
    player.playerProgress = 4;
    mapPosition = 4;
    BeginScreenChange(SCREEN_MATCH3, 0);
    DriverFrames(40);
    WinNow();
    levelEndTimer = 499;
    PressContinue();
    RunToEndFrame(LEVEL_DONE);
    ASSERT_EQ(player.playerProgress, 5) << "the bookkeeping frame has run";
    DriverFocus(0);
    DriverFrames(40);
    DriverFocus(1);
    for (int guard = 0; guard < 600 && !(gameScreen == SCREEN_MATCH3 && levelEndTimer == 0); guard++)
        DriverFrames(1);
    EXPECT_EQ(player.playerUnlocked, 5);
    EXPECT_EQ(player.playerProgress, 5);
    EXPECT_EQ(mapPosition, 5);
    DriverStop();
}

}  // namespace
