// The fade between screens: 17 frames out, the set-up in the frame that
// reaches -16, 16 frames in; a second request restarts the fade-out.
#include <gtest/gtest.h>

#include "platform/platform.h"
#include "map/map.h"
#include "shell/screen_change.h"
#include "tables/level_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"

class ScreenChange : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(DriverStart(), 1);
        EnterMap();   // no timers of its own: only the test asks for a change
        DriverFrames(20);
    }
    void TearDown() override { DriverStop(); }
};

TEST_F(ScreenChange, FadesOutOverSeventeenFramesRunsTheSetUpInTheLastAndFadesInOverSixteen) {
    ASSERT_EQ(gameScreen, SCREEN_MAP);
    BeginScreenChange(SCREEN_STORY, 0);
    EXPECT_EQ(fadeState, FADE_OUT);
    EXPECT_EQ(fadeLevel, 256);
    DriverFrames(16);
    EXPECT_EQ(fadeLevel, 0);
    EXPECT_EQ(gameScreen, SCREEN_MAP) << "the set-up ran early";
    DriverFrames(1);
    EXPECT_EQ(gameScreen, SCREEN_STORY);
    EXPECT_EQ(fadeState, FADE_IN);
    EXPECT_EQ(fadeLevel, 0) << "the set-up's StartFadeIn ends the fade-out in the same frame";
    DriverFrames(15);
    EXPECT_EQ(fadeLevel, 240);
    DriverFrames(5);
    EXPECT_EQ(fadeLevel, 256);
    EXPECT_EQ(fadeState, FADE_IN);
}

TEST_F(ScreenChange, ASecondRequestDuringTheFadeRestartsItWithTheNewTarget) {
    BeginScreenChange(SCREEN_STORY, 0);
    DriverFrames(10);
    BeginScreenChange(SCREEN_ENDING, 0);
    EXPECT_EQ(fadeLevel, 256);
    DriverFrames(16);
    EXPECT_EQ(gameScreen, SCREEN_MAP) << "the second request starts the fade-out again";
    DriverFrames(1);
    EXPECT_EQ(gameScreen, SCREEN_ENDING);
}

TEST_F(ScreenChange, TheQuitTargetEndsTheLoopAfterTheFadeOut) {
    BeginScreenChange(SCREEN_QUIT, 0);
    DriverFrames(16);
    EXPECT_EQ(quitRequested, 0);
    DriverFrames(1);
    EXPECT_EQ(quitRequested, 1);
}

TEST_F(ScreenChange, TheRequestClearsHeldKeysAndTheClick) {
    DriverKey(KEY_ESCAPE, 1);
    DriverKey(KEY_SPACE, 1);
    DriverFrames(1);
    ASSERT_EQ(keyEscape, 1);
    mouseHitLeft = 1;
    BeginScreenChange(SCREEN_STORY, 0);
    EXPECT_EQ(mouseHitLeft, 0);
    DriverFrames(1);
    EXPECT_EQ(keyEscape, 0);
    EXPECT_EQ(keySpace, 0);
}

TEST(CurrentStage, FollowsTheStageEndsOfTheLevelList) {
    ASSERT_EQ(DriverStart(), 1);
    currentPlayer = 3;
    for (int i = 0; i <= 13; i++) stageEnd[i] = 10 * i;
    struct { int progress, stage, inStage; } cases[] = {
        {0, 1, 0}, {1, 1, 1}, {10, 1, 10}, {11, 2, 1}, {20, 2, 10}, {111, 12, 1}, {120, 12, 10}, {125, 12, 15},
    };
    for (const auto& c : cases) {
        players[3].playerProgress = c.progress;
        EXPECT_EQ(CurrentStage(), c.stage) << "position " << c.progress;
        DriverFrames(1);
        EXPECT_EQ(currentStage, c.stage);
        EXPECT_EQ(PositionInStage(), c.inStage) << "position " << c.progress;
    }
    currentPlayer = -1;
    DriverFrames(1);
    EXPECT_EQ(currentStage, 1);
    DriverStop();
}
