// The mixer (volume, pan, loops, pauses, ends) and the sound and channel
// operations on top of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/mixer.h"
#include "platform/platform.h"
#include "platform/writers/writers.h"
#include "tests/test_support.h"

namespace {

// A mixer holding one sound of `frames` frames with constant samples.
std::unique_ptr<TMixer> MixerWithSound(int frames, int16_t left, int16_t right, int loop) {
    auto mixer = std::make_unique<TMixer>();
    TMixSound& sound = mixer->sounds[1];
    sound.used = 1;
    sound.loop = loop;
    for (int i = 0; i < frames; i++) sound.samples.insert(sound.samples.end(), {left, right});
    sound.frames = frames;
    return mixer;
}

TMixChannel& StartChannel(TMixer& mixer, int slot, float volume, float pan) {
    TMixChannel& channel = mixer.channels[slot];
    channel.used = channel.sound = channel.active = 1;
    channel.volume = volume;
    channel.pan = pan;
    return channel;
}

std::vector<int16_t> Mix(TMixer& mixer, int frames) {
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2, 12345);
    MixFrames(mixer, out.data(), frames);
    return out;
}

// A WAV file of 8-bit mono samples.
void WriteWav(const std::string& path, int rate, int samples) {
    auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    auto le16 = [](uint32_t v) { return std::string{char(v), char(v >> 8)}; };
    std::string data;
    for (int i = 0; i < samples; i++) data.push_back(static_cast<char>(i % 32 < 16 ? 200 : 56));
    std::string wav = "RIFF" + le32(36 + samples) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) + le32(rate) +
                      le32(rate) + le16(1) + le16(8) + "data" + le32(samples) + data;
    WriteWholeFile(path, wav);
}

// The page checksum of Ogg: CRC-32 with polynomial 0x04C11DB7, MSB first.
uint32_t OggChecksum(const std::string& page) {
    uint32_t crc = 0;
    for (unsigned char c : page) {
        crc ^= static_cast<uint32_t>(c) << 24;
        for (int k = 0; k < 8; k++) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

void PutLe(std::string& bytes, size_t at, uint64_t value, int count) {
    for (int i = 0; i < count; i++) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// An Ogg file with every page given another serial number, checksums redone.
std::string WithSerial(const std::string& bytes, uint32_t serial) {
    std::string out;
    size_t at = 0;
    while (at + 27 <= bytes.size()) {
        size_t segments = static_cast<unsigned char>(bytes[at + 26]);
        size_t body = 0;
        for (size_t i = 0; i < segments; i++) body += static_cast<unsigned char>(bytes[at + 27 + i]);
        std::string page = bytes.substr(at, 27 + segments + body);
        at += page.size();
        PutLe(page, 14, serial, 4);
        PutLe(page, 22, 0, 4);
        PutLe(page, 22, OggChecksum(page), 4);
        out += page;
    }
    return out;
}

// Waits up to two seconds for the channel to stop playing.
int EndsWithin(TChannel channel) {
    for (int i = 0; i < 200; i++) {
        PumpEvents();
        if (!Playing(channel)) return 1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return 0;
}

}  // namespace

// Volume scales both sides; pan moves the sound to one side, full at the
// side it moves to and scaled on the other.
TEST(Mixer, VolumeAndPanShareTheSoundBetweenTheSides) {
    struct { int16_t left, right; float volume, pan; int wantLeft, wantRight; } cases[] = {
        {10000, -8000, 0.5f, 0.0f, 5000, -4000}, {10000, 10000, 1.0f, -1.0f, 10000, 0},
        {10000, 10000, 1.0f, 1.0f, 0, 10000},    {10000, 10000, 1.0f, 0.5f, 5000, 10000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "volume " << c.volume << " pan " << c.pan);
        auto mixer = MixerWithSound(100, c.left, c.right, 0);
        StartChannel(*mixer, 1, c.volume, c.pan);
        auto out = Mix(*mixer, 4);
        EXPECT_NEAR(out[0], c.wantLeft, 1);
        EXPECT_NEAR(out[1], c.wantRight, 1);
    }
    // Channels add up and clip.
    auto loud = MixerWithSound(10, 20000, -20000, 0);
    StartChannel(*loud, 1, 1.0f, 0.0f);
    StartChannel(*loud, 2, 1.0f, 0.0f);
    auto out = Mix(*loud, 5);
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[1], -32768);
}

TEST(Mixer, LoopingSoundStartsOver) {
    auto mixer = MixerWithSound(100, 0, 0, 1);
    for (int i = 0; i < 100; i++) mixer->sounds[1].samples[i * 2] = static_cast<int16_t>(i * 10);
    TMixChannel& channel = StartChannel(*mixer, 1, 1.0f, 0.0f);
    auto out = Mix(*mixer, 250);
    EXPECT_EQ(channel.active, 1);
    EXPECT_EQ(channel.position, 50);
    EXPECT_NEAR(out[99 * 2], 990, 1);
    EXPECT_EQ(out[100 * 2], 0);
    EXPECT_NEAR(out[101 * 2], 10, 1);
    EXPECT_NEAR(out[249 * 2], 490, 1);
    AdvanceFrames(*mixer, 1000);
    EXPECT_EQ(channel.position, 50);
}

// A paused channel neither sounds nor moves; at its sound's end a channel
// falls silent and is freed.
TEST(Mixer, PausedChannelWaitsSilentlyAndEndsWithItsSound) {
    auto mixer = MixerWithSound(100, 3000, 3000, 0);
    TMixChannel& channel = StartChannel(*mixer, 1, 1.0f, 0.0f);
    Mix(*mixer, 30);
    channel.paused = 1;
    EXPECT_EQ(Mix(*mixer, 50)[0], 0);
    EXPECT_EQ(channel.position, 30);
    AdvanceFrames(*mixer, 50);
    EXPECT_EQ(channel.position, 30);
    channel.paused = 0;
    auto out = Mix(*mixer, 80);
    EXPECT_NEAR(out[69 * 2], 3000, 1);
    EXPECT_EQ(out[70 * 2], 0);
    EXPECT_EQ(out[79 * 2 + 1], 0);
    EXPECT_EQ(channel.active, 0);
    EXPECT_EQ(channel.used, 0);
}

class Sounds : public ::testing::Test {
protected:
    std::string folder;
    void SetUp() override {
        UseHeadlessPlatform();
        folder = MakeTempFolder("sounds");
    }
    void TearDown() override { std::filesystem::remove_all(folder); }
};

// A WAV is converted to stereo at 44100 Hz; one whose header claims four
// gigabytes of samples over 2205 real ones loads what the file holds, within
// memory far below the claim.
TEST_F(Sounds, WavIsConvertedToStereo44100AndLoadsOnlyWhatItHolds) {
    WriteWav(folder + "Beep.wav", 22050, 2205);   // 0.1 s
    TSound sound = LoadSoundFile(folder + "beep.WAV", 0);   // case ignored
    ASSERT_NE(sound, 0);
    const TMixSound& mixed = gameMixer.sounds[sound];
    EXPECT_NEAR(static_cast<double>(mixed.frames), 4410, 30);
    EXPECT_EQ(mixed.samples.size(), static_cast<size_t>(mixed.frames) * 2);
    // 8-bit 200 is positive, 56 negative, on both sides: source samples 5 and
    // 21 are frames 10 and 42 at the doubled rate.
    EXPECT_GT(mixed.samples[20], 0);
    EXPECT_EQ(mixed.samples[20], mixed.samples[21]);
    EXPECT_LT(mixed.samples[84], 0);
    EXPECT_EQ(mixed.samples[84], mixed.samples[85]);
    FreeSound(sound);
    EXPECT_EQ(sound, 0);
    std::string wav = ReadWholeFile(folder + "Beep.wav");
    PutLe(wav, 4, 0xFFFFFF24u, 4);
    PutLe(wav, 40, 0xFFFFFF00u, 4);
    WriteWholeFile(folder + "claims.wav", wav);
    {
        TMemoryCap cap(64u << 20);
        sound = LoadSoundFile(folder + "claims.wav", 0);
    }
    ASSERT_NE(sound, 0);
    EXPECT_NEAR(static_cast<double>(gameMixer.sounds[sound].frames), 4410, 30);
    FreeSound(sound);
}

TEST_F(Sounds, StaleHandlesControlNothing) {
    WriteWav(folder + "tick.wav", 22050, 2205);
    TSound sound = LoadSoundFile(folder + "tick.wav", 0);
    ASSERT_NE(sound, 0);
    TChannel old = Play(sound);
    TChannel other = Play(sound);   // plays of one sound overlap
    ASSERT_NE(old, 0);
    ASSERT_NE(other, 0);
    EXPECT_NE(old, other);
    EXPECT_EQ(Playing(old), 1);
    Stop(old);
    EXPECT_EQ(Playing(old), 0);
    EXPECT_EQ(Playing(other), 1);
    EXPECT_TRUE(EndsWithin(other));
    // Every later play gets a handle different from the stopped one.
    std::vector<TChannel> later;
    for (int i = 0; i < 70; i++) later.push_back(Cue(sound));
    for (TChannel c : later) EXPECT_NE(c, old);
    SetPaused(old, 0);
    EXPECT_EQ(Playing(old), 0);
    for (TChannel c : later) Stop(c);
    FreeSound(sound);
}

TEST_F(Sounds, EachSectionOfAChainedOggKeepsItsOwnFormat) {
    // Half a second of a 440 Hz tone in mono at 22050 Hz, then a quarter
    // second of stereo at 44100 Hz with the sound on the left only, chained in
    // one file.
    std::vector<int16_t> mono, stereo;
    for (int i = 0; i < 11025; i++) mono.push_back(static_cast<int16_t>(12000 * std::sin(i * 2 * 3.14159265 * 440 / 22050)));
    for (int i = 0; i < 11025; i++) {
        stereo.push_back(static_cast<int16_t>(10000 * std::sin(i * 0.1)));
        stereo.push_back(0);
    }
    ASSERT_TRUE(SaveOgg(folder + "mono.ogg", mono, 1, 22050));
    ASSERT_TRUE(SaveOgg(folder + "stereo.ogg", stereo, 2, 44100));
    // A chain's sections are told apart by their serial numbers.
    std::string second = WithSerial(ReadWholeFile(folder + "stereo.ogg"), 0x5EC0);
    WriteWholeFile(folder + "Chain.ogg", ReadWholeFile(folder + "mono.ogg") + second);
    TSound sound = LoadSoundFile(folder + "chain.ogg", 1);   // case ignored
    ASSERT_NE(sound, 0);
    const TMixSound& mixed = gameMixer.sounds[sound];
    EXPECT_NEAR(static_cast<double>(mixed.frames), 22050 + 11025, 200);
    EXPECT_EQ(mixed.loop, 1);
    ASSERT_GT(mixed.frames, 22050 + 9000);
    // The mono tone is there at about its level, the same on both sides.
    int peak = 0;
    for (size_t i = 4000; i < 8000; i += 2) {
        peak = std::max(peak, std::abs(static_cast<int>(mixed.samples[i])));
        ASSERT_EQ(mixed.samples[i], mixed.samples[i + 1]);
    }
    EXPECT_GT(peak, 10000);
    EXPECT_LT(peak, 14000);
    int left = 0, right = 0;
    for (int64_t f = 22050 + 2000; f < 22050 + 9000; f++) {
        left = std::max(left, std::abs(static_cast<int>(mixed.samples[f * 2])));
        right = std::max(right, std::abs(static_cast<int>(mixed.samples[f * 2 + 1])));
    }
    EXPECT_GT(left, 8000);
    EXPECT_LT(right, 1500);
    FreeSound(sound);
}

// A track decoded in the background: there at once, its channel counting as
// playing but standing still until the samples are in, then the very samples
// of a decode in the foreground. A broken file leaves an empty sound; a sound
// freed while it decodes stops its decoder and frees its slot.
TEST_F(Sounds, ATrackDecodedInTheBackgroundWaitsSilentThenPlaysTheSameSamples) {
    std::vector<int16_t> tone;
    for (int i = 0; i < 44100 * 3; i++) tone.push_back(static_cast<int16_t>(9000 * std::sin(i * 0.05)));
    ASSERT_TRUE(SaveOgg(folder + "track.ogg", tone, 1, 44100));
    TSound here = LoadSoundFile(folder + "track.ogg", SOUND_LOOPS);
    ASSERT_NE(here, 0);

    TSound later = LoadSoundFile(folder + "track.ogg", SOUND_LOOPS | SOUND_IN_BACKGROUND);
    ASSERT_NE(later, 0);
    TChannel channel = Play(later);
    ASSERT_NE(channel, 0);
    EXPECT_TRUE(Playing(channel));
    {
        // Whatever the decoder has reached, a channel on a sound still pending
        // neither sounds nor moves.
        auto pendingMixer = MixerWithSound(1000, 5000, 5000, 0);
        pendingMixer->sounds[1].pending = 1;
        TMixChannel& waiting = StartChannel(*pendingMixer, 1, 1.0f, 0.0f);
        auto out = Mix(*pendingMixer, 100);
        EXPECT_EQ(*std::max_element(out.begin(), out.end()), 0);
        EXPECT_EQ(waiting.position, 0);
        EXPECT_EQ(waiting.active, 1);
    }
    WaitForSounds();
    EXPECT_EQ(gameMixer.sounds[later].pending, 0);
    EXPECT_EQ(gameMixer.sounds[later].loop, 1);
    EXPECT_EQ(gameMixer.sounds[later].samples, gameMixer.sounds[here].samples);
    EXPECT_TRUE(Playing(channel));

    WriteWholeFile(folder + "broken.ogg", "OggS but nothing else");
    TSound broken = LoadSoundFile(folder + "broken.ogg", SOUND_IN_BACKGROUND);
    ASSERT_NE(broken, 0);
    WaitForSounds();
    // No samples and no longer pending: the mixer ends any channel on it.
    EXPECT_EQ(gameMixer.sounds[broken].pending, 0);
    EXPECT_EQ(gameMixer.sounds[broken].frames, 0);

    for (int i = 0; i < 20; i++) {
        TSound dropped = LoadSoundFile(folder + "track.ogg", SOUND_IN_BACKGROUND);
        ASSERT_NE(dropped, 0);
        const int slot = dropped;
        FreeSound(dropped);
        EXPECT_EQ(gameMixer.sounds[slot].used, 0);
    }
    FreeSound(broken);
    FreeSound(later);
    FreeSound(here);
}
