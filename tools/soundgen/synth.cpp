#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

static const float TWO_PI = 6.28318530718f;

float NoteHz(int midiNote) {
    return 440.0f * std::pow(2.0f, (midiNote - 69) / 12.0f);
}

static void Reserve(TBuffer& sound, float seconds) {
    size_t need = static_cast<size_t>(seconds * SOUND_RATE) + 1;
    if (sound.size() < need) sound.resize(need, 0.0f);
}

// One cycle of each wave at phase p (0..1 of a turn); `t` lets the upper
// partials of the struck voices die faster than the fundamental.
static float Wave(int wave, float p, float t) {
    float s = std::sin(TWO_PI * p);
    switch (wave) {
    case WAVE_TRIANGLE: {
        float q = p - std::floor(p);
        return q < 0.5f ? 4.0f * q - 1.0f : 3.0f - 4.0f * q;
    }
    case WAVE_GLASS:
        return s + 0.35f * std::sin(TWO_PI * p * 2.756f) * std::exp(-t * 9.0f) +
               0.18f * std::sin(TWO_PI * p * 5.404f) * std::exp(-t * 18.0f);
    case WAVE_BELL:
        return s + 0.5f * std::sin(TWO_PI * p * 2.0f) * std::exp(-t * 3.0f) +
               0.3f * std::sin(TWO_PI * p * 3.01f) * std::exp(-t * 6.0f) +
               0.2f * std::sin(TWO_PI * p * 4.17f) * std::exp(-t * 10.0f) +
               0.12f * std::sin(TWO_PI * p * 6.83f) * std::exp(-t * 16.0f);
    case WAVE_SOFT_SQUARE:
        return std::tanh(2.5f * s) * 0.8f;
    default:
        return s;
    }
}

void AddTone(TBuffer& sound, const TTone& tone) {
    Reserve(sound, tone.start + tone.length);
    int first = static_cast<int>(tone.start * SOUND_RATE);
    int count = static_cast<int>(tone.length * SOUND_RATE);
    float to = tone.toHz > 0.0f ? tone.toHz : tone.fromHz;
    double phase = 0.0;
    // The decay reaches -60 dB at the end of the tone.
    float decay = 6.9f / std::max(tone.length - tone.attack, 0.001f);
    for (int i = 0; i < count; i++) {
        float t = static_cast<float>(i) / SOUND_RATE;
        float along = static_cast<float>(i) / count;
        float hz = tone.fromHz * std::pow(to / tone.fromHz, along);
        if (tone.vibratoDepth > 0.0f) hz *= 1.0f + tone.vibratoDepth * std::sin(TWO_PI * tone.vibratoHz * t);
        phase += hz / SOUND_RATE;
        float envelope = t < tone.attack ? t / tone.attack : std::exp(-(t - tone.attack) * decay);
        sound[first + i] += tone.level * envelope * Wave(tone.wave, static_cast<float>(phase - std::floor(phase)), t);
    }
}

void AddBubble(TBuffer& sound, float start, float hz, float length, float level) {
    TTone tone;
    tone.start = start;
    tone.length = length;
    tone.fromHz = hz;
    tone.toHz = hz * 2.2f;
    tone.level = level;
    tone.attack = 0.002f;
    AddTone(sound, tone);
}

// A fixed generator, so two builds give the same noise.
static uint32_t noiseState = 0x2545F491u;

static float NextNoise() {
    noiseState ^= noiseState << 13;
    noiseState ^= noiseState >> 17;
    noiseState ^= noiseState << 5;
    return static_cast<float>(noiseState) / 2147483648.0f - 1.0f;
}

void AddNoise(TBuffer& sound, float start, float length, float fromHz, float toHz, float level, float attack) {
    Reserve(sound, start + length);
    int first = static_cast<int>(start * SOUND_RATE);
    int count = static_cast<int>(length * SOUND_RATE);
    float decay = 6.9f / std::max(length - attack, 0.001f);
    float low1 = 0.0f, low2 = 0.0f;
    for (int i = 0; i < count; i++) {
        float t = static_cast<float>(i) / SOUND_RATE;
        float hz = fromHz * std::pow(toHz / fromHz, static_cast<float>(i) / count);
        float k = 1.0f - std::exp(-TWO_PI * hz / SOUND_RATE);
        low1 += k * (NextNoise() - low1);   // two poles: a softer, wetter hiss
        low2 += k * (low1 - low2);
        float envelope = t < attack ? t / attack : std::exp(-(t - attack) * decay);
        sound[first + i] += level * envelope * low2 * 3.0f;
    }
}

void AddEcho(TBuffer& sound, float delay, float feedback, int repeats) {
    size_t step = static_cast<size_t>(delay * SOUND_RATE);
    size_t length = sound.size();
    sound.resize(length + step * repeats, 0.0f);
    TBuffer dry(sound.begin(), sound.begin() + length);
    float gain = 1.0f;
    for (int r = 1; r <= repeats; r++) {
        gain *= feedback;
        for (size_t i = 0; i < length; i++) sound[i + step * r] += dry[i] * gain;
    }
    LowPass(sound, 6000.0f);   // each repeat comes back duller, as through water
}

void LowPass(TBuffer& sound, float hz) {
    float k = 1.0f - std::exp(-TWO_PI * hz / SOUND_RATE);
    float y = 0.0f;
    for (float& s : sound) s = y += k * (s - y);
}

void RemoveDc(std::vector<float>& samples, int channels) {
    for (int c = 0; c < channels; c++) {
        // A gentle high-pass at 15 Hz, then the mean that is left.
        float k = std::exp(-TWO_PI * 15.0f / SOUND_RATE);
        float x1 = 0.0f, y1 = 0.0f;
        for (size_t i = c; i < samples.size(); i += channels) {
            float x = samples[i];
            float y = x - x1 + k * y1;
            x1 = x;
            y1 = y;
            samples[i] = y;
        }
        double mean = ChannelMean(samples, channels, c);
        for (size_t i = c; i < samples.size(); i += channels) samples[i] -= static_cast<float>(mean);
    }
}

double ChannelMean(const std::vector<float>& samples, int channels, int channel) {
    double sum = 0.0;
    size_t n = 0;
    for (size_t i = channel; i < samples.size(); i += channels, n++) sum += samples[i];
    return n ? sum / n : 0.0;
}

float ShortLoudness(const std::vector<float>& samples, int channels) {
    size_t window = static_cast<size_t>(0.05f * SOUND_RATE) * channels;
    double best = 0.0, sum = 0.0;
    for (size_t i = 0; i < samples.size(); i++) {
        sum += samples[i] * samples[i];
        if (i >= window) sum -= samples[i - window] * samples[i - window];
        best = std::max(best, sum);
    }
    double rms = std::sqrt(best / static_cast<double>(window));
    return static_cast<float>(20.0 * std::log10(std::max(rms, 1e-9)));
}

float PeakDb(const std::vector<float>& samples) {
    float peak = 0.0f;
    for (float s : samples) peak = std::max(peak, std::fabs(s));
    return 20.0f * std::log10(std::max(peak, 1e-9f));
}

float FinishEffect(TBuffer& sound) {
    // Trailing silence off, then short fades so no end clicks.
    size_t end = sound.size();
    while (end > 0 && std::fabs(sound[end - 1]) < 1e-4f) end--;
    sound.resize(std::max<size_t>(end, SOUND_RATE / 100));
    RemoveDc(sound, 1);
    size_t fadeIn = SOUND_RATE / 1000, fadeOut = SOUND_RATE / 100;
    for (size_t i = 0; i < fadeIn && i < sound.size(); i++) sound[i] *= static_cast<float>(i) / fadeIn;
    for (size_t i = 0; i < fadeOut && i < sound.size(); i++) sound[sound.size() - 1 - i] *= static_cast<float>(i) / fadeOut;
    float gain = std::pow(10.0f, (EFFECT_LOUDNESS_DB - ShortLoudness(sound, 1)) / 20.0f);
    float peak = std::pow(10.0f, PeakDb(sound) / 20.0f);
    gain = std::min(gain, HEADROOM_PEAK / peak);
    for (float& s : sound) s *= gain;
    return ShortLoudness(sound, 1);
}

std::vector<int16_t> ToPcm(const std::vector<float>& samples) {
    std::vector<int16_t> pcm(samples.size());
    for (size_t i = 0; i < samples.size(); i++)
        pcm[i] = static_cast<int16_t>(std::lround(std::clamp(samples[i], -1.0f, 1.0f) * 32767.0f));
    return pcm;
}

int CheckSound(const std::string& name, const std::vector<float>& samples, int channels) {
    const char* broken = nullptr;
    if (samples.empty()) broken = "is empty";
    else if (PeakDb(samples) > PEAK_LIMIT_DB) broken = "peaks above -1 dBFS";
    for (int c = 0; c < channels && !broken; c++)
        if (std::fabs(ChannelMean(samples, channels, c)) > DC_LIMIT) broken = "has a DC offset";
    if (broken) std::fprintf(stderr, "soundgen: %s: %s\n", name.c_str(), broken);
    return broken ? 0 : 1;
}
