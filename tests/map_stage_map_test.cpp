// The stage map through the real loop: the signs fill as a stage's positions
// are won, the popup opens only what the player may play, a click starts an
// open position, and the popup and the map help close the way they should.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "map/map.h"
#include "platform/platform.h"
#include "tables/dialog_tables.h"
#include "tables/game_tables.h"
#include "tables/level_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tables/stage_map_tables.h"
#include "tests/driver.h"
#include "tests/test_support.h"

namespace {

const char* WINDOW_SETTINGS = "0\r\n200\r\n200\r\n-1\r\n0\r\n5\r\n1\r\n";
const int FADE_FRAMES = 20;

int IconX(int stage, int position) {
    return POPUP_ICON_FIRST_X + POPUP_ICON_STEP * (position - stageEnd[stage - 1] - 1);
}

// A player who may play up to `unlocked` and chose `progress` last, just
// entering the map, with the pointer parked in the top corner.
void EnterMapAs(int unlocked, int progress) {
    DriverOptions options;
    options.settings = WINDOW_SETTINGS;
    ASSERT_EQ(DriverStart(options), 1);
    currentPlayer = 1;
    players[1].playerName = u"Ada";
    players[1].playerUnlocked = unlocked;
    players[1].playerProgress = progress;
    DriverPointer(1010, 10);
    EnterMap();
}

// The same on the map once it has faded in.
void StartOnMap(int unlocked, int progress) {
    EnterMapAs(unlocked, progress);
    DriverFrames(FADE_FRAMES);
    ASSERT_EQ(gameScreen, SCREEN_MAP);
    ASSERT_EQ(fadeState, FADE_IN);
}

void SaveContact(const std::string& name) {
    const std::string folder = std::string(GLD_RUN_DIR) + "/../contact/";
    MakeFolder(folder, 1);
    SaveScreenPng(folder + "map_" + name + ".png");
}

void OpenPopupOf(int stage) {
    DriverClick(signX[stage], signY[stage]);
    DriverFrames(FADE_FRAMES);
    ASSERT_EQ(dialogKind, DIALOG_STAGE_POPUP);
    ASSERT_EQ(dialogOpenLevel, DIALOG_FULLY_OPEN);
    ASSERT_EQ(popupStage, stage);
}

// Two screen rows across the sign of stage 2: one in the band its first won
// position reveals, one in a band only the fifth and later reveal.
struct TSignRows {
    uint32_t low = 0, high = 0;
};

TSignRows SignRowsAt(int unlocked) {
    TSignRows rows;
    StartOnMap(unlocked, unlocked);
    EXPECT_NE(stageFillRows[2], nullptr) << "the full sign picture of stage 2 is part of the data";
    const int signTop = signY[2] + SIGN_DRAW_DY - SIGN_HEIGHT / 2;
    const int lowestBand = FILL_BANDS_DRAWN - 1, fifthBand = FILL_BANDS_DRAWN - 6;
    rows.low = DriverPixel(signX[2], signTop + lowestBand * FILL_BAND_HEIGHT + FILL_BAND_HEIGHT / 2);
    rows.high = DriverPixel(signX[2], signTop + fifthBand * FILL_BAND_HEIGHT + FILL_BAND_HEIGHT / 2);
    SaveContact("progress" + std::to_string(unlocked));
    DriverStop();
    return rows;
}

// Same seed, same frames: the runs differ only where the fill has risen.
TEST(StageMap, TheSignFillsFromTheBottomAsPositionsAreWon) {
    const TSignRows none = SignRowsAt(11), four = SignRowsAt(15), eight = SignRowsAt(19);
    EXPECT_NE(none.low, four.low) << "the first band is revealed by the first won position";
    EXPECT_EQ(none.high, four.high) << "four won positions stay below the fifth band";
    EXPECT_NE(four.high, eight.high) << "eight won positions reach it";
}

TEST(StageMap, ALockedPositionIgnoresTheClickAndAnOpenOneStarts) {
    StartOnMap(15, 12);
    players[1].savedLevelFlag = 1;
    players[1].playerLevelSeconds = 77;
    OpenPopupOf(2);

    DriverPointer(IconX(2, 16), POPUP_ICON_Y);
    DriverFrames(6);
    EXPECT_EQ(iconGrow[16], 0) << "a locked icon does not grow under the pointer";
    DriverClick(IconX(2, 16), POPUP_ICON_Y);
    DriverFrames(FADE_FRAMES);
    EXPECT_EQ(gameScreen, SCREEN_MAP);
    EXPECT_EQ(fadeState, FADE_IN);
    EXPECT_EQ(players[1].playerProgress, 12);
    EXPECT_EQ(dialogKind, DIALOG_STAGE_POPUP);

    DriverPointer(IconX(2, 15), POPUP_ICON_Y);
    DriverFrames(6);
    EXPECT_EQ(iconGrow[15], ICON_GROW_FULL);
    SaveContact("popup");
    DriverClick(IconX(2, 15), POPUP_ICON_Y);
    EXPECT_EQ(players[1].playerProgress, 15);
    EXPECT_EQ(mapPosition, 15);
    EXPECT_EQ(players[1].savedLevelFlag, 0) << "leaving the saved level gives it up";
    EXPECT_EQ(players[1].playerLevelSeconds, 0);
    DriverFrames(FADE_FRAMES);
    EXPECT_EQ(gameScreen, SCREEN_MATCH3);
    DriverStop();
}

TEST(StageMap, ThePopupClosesOnlyByItsButtonAndEscapeLeavesTheMapAlone) {
    StartOnMap(15, 15);
    OpenPopupOf(2);
    DriverKey(KEY_ESCAPE, 1);
    DriverFrames(FADE_FRAMES);
    DriverKey(KEY_ESCAPE, 0);
    DriverFrames(1);
    EXPECT_EQ(dialogKind, DIALOG_STAGE_POPUP);
    EXPECT_EQ(dialogOpenLevel, DIALOG_FULLY_OPEN);
    DriverClick(POPUP_CLOSE_X, POPUP_CLOSE_Y);
    DriverFrames(FADE_FRAMES);
    EXPECT_EQ(dialogOpenLevel, 0);
    DriverKey(KEY_ESCAPE, 1);
    DriverFrames(FADE_FRAMES);
    DriverKey(KEY_ESCAPE, 0);
    EXPECT_EQ(gameScreen, SCREEN_MAP);
    EXPECT_EQ(fadeState, FADE_IN);
    EXPECT_EQ(dialogOpenLevel, 0);
    DriverStop();
}

TEST(StageMap, ANewPlayerSeesTheHelpOnTheTwentiethFrameAndEscapeClosesIt) {
    EnterMapAs(1, 1);
    DriverFrames(19);
    EXPECT_EQ(dialogOpenLevel, 0);
    DriverFrames(1);
    EXPECT_EQ(dialogKind, DIALOG_MAP_HELP);
    DriverFrames(FADE_FRAMES);
    SaveContact("help");
    DriverKey(KEY_ESCAPE, 1);
    DriverFrames(1);
    DriverKey(KEY_ESCAPE, 0);
    DriverFrames(FADE_FRAMES);
    EXPECT_EQ(dialogOpenLevel, 0);
    EXPECT_EQ(gameScreen, SCREEN_MAP);
    DriverStop();
}

TEST(StageMap, ContinuePlaysTheFrontierUntilEveryPositionIsWon) {
    StartOnMap(15, 12);
    SaveContact("map");
    DriverClick(MAP_CONTINUE_X, MAP_CONTINUE_Y);
    EXPECT_EQ(players[1].playerProgress, 15);
    DriverFrames(FADE_FRAMES);
    EXPECT_EQ(gameScreen, SCREEN_MATCH3);
    DriverStop();

    StartOnMap(121, 120);
    SaveContact("complete");
    DriverClick(MAP_CONTINUE_X, MAP_CONTINUE_Y);
    DriverFrames(FADE_FRAMES);
    EXPECT_EQ(gameScreen, SCREEN_MAP) << "with all won the button is only drawn";
    EXPECT_EQ(players[1].playerProgress, 120);
    DriverStop();
}

}  // namespace
