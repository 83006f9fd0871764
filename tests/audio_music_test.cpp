// The music on its mixer channel: the level's steps toward the setting, the
// track that goes on from the menu to the map, the fade into a level, and the
// pause while the paused overlay shows.
#include <gtest/gtest.h>

#include <algorithm>

#include "audio/audio.h"
#include "menus/menu.h"
#include "platform/mixer.h"
#include "shell/shell.h"
#include "shell/title.h"
#include "tables/game_tables.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"

namespace {

const TMixChannel& MusicMix() {
    return gameMixer.channels[musicChannel & (MIX_CHANNELS - 1)];
}

class Music : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(DriverStart(), 1);
        EnterTitle();
        DriverFrames(31);
        EnterMainMenu();    // the title's own hand-over, without a fade
        DriverFrames(20);
        ASSERT_NE(musicSound, 0) << "data/music is not built";
        ASSERT_EQ(musicLevel, 280);
        ASSERT_TRUE(Playing(musicChannel));
    }
    void TearDown() override { DriverStop(); }
};

}  // namespace

TEST_F(Music, ASettingOffTheStepSettlesBelowItFromBothSides) {
    musicVolume = 143;
    musicLevel = 0;
    DriverFrames(40);
    EXPECT_EQ(musicLevel, 140);
    EXPECT_NEAR(MusicMix().volume, 0.5f, 1e-5f);
    musicLevel = 280;
    DriverFrames(40);
    EXPECT_EQ(musicLevel, 140);
}

TEST_F(Music, TheTitleTrackGoesOnToTheMapAndFadesIntoALevelWhoseTrackRises) {
    TSound title = musicSound;   // the mixer may give the level's track the same slot
    int64_t started = MusicMix().startOrder;
    BeginScreenChange(SCREEN_MAP, 0);
    for (int f = 0; f < 40; f++) {
        DriverFrames(1);
        ASSERT_FLOAT_EQ(MusicMix().volume, 1.0f) << "frame " << f << " fade " << fadeLevel;
    }
    ASSERT_EQ(gameScreen, SCREEN_MAP);
    EXPECT_EQ(musicSound, title);
    EXPECT_EQ(MusicMix().startOrder, started) << "the track went on, not started again";

    BeginScreenChange(SCREEN_MATCH3, 0);
    do {
        DriverFrames(1);
        ASSERT_NEAR(MusicMix().volume, std::max(0, fadeLevel) / 256.0f, 1e-5f);
    } while (gameScreen != SCREEN_MATCH3 && fadeLevel > -16);
    EXPECT_FLOAT_EQ(MusicMix().volume, 0.0f);
    if (gameScreen != SCREEN_MATCH3) {
        // What the level set-up does for the music, where the game screen
        // does not run a level yet.
        prevScreen = gameScreen;
        musicLevel = 0;
        PlayMusic(LevelMusicFile(mapPosition));
        gameScreen = SCREEN_MATCH3;
        StartFadeIn();
        DriverFrames(1);
    }
    EXPECT_NE(MusicMix().startOrder, started) << "the level's track was cued";
    EXPECT_EQ(musicLevel, 5) << "the level's track rises from silence";
    DriverFrames(55);
    EXPECT_EQ(musicLevel, 280);
    EXPECT_TRUE(Playing(musicChannel));
    EXPECT_FLOAT_EQ(MusicMix().volume, 1.0f);
}

TEST_F(Music, StaysPausedUnderThePausedOverlayAndResumesWithTheClick) {
    DriverFocus(0);
    DriverFrames(1);
    ASSERT_EQ(pauseOverlay, 1);
    DriverFocus(1);
    for (int f = 0; f < 20; f++) {
        DriverFrames(1);
        ASSERT_FALSE(Playing(musicChannel)) << "frame " << f;
    }
    DriverPointer(512, 600);
    DriverButton(1, 1);
    DriverFrames(1);
    ASSERT_EQ(pauseOverlay, -1);
    DriverButton(1, 0);
    DriverFrames(1);
    EXPECT_TRUE(Playing(musicChannel));
}

TEST_F(Music, AMissingTrackLeavesTheMusicSilent) {
    PlayMusic("nothing.ogg");
    DriverFrames(2);
    EXPECT_EQ(musicSound, 0);
    EXPECT_FALSE(Playing(musicChannel));
}
