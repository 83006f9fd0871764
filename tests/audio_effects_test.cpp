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
// empty, one play per sound and frame, the pan of the screen edges, and the
// quietest volume above silence.
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

    PlaySound(5, 0);
    ASSERT_NE(NewestWith(sounds[5]), nullptr);
    EXPECT_NEAR(NewestWith(sounds[5])->pan, -0.4352f, 1e-5f);
    DriverFrames(1);
    PlaySound(5, 1024);
    ASSERT_NE(NewestWith(sounds[5]), nullptr);
    EXPECT_NEAR(NewestWith(sounds[5])->pan, 0.4352f, 1e-5f);

    soundVolume = 10;
    PlaySound(13, 512);
    EXPECT_EQ(ChannelsWith(sounds[13]), 0) << "ten is silence";
    soundVolume = 11;
    PlaySound(13, 512);   // the silent call did not use up this frame's play
    ASSERT_EQ(ChannelsWith(sounds[13]), 1);
    EXPECT_NEAR(NewestWith(sounds[13])->volume, 0.0392857f, 1e-6f);
    EXPECT_FLOAT_EQ(NewestWith(sounds[13])->pan, 0.0f);
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
