// Recorded input replays into the same game: a played game becomes a
// regression check by comparing a summary of the state it leaves.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "map/map.h"
#include "platform/platform.h"
#include "shell/replay.h"
#include "shell/shell.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"
#include "tests/test_support.h"

static const char* WINDOW_SETTINGS = "0\r\n280\r\n280\r\n-1\r\n0\r\n5\r\n1\r\n";

static std::string StateSummary() {
    std::ostringstream out;
    out << "frame " << frameCount << " screen " << gameScreen << " next " << nextScreen << " fade " << fadeLevel
        << " mouse " << mouseX << "," << mouseY << " held " << mouseHeldFrames << " overlay " << pauseOverlay
        << " suspended " << appSuspended << " developer " << developerMode << " dice " << RandomInt(1, 1000000);
    return out.str();
}

static void StartGame() {
    DriverOptions options;
    options.settings = WINDOW_SETTINGS;
    options.seed = 77;
    ASSERT_EQ(DriverStart(options), 1);
}

// The played part: F3 on the title, then the map with moves, clicks and a
// lost focus.
static void PlayGame() {
    DriverFrames(3);
    DriverKey(KEY_F3, 1);
    DriverFrames(2);
    DriverKey(KEY_F3, 0);
    DriverFrames(2);
    EnterMap();
    DriverFrames(20);
    DriverPointer(300, 200);
    DriverFrames(1);
    DriverClick(640, 480);
    DriverButton(1, 1);
    DriverFrames(4);
    DriverPointer(100, 700);
    DriverButton(1, 0);
    DriverFocus(0);
    DriverFrames(2);
    DriverFocus(1);
    DriverFrames(2);
    DriverClick(512, 384);
    DriverFrames(3);
}

TEST(Replay, ARecordedGameReplaysToTheSameState) {
    std::string file = MakeTempFolder("replay") + "game.txt";
    StartGame();
    StartRecording(file);
    PlayGame();
    ASSERT_EQ(StopRecording(), 1);
    int frames = frameCount;
    std::string played = StateSummary();
    DriverStop();

    StartGame();
    ASSERT_GT(LoadReplay(file), 8);
    DriverFrames(3);
    DriverFrames(4);
    EnterMap();     // the set-up the game ran by hand, at the same frame
    DriverFrames(frames - 7);
    EXPECT_EQ(StateSummary(), played);
    DriverStop();
}

TEST(Replay, EventsReachTheFrameTheyAreRecordedFor) {
    std::string file = MakeTempFolder("replay") + "hand.txt";
    WriteWholeFile(file, "5 key 114 1\r\n6 key 114 0\r\n");
    StartGame();
    ASSERT_EQ(LoadReplay(file), 2);
    EXPECT_EQ(ReplayLastFrame(), 6);
    DriverFrames(4);
    EXPECT_EQ(keyF3, 0);
    EXPECT_EQ(developerMode, 0);
    DriverFrames(1);
    EXPECT_EQ(keyF3, 1);
    EXPECT_EQ(developerMode, 1);
    DriverFrames(1);
    EXPECT_EQ(keyF3, 0);
    DriverStop();
}

TEST(Replay, AMissingFileReplaysNothing) {
    StartGame();
    EXPECT_EQ(LoadReplay(MakeTempFolder("replay") + "none.txt"), 0);
    EXPECT_EQ(ReplayLastFrame(), 0);
    EXPECT_EQ(ApplyReplayFrame(1), 0);
    DriverStop();
}
