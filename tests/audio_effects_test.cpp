// The sound effects on the mixer's channels: the slots loaded, once per frame
// per sound, the volume setting and the pan by screen position.
#include <gtest/gtest.h>

#include <filesystem>

#include "audio/audio.h"
#include "audio/sound_files.h"
#include "platform/mixer.h"
#include "shell/title.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"

namespace {

int ChannelsWith(TSound sound) {
    int count = 0;
    for (const TMixChannel& channel : gameMixer.channels)
        if (channel.used && channel.active && channel.sound == sound) count++;
    return count;
}

// The channel that started `sound` last; nullptr when none plays it.
const TMixChannel* NewestWith(TSound sound) {
    const TMixChannel* newest = nullptr;
    for (const TMixChannel& channel : gameMixer.channels)
        if (channel.used && channel.active && channel.sound == sound && (!newest || channel.startOrder > newest->startOrder))
            newest = &channel;
    return newest;
}

}  // namespace

// One game, each sound on its own: every named slot loaded and the empty ones
// empty, one play per sound and frame, the pan towards the screen edges, and
// the volume from silence to full.
TEST(SoundEffects, SoundsPlayOncePerFramePannedAndAtTheSetVolume) {
    ASSERT_EQ(DriverStart(), 1);
    EnterTitle();       // loads the sounds
    DriverFrames(31);   // past the silent start, so the frame's music step runs
    ASSERT_NE(sounds[16], 0) << "data/sound is not built";
    for (int i = 0; i < SOUND_SLOTS; i++) EXPECT_EQ(sounds[i] != 0, SOUND_FILES[i] != nullptr) << "slot " << i;
    EXPECT_NE(sounds[28], sounds[7]) << "the second bell has a slot of its own";
    EXPECT_EQ(gameMixer.sounds[sounds[28]].frames, gameMixer.sounds[sounds[7]].frames);

    PlaySound(16, 300);
    PlaySound(16, 700);
    EXPECT_EQ(ChannelsWith(sounds[16]), 1) << "two plays in one frame give one";
    DriverFrames(1);
    PlaySound(16, 300);
    EXPECT_EQ(ChannelsWith(sounds[16]), 2) << "the next frame's play overlaps";

    soundVolume = 10;
    PlaySound(5, 0);
    EXPECT_EQ(ChannelsWith(sounds[5]), 0) << "ten is silence";
    soundVolume = 11;
    PlaySound(5, 0);   // the silent call did not use up this frame's play
    ASSERT_EQ(ChannelsWith(sounds[5]), 1);
    EXPECT_LT(NewestWith(sounds[5])->pan, 0.0f) << "the left edge pans left";
    EXPECT_GT(NewestWith(sounds[5])->volume, 0.0f);
    EXPECT_LT(NewestWith(sounds[5])->volume, 0.05f) << "eleven is the quietest";
    soundVolume = 280;
    PlaySound(13, 1023);
    ASSERT_EQ(ChannelsWith(sounds[13]), 1);
    EXPECT_GT(NewestWith(sounds[13])->pan, 0.0f) << "the right edge pans right";
    EXPECT_NEAR(NewestWith(sounds[13])->volume, 1.0f, 1e-3f) << "280 is full volume";
    DriverStop();
}

TEST(SoundProbe, WithoutTheProbeFileNoSoundIsLoaded) {
    DriverOptions options;
    options.workFolder = DriverMakeWorkFolder({"sound/button1.ogg"});
    ASSERT_EQ(DriverStart(options), 1);
    EnterTitle();
    EXPECT_EQ(soundsAvailable, 0);
    for (int i = 0; i < SOUND_SLOTS; i++) EXPECT_EQ(sounds[i], 0) << "slot " << i;
    DriverStop();
    std::error_code ignored;
    std::filesystem::remove_all(options.workFolder, ignored);
}
