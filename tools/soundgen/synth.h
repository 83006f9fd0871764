// The sound generator's instruments: oscillators, noise, envelopes, pitch
// sweeps, filters and echo, written into mono buffers at 44100 Hz, and the
// finishing steps every sound goes through (no DC, even loudness, headroom).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int SOUND_RATE = 44100;

using TBuffer = std::vector<float>;

// The timbre of a tone. GLASS and BELL add the inharmonic partials of a struck
// glass; everything in the game is built from these few voices.
enum { WAVE_SINE = 1, WAVE_TRIANGLE = 2, WAVE_GLASS = 3, WAVE_BELL = 4, WAVE_SOFT_SQUARE = 5 };

struct TTone {
    float start = 0.0f;       // seconds into the sound
    float length = 0.3f;      // seconds until the envelope is spent
    float fromHz = 440.0f;    // the pitch sweeps exponentially from here...
    float toHz = 0.0f;        // ...to here (0: no sweep)
    float level = 0.5f;
    float attack = 0.004f;    // seconds of the linear rise
    int wave = WAVE_SINE;
    float vibratoHz = 0.0f;   // a slow wobble, as of a bubble's wall
    float vibratoDepth = 0.0f;
};

float NoteHz(int midiNote);
// Adds one tone with an exponential decay over its length.
void AddTone(TBuffer& sound, const TTone& tone);
// A single bubble: a sine whose pitch rises as it shrinks, gone in `length`.
void AddBubble(TBuffer& sound, float start, float hz, float length, float level);
// Noise through a low-pass whose corner slides from fromHz to toHz.
void AddNoise(TBuffer& sound, float start, float length, float fromHz, float toHz, float level, float attack);
// Repeats of the whole sound every `delay` seconds, each `feedback` as loud.
void AddEcho(TBuffer& sound, float delay, float feedback, int repeats);
void LowPass(TBuffer& sound, float hz);
// Removes DC, fades the ends, and scales to the loudness every effect shares
// within the headroom; returns the loudness reached, in dBFS.
float FinishEffect(TBuffer& sound);

// Loudest 50 ms of the sound, as RMS in dBFS.
float ShortLoudness(const std::vector<float>& samples, int channels);
float PeakDb(const std::vector<float>& samples);
// Mean of one channel of interleaved samples, as a fraction of full scale.
double ChannelMean(const std::vector<float>& samples, int channels, int channel);
// Removes the DC of each channel of interleaved samples.
void RemoveDc(std::vector<float>& samples, int channels);
std::vector<int16_t> ToPcm(const std::vector<float>& samples);
// The rules every finished sound keeps: not empty, no peak above -1 dBFS, no
// DC. 0, with the broken rule on standard error, when one fails.
int CheckSound(const std::string& name, const std::vector<float>& samples, int channels);

constexpr float EFFECT_LOUDNESS_DB = -15.0f;   // loudest 50 ms of every effect
constexpr float LOUDNESS_SPREAD_DB = 3.0f;     // allowed distance from it
constexpr float HEADROOM_PEAK = 0.7f;          // -3.1 dBFS before encoding
constexpr float PEAK_LIMIT_DB = -1.0f;         // what no sample may exceed
constexpr double DC_LIMIT = 0.002;             // of full scale
