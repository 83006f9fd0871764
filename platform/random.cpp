// The game's random numbers: a xoshiro128** generator with unbiased ranges.
#include <cstdint>

#include "platform/platform.h"

static uint32_t randomState[4] = {0x9E3779B9u, 0x243F6A88u, 0xB7E15162u, 0x7F4A7C15u};

static uint32_t RotateLeft(uint32_t x, int k) {
    return (x << k) | (x >> (32 - k));
}

static uint32_t NextRandom() {
    uint32_t result = RotateLeft(randomState[1] * 5u, 7) * 9u;
    uint32_t t = randomState[1] << 9;
    randomState[2] ^= randomState[0];
    randomState[3] ^= randomState[1];
    randomState[1] ^= randomState[2];
    randomState[0] ^= randomState[3];
    randomState[2] ^= t;
    randomState[3] = RotateLeft(randomState[3], 11);
    return result;
}

// The seed is spread over the whole state with splitmix64, so nearby seeds
// give unrelated sequences.
void SeedRandom(uint32_t value) {
    uint64_t z = value;
    for (int i = 0; i < 4; i++) {
        z += 0x9E3779B97F4A7C15ull;
        uint64_t m = z;
        m = (m ^ (m >> 30)) * 0xBF58476D1CE4E5B9ull;
        m = (m ^ (m >> 27)) * 0x94D049BB133111EBull;
        m ^= m >> 31;
        randomState[i] = static_cast<uint32_t>(m >> 16);
    }
    if ((randomState[0] | randomState[1] | randomState[2] | randomState[3]) == 0) randomState[0] = 1;
}

// Inclusive of both bounds, in either order; draws by rejection so every value
// of the range is equally likely.
int RandomInt(int a, int b) {
    int64_t low = a < b ? a : b;
    int64_t high = a < b ? b : a;
    uint64_t span = static_cast<uint64_t>(high - low) + 1u;   // 1 .. 2^32
    if (span > 0xFFFFFFFFull) return static_cast<int>(static_cast<int32_t>(NextRandom()));
    uint32_t range = static_cast<uint32_t>(span);
    uint32_t limit = 0xFFFFFFFFu - (0xFFFFFFFFu % range + 1u) % range;   // last accepted value
    uint32_t draw;
    do {
        draw = NextRandom();
    } while (draw > limit);
    return static_cast<int>(low + static_cast<int64_t>(draw % range));
}

// Uniform in [a, b) (or [b, a) when given the other way round).
float RandomFloat(float a, float b) {
    double unit = (NextRandom() >> 8) * (1.0 / 16777216.0);
    return static_cast<float>(a + (b - a) * unit);
}
