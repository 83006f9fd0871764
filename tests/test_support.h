// Shared set-up of the test program: a headless display and scratch folders.
#pragma once

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
