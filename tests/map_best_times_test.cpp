// The best-times file and the level clock: the file's fixed size, the record
// rule, a file read back after a restart, a broken file replaced by a fresh
// table, and a clock that stops while a dialog or the pause overlay shows.
#include <gtest/gtest.h>

#include <string>

#include "map/best_times.h"
#include "menus/dialogs.h"
#include "platform/platform.h"
#include "tables/best_time_tables.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"
#include "tests/game_driver.h"
#include "tests/test_support.h"

namespace {

std::string BestTimesFile() {
    return saveFolder + "besttimes.ppp";
}

TEST(BestTimes, TheFileKeepsTwoHundredRecordsOfSixteenBytes) {
    ASSERT_EQ(DriverStart(), 1);
    ASSERT_EQ(FileSize(BestTimesFile()), 3200) << "written on the first run";

    EXPECT_EQ(OfferBestTime(5, 95, "Nemo"), 1) << "the first time is a record";
    EXPECT_EQ(OfferBestTime(5, 95, "Dory"), 0) << "an equal time keeps the holder";
    EXPECT_EQ(OfferBestTime(5, 120, "Dory"), 0);
    EXPECT_EQ(OfferBestTime(5, 90, "Marlin the Great Navigator"), 1);
    std::string bytes = ReadWholeFile(BestTimesFile());
    ASSERT_EQ(bytes.size(), 3200u) << "a long name is cut, so no record shifts";

    // A restart reads the same table back.
    DriverOptions again;
    again.keepSaveFolder = 1;
    ASSERT_EQ(DriverStart(again), 1);
    EXPECT_EQ(bestTime[5], 90);
    EXPECT_EQ(bestTimeName[5], "Marlin the G");
    EXPECT_EQ(bestTime[6], -1);

    // A cut file gives a fresh table, says so once, and the game goes on.
    WriteWholeFile(BestTimesFile(), bytes.substr(0, 1000));
    testing::internal::CaptureStderr();
    ASSERT_EQ(DriverStart(again), 1);
    std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("best times"), std::string::npos) << said;
    EXPECT_EQ(bestTime[5], -1);
    EXPECT_EQ(ReadWholeFile(BestTimesFile()).size(), 3200u);
    DriverStop();
}

TEST(LevelClock, CountsOnlyWhilePlaying) {
    ASSERT_EQ(GameStartLevel(3, MODE_SWAP, 41), 1);
    for (int guard = 0; guard < 400 && levelFrame < 160; guard++) DriverFrames(1);
    TPlayerProfile& player = CurrentProfile();
    const int start = player.playerLevelSeconds;
    DriverFrames(200);      // five seconds
    EXPECT_NEAR(player.playerLevelSeconds - start, 5, 1);
    OpenDialog(298);
    DriverFrames(5);
    const int inDialog = player.playerLevelSeconds;
    DriverFrames(200);
    EXPECT_EQ(player.playerLevelSeconds, inDialog) << "a dialog stops the clock";
    CloseDialog();
    DriverFrames(20);
    DriverFocus(0);
    DriverFrames(2);
    ASSERT_EQ(pauseOverlay, 1);
    const int paused = player.playerLevelSeconds;
    DriverFocus(1);
    DriverFrames(200);
    EXPECT_EQ(player.playerLevelSeconds, paused) << "the pause overlay stops the clock";
    DriverStop();
}

}  // namespace
