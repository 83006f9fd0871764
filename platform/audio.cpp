// Sounds and channels on top of the game's mixer, and the audio device that
// plays the mix. Sounds are decoded at load into 44100 Hz 16-bit stereo,
// long tracks on a thread of their own.
//
// Without an audio device the game runs silently, but the channels still move
// on with the game clock (once per PumpEvents), so Playing() reports what it
// would with sound: a sound ends after its length, a looping one plays until
// stopped, a paused one waits.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <new>
#include <stdexcept>
#include <system_error>
#include <string>
#include <thread>
#include <vector>

#include "platform/mixer.h"
#include "platform/platform.h"
#include "platform/platform_internal.h"

// The device's callback takes the device's lock; the game and the threads
// that decode in the background also take this one, which holds without a
// device too. Always this one first.
static std::recursive_mutex soundTables;

// A music track takes a third of a second to decode, which the game would
// show as a frozen frame at every change of music: such sounds are decoded on
// a thread of their own while the frames go on. One decoder per sound slot;
// a slot freed while its sound is decoding stops the decoder first.
struct TDecoder {
    std::thread thread;
    std::atomic<int> cancelled{0};
    void Finish(int cancel) {
        if (cancel) cancelled = 1;
        if (thread.joinable()) thread.join();
        cancelled = 0;
    }
    ~TDecoder() { Finish(1); }
};
static TDecoder decoders[MIX_SOUNDS];

static SDL_AudioDeviceID audioDevice = 0;
static int64_t channelOrder = 0;
static int64_t silentClock = -1;       // game clock (ms) already mixed without a device
static int64_t silentRemainder = 0;    // frames * 1000 not yet moved

static void AudioCallback(void*, Uint8* stream, int length) {
    // SDL holds the device lock while the callback runs.
    MixFrames(gameMixer, reinterpret_cast<int16_t*>(stream), length / 4);
}

void OpenAudioDevice() {
    if (audioDevice) return;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    SDL_AudioSpec want;
    SDL_zero(want);
    want.freq = MIX_RATE;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = AudioCallback;
    SDL_AudioSpec have;
    audioDevice = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (audioDevice == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    SDL_PauseAudioDevice(audioDevice, 0);
    // The device's thread mixes from gameMixer: it must stop before the
    // program's globals are destroyed, also when nobody shuts the platform down.
    static int closeAtExit = 0;
    if (!closeAtExit) closeAtExit = std::atexit(CloseAudioDevice) == 0;
}

void CloseAudioDevice() {
    if (!audioDevice) return;
    for (TDecoder& decoder : decoders) decoder.Finish(1);
    SDL_CloseAudioDevice(audioDevice);
    audioDevice = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int AudioDeviceOpen() {
    return audioDevice != 0;
}

static void Lock() {
    soundTables.lock();
    if (audioDevice) SDL_LockAudioDevice(audioDevice);
}

static void Unlock() {
    if (audioDevice) SDL_UnlockAudioDevice(audioDevice);
    soundTables.unlock();
}

void UpdateSilentAudio() {
    int64_t now = Millisecs();
    if (audioDevice || silentClock < 0) {
        silentClock = now;
        silentRemainder = 0;
        return;
    }
    int64_t elapsed = now - silentClock;
    silentClock = now;
    if (elapsed <= 0) return;
    int64_t scaled = elapsed * MIX_RATE + silentRemainder;
    silentRemainder = scaled % 1000;
    Lock();
    AdvanceFrames(gameMixer, scaled / 1000);
    Unlock();
}

// ---------------------------------------------------------------- decoding

// The mixed frames that `frames` frames at `rate` become.
static int64_t MixedFrames(int64_t frames, int rate) {
    return rate > 0 ? frames * MIX_RATE / rate : 0;
}

// Any format SDL knows into 44100 Hz 16-bit stereo, converted in one pass and
// appended to out. Refused when the result would pass MAX_SOUND_FRAMES.
static int AppendMixed(const void* data, size_t bytes, SDL_AudioFormat format, int channels, int rate,
                       std::vector<int16_t>& out) {
    SDL_AudioCVT cvt;
    if (channels <= 0 || rate <= 0) return 0;
    int built = SDL_BuildAudioCVT(&cvt, format, static_cast<Uint8>(channels), rate, AUDIO_S16SYS, 2, MIX_RATE);
    if (built < 0 || bytes == 0) return 0;
    size_t frameBytes = static_cast<size_t>(SDL_AUDIO_BITSIZE(format) / 8 * channels);
    if (frameBytes == 0) return 0;
    bytes -= bytes % frameBytes;
    int64_t frames = static_cast<int64_t>(bytes / frameBytes);
    if (static_cast<int64_t>(out.size() / 2) + MixedFrames(frames, rate) > MAX_SOUND_FRAMES) return 0;
    std::vector<Uint8> buffer(bytes * static_cast<size_t>(cvt.len_mult > 0 ? cvt.len_mult : 1) + 16);
    SDL_memcpy(buffer.data(), data, bytes);
    cvt.buf = buffer.data();
    cvt.len = static_cast<int>(bytes);
    if (built == 1 && SDL_ConvertAudio(&cvt) != 0) return 0;
    size_t outBytes = built == 1 ? static_cast<size_t>(cvt.len_cvt) : bytes;
    size_t start = out.size();
    out.resize(start + outBytes / 4 * 2);
    SDL_memcpy(out.data() + start, buffer.data(), (out.size() - start) * 2);
    return 1;
}

static int UsableFormat(const vorbis_info* info) {
    return info && info->channels > 0 && info->rate > 0 && info->rate <= 1000000;
}

// Closes the decoder however the decoding ends (a failed allocation throws).
struct TOggFile {
    OggVorbis_File file;
    int open = 0;
    ~TOggFile() {
        if (open) ov_clear(&file);
    }
};

// A chained file may change its channel count and rate from one logical
// section to the next, so each run of one section is converted with that
// section's own format. The length the file claims is checked first.
static int DecodeOgg(const std::string& path, std::vector<int16_t>& out, const std::atomic<int>* cancelled) {
    TOggFile ogg;
    if (ov_fopen(path.c_str(), &ogg.file) != 0) return 0;
    ogg.open = 1;
    OggVorbis_File& file = ogg.file;
    int64_t claimed = 0;
    for (int link = 0; link < ov_streams(&file); link++) {
        vorbis_info* info = ov_info(&file, link);
        ogg_int64_t frames = ov_pcm_total(&file, link);
        if (!UsableFormat(info) || frames < 0) return 0;
        claimed += MixedFrames(std::min<int64_t>(frames, MAX_SOUND_FRAMES * 8), static_cast<int>(info->rate));
        if (claimed > MAX_SOUND_FRAMES) return 0;
    }
    // The claim is only a number in the file: the room made ahead is held to
    // what a Vorbis file of this size could decode to, and grows as it must.
    long fileBytes = FileSize(path);
    int64_t plausible = static_cast<int64_t>(fileBytes > 0 ? fileBytes : 0) * 64;
    out.reserve(static_cast<size_t>(std::min<int64_t>(claimed * 2, plausible)));
    // After opening a chained file the decoder may stand in a later section
    // (it visits every section to learn the lengths): start from the first.
    if (ov_raw_seek(&file, 0) != 0) return 0;
    std::vector<char> pcm;    // the current run, in the run's own format
    int runChannels = 0, runRate = 0;
    int ok = 1;
    // Converts the run so far (its first two channels) and starts a new one.
    auto convertRun = [&]() {
        if (pcm.empty()) return;
        if (runChannels > 2) {
            // Keep the first two channels of wider layouts.
            std::vector<char> stereo;
            size_t frameBytes = static_cast<size_t>(runChannels) * 2;
            for (size_t i = 0; i + frameBytes <= pcm.size(); i += frameBytes)
                stereo.insert(stereo.end(), &pcm[i], &pcm[i] + 4);
            pcm.swap(stereo);
        }
        ok &= AppendMixed(pcm.data(), pcm.size(), AUDIO_S16LSB, std::min(runChannels, 2), runRate, out);
        pcm.clear();
    };
    char buffer[16384];
    int section = 0;
    while (ok) {
        if (cancelled && cancelled->load()) return 0;
        long got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section);
        if (got == OV_HOLE) continue;
        if (got <= 0) break;
        vorbis_info* info = ov_info(&file, section);
        if (!UsableFormat(info)) {
            ok = 0;
            break;
        }
        if (info->channels != runChannels || info->rate != runRate) {
            convertRun();
            runChannels = info->channels;
            runRate = static_cast<int>(info->rate);
        }
        pcm.insert(pcm.end(), buffer, buffer + got);
        // A file that decodes to more than it claimed is cut off at the limit.
        if (static_cast<int64_t>(out.size() / 2) +
                MixedFrames(static_cast<int64_t>(pcm.size()) / (2 * runChannels), runRate) > MAX_SOUND_FRAMES)
            ok = 0;
    }
    if (ok) convertRun();
    return ok && !out.empty();
}

// The whole file is read into memory first and every chunk size its header
// claims is cut to the bytes that really follow, so the WAV reader never
// allocates more than the file holds.
static int DecodeWav(const std::string& path, std::vector<int16_t>& out) {
    long size = FileSize(path);
    // Four-byte samples in stereo at the mixing rate are the widest the game
    // takes for a sound of the longest length.
    if (size < 12 || size > MAX_SOUND_FRAMES * 8) return 0;
    std::vector<Uint8> bytes(static_cast<size_t>(size));
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return 0;
    size_t got = std::fread(bytes.data(), 1, bytes.size(), in);
    std::fclose(in);
    if (got != bytes.size()) return 0;
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; i++) bytes[at + i] = static_cast<Uint8>(v >> (8 * i));
    };
    auto get32 = [&](size_t at) {
        return static_cast<uint32_t>(bytes[at]) | (static_cast<uint32_t>(bytes[at + 1]) << 8) |
               (static_cast<uint32_t>(bytes[at + 2]) << 16) | (static_cast<uint32_t>(bytes[at + 3]) << 24);
    };
    put32(4, std::min<uint32_t>(get32(4), static_cast<uint32_t>(bytes.size() - 8)));
    for (size_t at = 12; at + 8 <= bytes.size();) {
        uint32_t room = static_cast<uint32_t>(bytes.size() - at - 8);
        uint32_t length = std::min(get32(at + 4), room);
        put32(at + 4, length);
        at += 8 + length + (length & 1);   // chunks are padded to even sizes
    }
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (!source) return 0;
    SDL_AudioSpec format;
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV_RW(source, 1, &format, &data, &length)) return 0;
    int ok = AppendMixed(data, length, format.format, format.channels, format.freq, out);
    SDL_FreeWAV(data);
    return ok;
}

// The samples of a sound file, 0 when it cannot be decoded.
static int DecodeSoundFile(const std::string& real, std::vector<int16_t>& samples, const std::atomic<int>* cancelled) {
    TStream probe = OpenForRead(real);
    std::string magic = ReadString(probe, 4);
    Close(probe);
    // A sound too big for the memory there is, is a sound that failed to load.
    try {
        if (magic == "OggS") return DecodeOgg(real, samples, cancelled);
        if (magic == "RIFF") return DecodeWav(real, samples);
    } catch (const std::bad_alloc&) {
        return 0;
    } catch (const std::length_error&) {
        return 0;
    }
    return 0;
}

// Call with the lock held: the first free sound slot, taken, or 0.
static int TakeSoundSlot(int flags) {
    for (int s = 1; s < MIX_SOUNDS; s++) {
        TMixSound& sound = gameMixer.sounds[s];
        if (sound.used) continue;
        sound = TMixSound{};
        sound.used = 1;
        sound.loop = (flags & SOUND_LOOPS) != 0;
        return s;
    }
    return 0;
}

static void DecodeInBackground(int slot, std::string real) {
    std::vector<int16_t> samples;
    int ok = DecodeSoundFile(real, samples, &decoders[slot].cancelled);
    if (decoders[slot].cancelled) return;
    Lock();
    TMixSound& sound = gameMixer.sounds[slot];
    if (ok) {
        sound.samples.swap(samples);
        sound.frames = static_cast<int64_t>(sound.samples.size() / 2);
    }
    sound.pending = 0;
    Unlock();
}

void WaitForSounds() {
    for (TDecoder& decoder : decoders) decoder.Finish(0);
}

TSound LoadSoundFile(const std::string& path, int flags) {
    std::string real = ResolvePath(path);
    if (PathKind(real) != 1) return 0;
    if (flags & SOUND_IN_BACKGROUND) {
        Lock();
        int slot = TakeSoundSlot(flags);
        if (slot) gameMixer.sounds[slot].pending = 1;
        Unlock();
        if (!slot) return 0;
        decoders[slot].Finish(1);   // a decoder of the slot's last sound has stopped writing
        try {
            decoders[slot].thread = std::thread(DecodeInBackground, slot, real);
        } catch (const std::system_error&) {
            // No thread to be had: decoded here and now.
            DecodeInBackground(slot, real);
        }
        return slot;
    }
    std::vector<int16_t> samples;
    if (!DecodeSoundFile(real, samples, nullptr)) return 0;
    Lock();
    int slot = TakeSoundSlot(flags);
    if (slot) {
        TMixSound& sound = gameMixer.sounds[slot];
        sound.samples.swap(samples);
        sound.frames = static_cast<int64_t>(sound.samples.size() / 2);
    }
    Unlock();
    return slot;
}

void FreeSound(TSound& sound) {
    if (sound <= 0 || sound >= MIX_SOUNDS) {
        sound = 0;
        return;
    }
    decoders[sound].Finish(1);
    Lock();
    for (int c = 1; c < MIX_CHANNELS; c++) {
        TMixChannel& channel = gameMixer.channels[c];
        if (channel.used && channel.sound == sound) {
            channel.active = 0;
            channel.sound = 0;
            if (!channel.kept) channel.used = 0;
        }
    }
    gameMixer.sounds[sound] = TMixSound{};
    Unlock();
    sound = 0;
}

// ---------------------------------------------------------------- channels

// A handle names a slot and the slot's generation: once the slot is reused,
// the old handle controls nothing.
static TChannel HandleOf(int slot) {
    return (gameMixer.channels[slot].generation << 6) | slot;
}

static TMixChannel* ChannelOf(TChannel handle) {
    if (handle <= 0) return nullptr;
    int slot = handle & 63;
    if (slot <= 0 || slot >= MIX_CHANNELS) return nullptr;
    TMixChannel& channel = gameMixer.channels[slot];
    if (!channel.used || channel.generation != (handle >> 6)) return nullptr;
    return &channel;
}

// A free slot, or else the oldest sound playing on a slot nobody keeps.
static int TakeSlot(int kept) {
    int slot = 0;
    for (int c = 1; c < MIX_CHANNELS && !slot; c++)
        if (!gameMixer.channels[c].used) slot = c;
    if (!slot) {
        int64_t oldest = 0;
        for (int c = 1; c < MIX_CHANNELS; c++) {
            const TMixChannel& channel = gameMixer.channels[c];
            if (!channel.kept && (!slot || channel.startOrder < oldest)) {
                slot = c;
                oldest = channel.startOrder;
            }
        }
    }
    if (!slot) return 0;
    TMixChannel& channel = gameMixer.channels[slot];
    int generation = (channel.generation + 1) & 0xFFFFF;
    channel = TMixChannel{};
    channel.generation = generation;
    channel.used = 1;
    channel.kept = kept;
    return slot;
}

static TChannel Start(TSound sound, TChannel handle, int paused) {
    if (sound <= 0 || sound >= MIX_SOUNDS) return handle;
    Lock();
    TChannel result = 0;
    if (gameMixer.sounds[sound].used) {
        TMixChannel* channel = ChannelOf(handle);
        if (!channel) {
            int slot = TakeSlot(0);
            if (slot) {
                channel = &gameMixer.channels[slot];
                handle = HandleOf(slot);
            }
        }
        if (channel) {
            channel->sound = sound;
            channel->position = 0;
            channel->active = 1;
            channel->paused = paused;
            channel->startOrder = ++channelOrder;
            result = handle;
        }
    }
    Unlock();
    return result;
}

TChannel Play(TSound sound, TChannel channel) {
    return Start(sound, channel, 0);
}

TChannel Cue(TSound sound, TChannel channel) {
    return Start(sound, channel, 1);
}

TChannel AllocChannel() {
    Lock();
    int slot = TakeSlot(1);
    Unlock();
    return slot ? HandleOf(slot) : 0;
}

void Stop(TChannel handle) {
    Lock();
    if (TMixChannel* channel = ChannelOf(handle)) {
        channel->active = 0;
        channel->sound = 0;
        channel->paused = 0;
        if (!channel->kept) channel->used = 0;
    }
    Unlock();
}

void SetPaused(TChannel handle, int paused) {
    Lock();
    if (TMixChannel* channel = ChannelOf(handle)) channel->paused = paused ? 1 : 0;
    Unlock();
}

void SetVolume(TChannel handle, float volume) {
    Lock();
    if (TMixChannel* channel = ChannelOf(handle)) channel->volume = std::clamp(volume, 0.0f, 1.0f);
    Unlock();
}

void SetPan(TChannel handle, float pan) {
    Lock();
    if (TMixChannel* channel = ChannelOf(handle)) channel->pan = std::clamp(pan, -1.0f, 1.0f);
    Unlock();
}

// 1 while sound comes out: started, not paused, not at its end.
int Playing(TChannel handle) {
    Lock();
    int playing = 0;
    if (TMixChannel* channel = ChannelOf(handle)) playing = channel->active && !channel->paused;
    Unlock();
    return playing;
}
