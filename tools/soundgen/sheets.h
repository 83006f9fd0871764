// Review sheets: one PNG per sound, its waveform above its spectrogram.
#pragma once

#include <string>
#include <vector>

// samples are interleaved with `channels` channels; the sheet shows their mix.
int SaveReviewSheet(const std::string& path, const std::vector<float>& samples, int channels);
