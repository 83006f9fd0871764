// The game's own mixer: every channel's sound, at 44100 Hz 16-bit stereo,
// mixed with its volume and pan into one buffer. Plain code, no device: the
// audio device's callback calls MixFrames, and so do the tests.
#pragma once

#include <cstdint>
#include <vector>

static const int MIX_RATE = 44100;
static const int MIX_SOUNDS = 256;     // sound slots 1..255
static const int MIX_CHANNELS = 64;    // channel slots 1..63
// The longest sound the game loads, in mixed frames (20 minutes, about 200 MiB):
// a file claiming more is refused before anything is allocated for it.
static const int64_t MAX_SOUND_FRAMES = int64_t(20) * 60 * MIX_RATE;

struct TMixSound {
    int used = 0;
    int loop = 0;
    int pending = 0;                   // still being decoded: its channels wait silent
    std::vector<int16_t> samples;      // interleaved left, right
    int64_t frames = 0;
};

struct TMixChannel {
    int used = 0;          // slot taken (by a play or by AllocChannel)
    int kept = 0;          // allocated by the caller: never reclaimed
    int generation = 0;    // part of the handle, so stale handles miss
    int sound = 0;
    int active = 0;        // has a sound that has not ended
    int paused = 0;
    int64_t position = 0;  // next frame of the sound
    float volume = 1.0f;
    float pan = 0.0f;
    int64_t startOrder = 0;
};

// The sounds and channels of one mixer; the game has one, gameMixer.
struct TMixer {
    TMixSound sounds[MIX_SOUNDS];
    TMixChannel channels[MIX_CHANNELS];
};

extern TMixer gameMixer;

// Mixes `frames` stereo frames of every active, unpaused channel into out
// (2 * frames samples, overwritten) and moves the channels on; sounds that end
// stop their channel, looping ones start over.
void MixFrames(TMixer& mixer, int16_t* out, int frames);
// Moves every playing channel on by `frames` without producing output.
void AdvanceFrames(TMixer& mixer, int64_t frames);
// The gains of a channel for the left and right side.
void ChannelGains(const TMixChannel& channel, float& left, float& right);
