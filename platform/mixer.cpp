// Mixing of the channels: linear volume, balance pan (the side away from the
// pan keeps full gain, the other side falls to 0 at the far end).
#include "platform/mixer.h"

#include <algorithm>
#include <vector>

TMixer gameMixer;

void ChannelGains(const TMixChannel& channel, float& left, float& right) {
    float volume = std::clamp(channel.volume, 0.0f, 1.0f);
    float pan = std::clamp(channel.pan, -1.0f, 1.0f);
    left = volume * (pan > 0.0f ? 1.0f - pan : 1.0f);
    right = volume * (pan < 0.0f ? 1.0f + pan : 1.0f);
}

static int Audible(const TMixer& mixer, const TMixChannel& channel) {
    if (!channel.used || !channel.active || channel.paused) return 0;
    if (channel.sound <= 0 || channel.sound >= MIX_SOUNDS || !mixer.sounds[channel.sound].used) return 0;
    return !mixer.sounds[channel.sound].pending;
}

// Moves a channel on by `count` frames of its sound, ending or looping it.
static void MoveOn(const TMixer& mixer, TMixChannel& channel, int64_t count) {
    const TMixSound& sound = mixer.sounds[channel.sound];
    if (sound.frames <= 0) {
        channel.active = 0;
        return;
    }
    channel.position += count;
    if (channel.position >= sound.frames) {
        if (sound.loop) {
            channel.position %= sound.frames;
        } else {
            channel.position = sound.frames;
            channel.active = 0;
            if (!channel.kept) channel.used = 0;
        }
    }
}

// Mixes one block of at most MIX_BLOCK frames into out.
static const int MIX_BLOCK = 512;

static void MixBlock(TMixer& mixer, int16_t* out, int frames) {
    int32_t sum[MIX_BLOCK * 2] = {};
    for (int c = 1; c < MIX_CHANNELS; c++) {
        TMixChannel& channel = mixer.channels[c];
        if (!Audible(mixer, channel)) continue;
        const TMixSound& sound = mixer.sounds[channel.sound];
        float left, right;
        ChannelGains(channel, left, right);
        int gainL = static_cast<int>(left * 65536.0f + 0.5f);
        int gainR = static_cast<int>(right * 65536.0f + 0.5f);
        int done = 0;
        while (done < frames && channel.active) {
            int64_t available = sound.frames - channel.position;
            int count = static_cast<int>(std::min<int64_t>(available, frames - done));
            if (count <= 0) {
                MoveOn(mixer, channel, 0);   // at the end: loop or stop
                continue;
            }
            const int16_t* from = sound.samples.data() + channel.position * 2;
            int32_t* to = sum + done * 2;
            for (int i = 0; i < count; i++) {
                to[i * 2] += (from[i * 2] * gainL) >> 16;
                to[i * 2 + 1] += (from[i * 2 + 1] * gainR) >> 16;
            }
            done += count;
            MoveOn(mixer, channel, count);
        }
    }
    for (int i = 0; i < frames * 2; i++) out[i] = static_cast<int16_t>(std::clamp(sum[i], -32768, 32767));
}

void MixFrames(TMixer& mixer, int16_t* out, int frames) {
    for (int done = 0; done < frames; done += MIX_BLOCK)
        MixBlock(mixer, out + done * 2, std::min(MIX_BLOCK, frames - done));
}

void AdvanceFrames(TMixer& mixer, int64_t frames) {
    if (frames <= 0) return;
    for (int c = 1; c < MIX_CHANNELS; c++) {
        TMixChannel& channel = mixer.channels[c];
        if (Audible(mixer, channel)) MoveOn(mixer, channel, frames);
    }
}
