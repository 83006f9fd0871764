// Every reader of a file the game takes in, fed raw bytes. The fuzz targets
// (one per reader, built with clang's libFuzzer) and the replay of the kept
// inputs in tests/fuzz/<reader>/ call the same entries.
#pragma once

#include <cstddef>
#include <cstdint>

// The readers by name, as the corpus folders are named; null past the last.
const char* FuzzReaderName(int index);
// Puts the bytes where the reader looks (a file in a private temporary
// folder, written over by the next input and removed at exit) and runs the
// real reader over them.
// 1: the reader took the file, 0: it refused it, -1: no reader of that name.
// An out-of-range table access during the read aborts the program, so that
// the fuzzer reports it like any other fault.
int FeedReader(const char* reader, const uint8_t* data, size_t size);
