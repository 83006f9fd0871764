#include "sheets.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>

#include "platform/platform.h"
#include "platform/writers/writers.h"

static const int SHEET_WIDTH = 800;
static const int WAVE_HEIGHT = 120;
static const int SPECTRUM_HEIGHT = 200;
static const int FFT_SIZE = 1024;

static void Fft(std::vector<std::complex<float>>& a) {
    size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; i++) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        float angle = -6.28318530718f / static_cast<float>(len);
        std::complex<float> step(std::cos(angle), std::sin(angle));
        for (size_t i = 0; i < n; i += len) {
            std::complex<float> w(1.0f, 0.0f);
            for (size_t k = 0; k < len / 2; k++) {
                std::complex<float> u = a[i + k], v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                w *= step;
            }
        }
    }
}

// Dark sea blue through cyan to white, by strength 0..1.
static uint32_t DeepColour(float strength) {
    float s = std::clamp(strength, 0.0f, 1.0f);
    int r = static_cast<int>(255 * std::max(0.0f, s * 2.0f - 1.0f));
    int g = static_cast<int>(255 * std::min(1.0f, s * 1.4f));
    int b = static_cast<int>(60 + 195 * std::min(1.0f, s * 2.0f));
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

int SaveReviewSheet(const std::string& path, const std::vector<float>& samples, int channels) {
    std::vector<float> mono(samples.size() / channels);
    for (size_t i = 0; i < mono.size(); i++) {
        float sum = 0.0f;
        for (int c = 0; c < channels; c++) sum += samples[i * channels + c];
        mono[i] = sum / channels;
    }
    int height = WAVE_HEIGHT + SPECTRUM_HEIGHT;
    std::vector<uint32_t> pixels(static_cast<size_t>(SHEET_WIDTH) * height, 0xFF061222u);
    size_t perColumn = std::max<size_t>(1, mono.size() / SHEET_WIDTH);
    int middle = WAVE_HEIGHT / 2;
    for (int x = 0; x < SHEET_WIDTH; x++) {
        size_t from = x * perColumn;
        if (from >= mono.size()) break;
        size_t to = std::min(mono.size(), from + perColumn);
        float low = 0.0f, high = 0.0f;
        for (size_t i = from; i < to; i++) {
            low = std::min(low, mono[i]);
            high = std::max(high, mono[i]);
        }
        int top = middle - static_cast<int>(high * (middle - 2));
        int bottom = middle - static_cast<int>(low * (middle - 2));
        for (int y = std::max(0, top); y <= std::min(WAVE_HEIGHT - 1, bottom); y++)
            pixels[static_cast<size_t>(y) * SHEET_WIDTH + x] = 0xFF7FE8F0u;
        pixels[static_cast<size_t>(middle) * SHEET_WIDTH + x] |= 0xFF304050u;

        // The spectrum of the window centred on this column, 0 to 11 kHz.
        std::vector<std::complex<float>> window(FFT_SIZE);
        long centre = static_cast<long>(from + perColumn / 2);
        for (int i = 0; i < FFT_SIZE; i++) {
            long at = centre - FFT_SIZE / 2 + i;
            float hann = 0.5f - 0.5f * std::cos(6.28318530718f * i / (FFT_SIZE - 1));
            window[i] = at >= 0 && at < static_cast<long>(mono.size()) ? mono[at] * hann : 0.0f;
        }
        Fft(window);
        for (int y = 0; y < SPECTRUM_HEIGHT; y++) {
            int bin = 1 + (SPECTRUM_HEIGHT - 1 - y) * (FFT_SIZE / 4) / SPECTRUM_HEIGHT;
            float db = 20.0f * std::log10(std::abs(window[bin]) + 1e-6f);
            pixels[static_cast<size_t>(WAVE_HEIGHT + y) * SHEET_WIDTH + x] = DeepColour((db + 40.0f) / 70.0f);
        }
    }
    return SavePng(path, SHEET_WIDTH, height, pixels, 0);
}
