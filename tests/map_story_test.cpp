// The two story screens through the real loop: how long each page lasts,
// where each story hands over, the skip and menu buttons, and the entry in
// the champions list at the end of the game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "map/story.h"
#include "menus/menu.h"
#include "platform/platform.h"
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

// The frame number at which each page began (storyFrame 0), by page.
struct TPageStarts {
    std::vector<int> start = std::vector<int>(8, -1);
    void See() {
        if (storyPage >= 1 && storyPage < 8 && start[storyPage] < 0) start[storyPage] = frameCount - storyFrame;
    }
    int Length(int page) const { return start[page + 1] - start[page]; }
};

void SaveContact(const std::string& name) {
    const std::string folder = std::string(GLD_RUN_DIR) + "/../contact/";
    MakeFolder(folder, 1);
    SaveScreenPng(folder + "story_" + name + ".png");
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

TEST(OpeningStory, TellsFourPagesAndStartsTheFirstPosition) {
    StartOnMenuWithPlayer(0);
    DriverClick(PLAY_X, PLAY_Y);
    RunUntilScreen(SCREEN_STORY, 40);
    ASSERT_EQ(gameScreen, SCREEN_STORY);
    EXPECT_EQ(playStarted, 1);
    TPageStarts pages;
    int handOverFrame = -1;
    for (int i = 0; i < 4000 && gameScreen == SCREEN_STORY; i++) {
        pages.See();
        if (handOverFrame < 0 && nextScreen == SCREEN_MATCH3 && fadeState == FADE_OUT) handOverFrame = frameCount;
        if (storyPage >= 1 && storyPage <= 4 && storyFrame == 400) SaveContact("opening_page" + std::to_string(storyPage));
        if (storyPage == 2 && storyFrame == 1) {
            EXPECT_EQ(parchmentY, 678) << "the parchment has risen to its place";
        }
        DriverFrames(1);
    }
    for (int page = 1; page <= 4; page++) EXPECT_EQ(pages.Length(page), page % 2 ? 700 : 800) << page;
    EXPECT_EQ(handOverFrame, pages.start[5] + 1) << "the end page's first frame starts the first position";
    EXPECT_EQ(gameScreen, SCREEN_MATCH3);
    EXPECT_EQ(mapPosition, 1);
    EXPECT_EQ(players[1].playerProgress, 1);
    EXPECT_EQ(storyBackImage, nullptr) << "the story's pictures go with the story";
    EXPECT_EQ(wizardBackImage, nullptr);
    DriverStop();
}

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

TEST(ClosingStory, TellsTwoPagesEntersTheChampionOnceAndGoesToTheMenu) {
    StartEnding();
    ASSERT_EQ(gameScreen, SCREEN_ENDING);
    TPageStarts pages;
    for (int i = 0; i < 2000 && gameScreen == SCREEN_ENDING; i++) {
        pages.See();
        if (storyPage == 1 && storyFrame == 400) SaveContact("closing_page1");
        DriverFrames(1);
    }
    for (int page = 1; page <= 2; page++) EXPECT_EQ(pages.Length(page), page % 2 ? 700 : 800) << page;
    EXPECT_EQ(gameScreen, SCREEN_MENU);
    EXPECT_EQ(endingShown, 1);
    EXPECT_EQ(champScore[1], 5000);
    EXPECT_EQ(champName[1], u"Marina");
    EXPECT_EQ(champScore[2], 0) << "entered once";
    DriverStop();
}

TEST(ClosingStory, LeavingEarlyThroughTheMenuButtonStillEntersTheChampionOnce) {
    StartEnding();
    SkipPage();
    while (storyPage == 1) DriverFrames(1);
    DriverFrames(30);
    DriverClick(MENU_X, BUTTON_Y);
    RunUntilScreen(SCREEN_MENU, 40);
    EXPECT_EQ(gameScreen, SCREEN_MENU);
    EXPECT_EQ(endingShown, 1);
    EXPECT_EQ(champScore[1], 5000);
    EXPECT_EQ(champScore[2], 0);
    DriverStop();
}
