// Shared set-up of the test program: a headless display and scratch folders.
#pragma once

#include <sys/resource.h>

#include <cstddef>
#include <string>

// SDL's dummy video and audio and the software renderer, the 1024 x 768
// logical screen in an 800 x 600 window. Safe to call in every test.
void UseHeadlessPlatform();
// A new empty temporary folder, ending in '/', removed when the program ends.
std::string MakeTempFolder(const std::string& tag);
// The whole content of a file as bytes; empty when missing.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
// Writes the finished logical screen as a PNG file; 1 on success.
int SaveScreenPng(const std::string& path);

// Caps the address space at what the process holds now plus `extraBytes`
// while the object lives.
class TMemoryCap {
public:
    explicit TMemoryCap(size_t extraBytes);
    ~TMemoryCap();
    TMemoryCap(const TMemoryCap&) = delete;
    TMemoryCap& operator=(const TMemoryCap&) = delete;

private:
    rlimit saved{};
    int applied = 0;
};
