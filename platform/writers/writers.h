// Writers of the game's file formats (PNG, JPEG, OGG Vorbis), apart from the
// game: the generators of the data folder and the tests link them, the game
// only reads these files. Paths are used exactly as given.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Writes 0xAARRGGBB pixels, row by row, as a PNG file (withAlpha 0: colour
// only, the alpha bytes dropped); 1 on success.
int SavePng(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels, int withAlpha = 1);
// Writes the colour of 0xAARRGGBB pixels as a baseline JPEG file (quality 1..100).
int SaveJpeg(const std::string& path, int width, int height, const std::vector<uint32_t>& pixels, int quality = 90);
// Writes interleaved 16-bit samples (1 or 2 channels) as an OGG Vorbis file;
// quality -0.1 .. 1.0. 1 on success.
int SaveOgg(const std::string& path, const std::vector<int16_t>& samples, int channels, int rate, float quality = 0.4f);
