// Shared set-up of the test program: a headless display and scratch folders.
#pragma once

#include <sys/resource.h>

#include <cstddef>
#include <string>

// SDL's dummy video driver with the software renderer, dummy audio, and the
// 1024 x 768 logical screen in an 800 x 600 window. Safe to call in every test.
void UseHeadlessPlatform();
// A new empty folder below the system's temporary folder, ending in '/'. It
// is removed with everything in it when the test program ends.
std::string MakeTempFolder(const std::string& tag);
// The whole content of a file as bytes; empty when missing.
std::string ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);
// Writes the finished logical screen as a PNG file (pictures to look at when a
// drawing check fails); 1 on success.
int SaveScreenPng(const std::string& path);

// Caps the address space of the process at what it holds now plus
// `extraBytes` while the object lives, so a check can tell a reader that
// allocates what a file claims from one that allocates what the file holds.
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
