// One libFuzzer target: the reader named when the target is built.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "tests/fuzz/fuzz_readers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (FeedReader(GLD_FUZZ_READER, data, size) < 0) std::abort();
    return 0;
}
