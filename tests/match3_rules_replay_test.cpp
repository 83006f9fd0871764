// Recorded games: a fixed seed and a list of pointer inputs play a board the
// same way every time, in each game mode.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "match3/board_art.h"
#include "match3/board_draw.h"
#include "match3/level_files.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tests/board_driver.h"
#include "platform/platform.h"
#include "tests/test_support.h"

namespace {

std::string ReplayPath(const char* name) { return std::string(GLD_SOURCE_DIR) + "/tests/replays/" + name; }

class ReplayTest : public ::testing::TestWithParam<const char*> {};

}  // namespace

// A recording plays to its stored summary; the recorder's live game and the
// replay of what it recorded then end alike. With GLD_WRITE_REPLAYS=1 the
// fresh recordings replace the stored ones (after a deliberate change of the
// rules).
TEST_P(ReplayTest, ARecordingMatchesItsSummaryAndALiveGameItsRecording) {
    TReplay replay;
    ASSERT_TRUE(ReadReplay(ReplayPath(GetParam()), replay)) << GetParam();
    ASSERT_GE(replay.frames, 2000);
    ASSERT_FALSE(replay.inputs.empty());
    TReplayResult stored = PlayReplay(replay);
    EXPECT_GT(stored.matches, 3) << "the recording should play real moves";
    ASSERT_TRUE(replay.hasSummary);
    EXPECT_EQ(stored.score, replay.summaryScore);
    EXPECT_EQ(stored.hash, replay.summaryHash);

    TReplayResult live = PlayAndRecord(replay);
    ASSERT_FALSE(replay.inputs.empty());
    TReplayResult played = PlayReplay(replay);
    EXPECT_EQ(live.hash, played.hash);
    EXPECT_EQ(live.score, played.score);
    EXPECT_EQ(live.matches, played.matches);
    const char* write = std::getenv("GLD_WRITE_REPLAYS");
    if (write && std::string(write) == "1") {
        static const char* titles[] = {"chain mode", "group mode", "swap mode"};
        int mode = replay.mode >= 1 && replay.mode <= 3 ? replay.mode : 3;
        EXPECT_TRUE(WriteReplay(ReplayPath(GetParam()), replay,
                                std::string("A recorded game in ") + titles[mode - 1] + "."));
    }
}

INSTANTIATE_TEST_SUITE_P(Recordings, ReplayTest,
                         ::testing::Values("chain_game.txt", "group_game.txt", "swap_game.txt"));

TEST(BoardPictureTest, TheDriverDrawsTheBoardToAPicture) {
    BoardStart(MODE_SWAP, 71, 2, 1);
    BuildTestBoard(TilingRows(8, 6));
    rescueUsed = 1;
    BoardFrames(160);
    std::string path = MakeTempFolder("board") + "board.png";
    ASSERT_TRUE(BoardSavePicture(path));
    EXPECT_GT(ReadWholeFile(path).size(), 1000u);
    // The board with and without its items: every item centre changes.
    std::vector<uint32_t> withItems, cellsOnly;
    int w = 0, h = 0;
    ASSERT_TRUE(ReadScreenPixels(withItems, w, h));
    ASSERT_EQ(w, 1024);
    Cls();
    DrawCells();
    ASSERT_TRUE(ReadScreenPixels(cellsOnly, w, h));
    int changed = 0, colours = 0;
    for (int i = 1; i <= BOARD_LAST_SLOT; i++) {
        if (!IsColour(items[i].kind)) continue;
        colours++;
        size_t at = static_cast<size_t>(items[i].y) * w + items[i].x;
        changed += withItems[at] != cellsOnly[at];
    }
    EXPECT_EQ(colours, 8 * 6);
    EXPECT_EQ(changed, colours) << "item pictures of set 1 missing or not drawn";
}

// A level file read by the game's loader plays in each mode, and its
// recording replays to the same end.
TEST(LevelPlayTest, ALevelFilePlaysInEveryModeAndItsRecordingReplays) {
    std::string folder = MakeTempFolder("levels");
    ASSERT_FALSE(folder.empty());
    std::string bytes;
    for (int r = 1; r <= 15; r++) {
        for (int c = 1; c <= 20; c++) {
            int code = 0;
            if (r >= 2 && r <= 9 && c >= 3 && c <= 10) code = (r == 5 && c == 6) ? 4 : 1;
            if (r == 3 && c == 14) code = 102;   // a fish beside the board
            int stored = code - 1;
            for (int b = 0; b < 4; b++) bytes += static_cast<char>((stored >> (8 * b)) & 255);
        }
    }
    WriteWholeFile(folder + "lvla011.lvl", bytes);
    std::string savedFolder = levelFolder;
    levelFolder = folder;
    for (int mode = 1; mode <= 3; mode++) {
        TReplay replay;
        replay.mode = mode;
        replay.seed = 70 + mode;
        replay.position = 12;   // plays level file 11
        replay.frames = 1200;
        replay.useLevelFile = 1;
        TReplayResult live = PlayAndRecord(replay);
        EXPECT_EQ(levelNo, 11);
        EXPECT_GT(live.matches, 3) << "mode " << mode;
        TReplayResult played = PlayReplay(replay);
        EXPECT_EQ(live.hash, played.hash) << "mode " << mode;
        EXPECT_EQ(live.score, played.score) << "mode " << mode;
    }
    levelFolder = savedFolder;
}
