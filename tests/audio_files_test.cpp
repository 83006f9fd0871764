// The generated sound files: every file the game names is there and decodes,
// none clips or carries DC, every track loops without a click, and the
// generator gives the same bytes when run again.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/sound_files.h"
#include "platform/mixer.h"
#include "platform/platform.h"
#include "tests/test_support.h"

namespace {

const int PEAK_LIMIT = 29204;      // -1 dBFS of 16-bit full scale
const double DC_LIMIT = 0.002 * 32768.0;

std::string DataPath(const std::string& folder, const std::string& file) {
    return std::string(GLD_RUN_DIR) + "/" + folder + file;
}

// Checks one decoded file; `looping` adds the seam rule.
void CheckDecoded(const std::string& path, int looping) {
    TSound sound = LoadSoundFile(path, looping);
    ASSERT_NE(sound, 0) << path << " is missing or does not decode";
    const TMixSound& mix = gameMixer.sounds[sound];
    ASSERT_GT(mix.frames, 0) << path;
    int peak = 0;
    double sum[2] = {0.0, 0.0};
    int inside[2] = {0, 0};
    for (int64_t i = 0; i < mix.frames; i++) {
        for (int c = 0; c < 2; c++) {
            int s = mix.samples[i * 2 + c];
            peak = std::max(peak, std::abs(s));
            sum[c] += s;
            if (i > 0) inside[c] = std::max(inside[c], std::abs(s - mix.samples[(i - 1) * 2 + c]));
        }
    }
    EXPECT_LE(peak, PEAK_LIMIT) << path << " clips";
    for (int c = 0; c < 2; c++) {
        EXPECT_LE(std::abs(sum[c] / mix.frames), DC_LIMIT) << path << " has DC in channel " << c;
        if (looping) {
            int seam = std::abs(mix.samples[c] - mix.samples[(mix.frames - 1) * 2 + c]);
            EXPECT_LE(seam, inside[c]) << path << " clicks at the loop in channel " << c;
        }
    }
    FreeSound(sound);
}

}  // namespace

TEST(SoundFiles, EveryEffectAndTrackDecodesWithoutClippingOrDc) {
    for (int i = 0; i < SOUND_SLOTS; i++)
        if (SOUND_FILES[i]) CheckDecoded(DataPath(SOUND_FOLDER, SOUND_FILES[i]), 0);
    for (const char* track : MUSIC_FILES) CheckDecoded(DataPath(MUSIC_FOLDER, track), 1);
}

TEST(SoundFiles, ASecondRunOfTheGeneratorGivesTheSameBytes) {
    std::string scratch = MakeTempFolder("soundgen");
    ASSERT_FALSE(scratch.empty());
    std::string effects = std::string(GLD_SOUNDGEN_PATH) + " effects " + scratch + "sound";
    ASSERT_EQ(std::system(effects.c_str()), 0);
    for (int i = 0; i < SOUND_SLOTS; i++) {
        if (!SOUND_FILES[i]) continue;
        EXPECT_EQ(ReadWholeFile(scratch + "sound/" + SOUND_FILES[i]), ReadWholeFile(DataPath(SOUND_FOLDER, SOUND_FILES[i])))
            << SOUND_FILES[i];
    }
    // One track of each kind, Vorbis and PCM.
    for (std::string track : {"titel", "story"}) {
        std::string file = track == "story" ? "story.wav" : track + ".ogg";
        std::string music = std::string(GLD_SOUNDGEN_PATH) + " music " + GLD_SOURCE_DIR + "/content/music/" + track +
                            ".txt " + scratch + file + " \"\" " + GLD_SOUNDFONT;
        ASSERT_EQ(std::system(music.c_str()), 0) << track;
        EXPECT_EQ(ReadWholeFile(scratch + file), ReadWholeFile(DataPath(MUSIC_FOLDER, file))) << file;
    }
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
}
