// Reads the generated pictures through libpng and libjpeg, not the game's loader.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TArtPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;   // 0xAARRGGBB, row by row (JPEG: alpha 255)
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    int AlphaAt(int x, int y) const { return static_cast<int>(At(x, y) >> 24); }
};

// The run folder the generator wrote into, ending in '/'.
std::string ArtRunDir();
// Decode a PNG or JPEG; false when missing or broken.
bool ReadArtPng(const std::string& path, TArtPicture& out);
bool ReadArtJpeg(const std::string& path, TArtPicture& out);
