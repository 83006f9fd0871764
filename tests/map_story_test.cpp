// The two story screens through the real loop: the skip and menu buttons,
// and the entry in the champions list at the end of the game.
#include <gtest/gtest.h>

#include "map/story.h"
#include "menus/menu.h"
#include "shell/screen_change.h"
#include "tables/champion_tables.h"
#include "tables/game_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"
#include "tests/test_support.h"

namespace {

const char* WINDOW_SETTINGS = "0\r\n200\r\n200\r\n-1\r\n0\r\n5\r\n1\r\n";
const int BUTTON_Y = 741, MENU_X = 87, SKIP_X = 937;
const int PLAY_X = 512, PLAY_Y = 480;

// Player 1 chosen, on the menu fully faded in.
void StartOnMenuWithPlayer(int progress) {
    DriverOptions options;
    options.settings = WINDOW_SETTINGS;
    ASSERT_EQ(DriverStart(options), 1);
    currentPlayer = 1;
    players[1] = TPlayerProfile{};
    players[1].playerName = u"Marina";
    players[1].playerProgress = progress;
    players[1].playerUnlocked = progress < 1 ? 1 : progress;
    players[1].playerScore = 5000;
    EnterMainMenu();
    DriverFrames(40);
    ASSERT_EQ(gameScreen, SCREEN_MENU);
}

void RunUntilScreen(int screen, int limit) {
    for (int i = 0; i < limit && gameScreen != screen; i++) DriverFrames(1);
}

// The closing story under way for a player at the last position.
void StartEnding() {
    StartOnMenuWithPlayer(120);
    playStarted = 1;
    BeginScreenChange(SCREEN_ENDING, 0);
    RunUntilScreen(SCREEN_ENDING, 40);
}

// Presses the skip button once the page is under way: it ends 20 frames later.
void SkipPage() {
    while (storyFrame < 2) DriverFrames(1);
    DriverClick(SKIP_X, BUTTON_Y);
}

}  // namespace

TEST(OpeningStory, SkipEndsThePageTwentyFramesLaterAndTheMenuButtonLeaves) {
    StartOnMenuWithPlayer(0);
    DriverClick(PLAY_X, PLAY_Y);
    RunUntilScreen(SCREEN_STORY, 40);
    while (storyFrame < 9) DriverFrames(1);
    DriverPointer(SKIP_X, BUTTON_Y);
    DriverButton(1, 1);
    DriverFrames(1);
    EXPECT_EQ(storyFrame, 680) << "the click at frame 10 goes to the page's last 20 frames";
    const int clickFrame = frameCount;
    DriverButton(1, 0);
    DriverFrames(5);
    // In the last 20 frames neither button reacts.
    DriverClick(SKIP_X, BUTTON_Y);
    EXPECT_EQ(storyFrame, 687);
    DriverClick(MENU_X, BUTTON_Y);
    EXPECT_EQ(fadeState, FADE_IN);
    while (storyPage == 1) DriverFrames(1);
    EXPECT_EQ(storyFrame, 0);
    EXPECT_EQ(frameCount - clickFrame, 20) << "page 2 begins 20 frames after the click";
    DriverFrames(10);
    DriverClick(MENU_X, BUTTON_Y);
    EXPECT_EQ(nextScreen, SCREEN_MENU);
    RunUntilScreen(SCREEN_MENU, 40);
    EXPECT_EQ(gameScreen, SCREEN_MENU);
    EXPECT_EQ(players[1].playerProgress, 0) << "the story is told again next time";
    DriverStop();
}

// Whether the closing story runs to its end or is left early through the
// menu button, the player enters the champions list once and the menu follows.
TEST(ClosingStory, EntersTheChampionOnceWhetherToldToTheEndOrLeftEarly) {
    for (int leaveEarly : {0, 1}) {
        SCOPED_TRACE(leaveEarly);
        StartEnding();
        ASSERT_EQ(gameScreen, SCREEN_ENDING);
        if (leaveEarly) {
            SkipPage();
            while (storyPage == 1) DriverFrames(1);
            DriverFrames(30);
            DriverClick(MENU_X, BUTTON_Y);
        }
        RunUntilScreen(SCREEN_MENU, leaveEarly ? 40 : 2000);
        EXPECT_EQ(gameScreen, SCREEN_MENU);
        EXPECT_EQ(endingShown, 1);
        EXPECT_EQ(champScore[1], 5000);
        EXPECT_EQ(champName[1], u"Marina");
        EXPECT_EQ(champScore[2], 0) << "entered once";
        DriverStop();
    }
}
