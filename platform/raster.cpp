// The rasteriser's loops. Two colour channels travel together in one 32-bit
// word (red and blue, green and alpha), so a blend costs four multiplications
// a pixel; each blend mode and tint is its own instantiation of the loops, so
// the inner loop holds no test of the drawing state.
#include "platform/raster.h"

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "platform/platform.h"

namespace {

// x / 255 rounded, for 0 <= x <= 255 * 255.
inline uint32_t Divide255(uint32_t x) {
    x += 128;
    return (x + (x >> 8)) >> 8;
}

// The same for two 16-bit lanes of one word (bits 0..15 and 16..31).
inline uint32_t DivideLanes(uint32_t lanes) {
    lanes += 0x00800080u;
    return ((lanes + ((lanes >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
}

// a + (b - a) * f / 256 in every channel, f in 0..255.
inline uint32_t Lerp(uint32_t a, uint32_t b, uint32_t f) {
    const uint32_t g = 256 - f;
    const uint32_t rb = (((a & 0x00FF00FFu) * g + (b & 0x00FF00FFu) * f) >> 8) & 0x00FF00FFu;
    const uint32_t ag = (((a >> 8) & 0x00FF00FFu) * g + ((b >> 8) & 0x00FF00FFu) * f) & 0xFF00FF00u;
    return rb | ag;
}

// The paint as the loops use it.
struct TKernel {
    uint32_t alpha, red, green, blue, cut;
};

inline uint32_t Tint(uint32_t s, const TKernel& k) {
    const uint32_t r = Divide255(((s >> 16) & 255u) * k.red);
    const uint32_t g = Divide255(((s >> 8) & 255u) * k.green);
    const uint32_t b = Divide255((s & 255u) * k.blue);
    return (s & 0xFF000000u) | (r << 16) | (g << 8) | b;
}

// One source pixel onto one frame pixel, as the game's blend modes say.
template <int MODE, bool TINT>
inline void Put(uint32_t& d, uint32_t s, const TKernel& k) {
    if constexpr (MODE == BLEND_MASK) {
        if ((s >> 24) < k.cut) return;
        if constexpr (TINT) s = Tint(s, k);
        d = s | 0xFF000000u;
    } else if constexpr (MODE == BLEND_SOLID) {
        if constexpr (TINT) s = Tint(s, k);
        d = s | 0xFF000000u;
    } else if constexpr (MODE == RASTER_KEEP) {
        d = s;
    } else if constexpr (MODE == BLEND_ALPHA) {
        const uint32_t a = Divide255((s >> 24) * k.alpha);
        if (a == 0) return;
        if constexpr (TINT) s = Tint(s, k);
        if (a == 255) {
            d = s | 0xFF000000u;
            return;
        }
        const uint32_t keep = 255 - a;
        const uint32_t rb = (s & 0x00FF00FFu) * a + (d & 0x00FF00FFu) * keep;
        const uint32_t g = ((s >> 8) & 255u) * a + ((d >> 8) & 255u) * keep;
        d = 0xFF000000u | DivideLanes(rb) | (Divide255(g) << 8);
    } else if constexpr (MODE == BLEND_LIGHT) {
        const uint32_t a = Divide255((s >> 24) * k.alpha);
        if (a == 0) return;
        if constexpr (TINT) s = Tint(s, k);
        uint32_t rb = DivideLanes((s & 0x00FF00FFu) * a) + (d & 0x00FF00FFu);
        const uint32_t over = rb & 0x01000100u;   // a lane past 255
        rb = (rb | (over - (over >> 8))) & 0x00FF00FFu;
        const uint32_t g = std::min(Divide255(((s >> 8) & 255u) * a) + ((d >> 8) & 255u), 255u);
        d = 0xFF000000u | rb | (g << 8);
    } else {
        static_assert(MODE == BLEND_SHADE);
        if constexpr (TINT) s = Tint(s, k);
        const uint32_t r = Divide255(((s >> 16) & 255u) * ((d >> 16) & 255u));
        const uint32_t g = Divide255(((s >> 8) & 255u) * ((d >> 8) & 255u));
        const uint32_t b = Divide255((s & 255u) * (d & 255u));
        d = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
}

// Texel coordinates in 16.16 fixed point; outside the picture they take its edge.
[[gnu::always_inline]] inline uint32_t SampleNearest(const TRasterPicture& p, int32_t u, int32_t v) {
    const int x = std::clamp(u >> 16, 0, p.width - 1);
    const int y = std::clamp(v >> 16, 0, p.height - 1);
    return p.pixels[static_cast<size_t>(y) * p.pitch + x];
}

// Between the four texels around (u, v), their centres at half texels.
[[gnu::always_inline]] inline uint32_t SampleBilinear(const TRasterPicture& p, int32_t u, int32_t v) {
    const int32_t su = u - 32768, sv = v - 32768;
    const uint32_t fx = static_cast<uint32_t>(su >> 8) & 255u, fy = static_cast<uint32_t>(sv >> 8) & 255u;
    const int x0 = std::clamp(su >> 16, 0, p.width - 1), x1 = std::clamp((su >> 16) + 1, 0, p.width - 1);
    const int y0 = std::clamp(sv >> 16, 0, p.height - 1), y1 = std::clamp((sv >> 16) + 1, 0, p.height - 1);
    const uint32_t* r0 = p.pixels + static_cast<size_t>(y0) * p.pitch;
    const uint32_t* r1 = p.pixels + static_cast<size_t>(y1) * p.pitch;
    return Lerp(Lerp(r0[x0], r1[x0], fy), Lerp(r0[x1], r1[x1], fy), fx);
}

#if defined(__SSE2__)
// Four pixels at a time: each channel widened to 16 bits, two pixels to a
// register, so that one multiplication serves eight channels. The results are
// those of the one-pixel code to the bit.
struct TWideKernel {
    __m128i alpha, tint, cutBelow, zero;
};

TWideKernel WideKernelOf(const TKernel& k) {
    return TWideKernel{_mm_set1_epi16(static_cast<short>(k.alpha)),
                       _mm_setr_epi16(static_cast<short>(k.blue), static_cast<short>(k.green),
                                      static_cast<short>(k.red), 255, static_cast<short>(k.blue),
                                      static_cast<short>(k.green), static_cast<short>(k.red), 255),
                       _mm_set1_epi16(static_cast<short>(static_cast<int>(k.cut) - 1)), _mm_setzero_si128()};
}

// x / 255 rounded in every 16-bit lane, for x up to 255 * 255: Divide255
// in one multiplication, y + (y >> 8) >> 8 being (y * 257) >> 16 for y < 65536.
[[gnu::always_inline]] inline __m128i Divide255Wide(__m128i x) {
    return _mm_mulhi_epu16(_mm_add_epi16(x, _mm_set1_epi16(128)), _mm_set1_epi16(257));
}

// Each pixel's alpha in all four of its lanes.
[[gnu::always_inline]] inline __m128i SpreadAlpha(__m128i x) {
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(x, 0xFF), 0xFF);
}

// Two source pixels onto two frame pixels, 16 bits a channel.
template <int MODE, bool TINT>
[[gnu::always_inline]] inline __m128i PutTwo(__m128i s, __m128i d, const TWideKernel& k) {
    if constexpr (TINT) s = Divide255Wide(_mm_mullo_epi16(s, k.tint));
    if constexpr (MODE == BLEND_MASK) {
        const __m128i drawn = _mm_cmpgt_epi16(SpreadAlpha(s), k.cutBelow);
        return _mm_or_si128(_mm_and_si128(drawn, s), _mm_andnot_si128(drawn, d));
    } else if constexpr (MODE == BLEND_SOLID || MODE == RASTER_KEEP) {
        return s;
    } else if constexpr (MODE == BLEND_ALPHA) {
        const __m128i a = Divide255Wide(_mm_mullo_epi16(SpreadAlpha(s), k.alpha));
        const __m128i keep = _mm_sub_epi16(_mm_set1_epi16(255), a);
        return Divide255Wide(_mm_add_epi16(_mm_mullo_epi16(s, a), _mm_mullo_epi16(d, keep)));
    } else if constexpr (MODE == BLEND_LIGHT) {
        const __m128i a = Divide255Wide(_mm_mullo_epi16(SpreadAlpha(s), k.alpha));
        return _mm_add_epi16(d, Divide255Wide(_mm_mullo_epi16(s, a)));   // packing saturates
    } else {
        return Divide255Wide(_mm_mullo_epi16(s, d));
    }
}

// Four source pixels, given widened two by two, onto four frame pixels.
template <int MODE, bool TINT>
[[gnu::always_inline]] inline void PutFour(uint32_t* d, __m128i low, __m128i high, const TWideKernel& k) {
    const __m128i frame = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d));
    const __m128i a = PutTwo<MODE, TINT>(low, _mm_unpacklo_epi8(frame, k.zero), k);
    const __m128i b = PutTwo<MODE, TINT>(high, _mm_unpackhi_epi8(frame, k.zero), k);
    const __m128i packed = _mm_packus_epi16(a, b);
    const __m128i out = MODE == RASTER_KEEP ? packed : _mm_or_si128(packed, _mm_set1_epi32(static_cast<int>(0xFF000000u)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d), out);
}

// A bilinear sample's texel pair along one axis: the first texel and the
// weight of the second (0..256). At the picture's edges the pair is moved
// inside and the weight put wholly on the edge texel, which is what clamping
// the outer texel to the edge gives.
struct TTexelPair {
    int first;
    uint32_t weight;
};

[[gnu::always_inline]] inline TTexelPair PairOf(int32_t coordinate, int size) {
    const int32_t centred = coordinate - 32768;
    TTexelPair pair{centred >> 16, static_cast<uint32_t>(centred >> 8) & 255u};
    if (pair.first < 0) pair = TTexelPair{0, 0};
    if (pair.first > size - 2) pair = TTexelPair{size - 2, 256};
    return pair;
}

// Two neighbouring texels and the two below them, lerped down: the left one
// in lanes 0..3, the right one in lanes 4..7.
[[gnu::always_inline]] inline __m128i ColumnPair(const uint32_t* top, int pitch, __m128i up, __m128i down,
                                                 __m128i zero) {
    const __m128i t = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(top)), zero);
    const __m128i b = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(top + pitch)), zero);
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(t, up), _mm_mullo_epi16(b, down)), 8);
}

// Two pixels' column pairs lerped across by their weights: both pixels, widened.
[[gnu::always_inline]] inline __m128i AcrossTwo(__m128i a, __m128i b, uint32_t weightA, uint32_t weightB) {
    const uint64_t SPREAD = 0x0001000100010001ull;
    const __m128i right = _mm_set_epi64x(static_cast<long long>(weightB * SPREAD), static_cast<long long>(weightA * SPREAD));
    const __m128i left = _mm_sub_epi16(_mm_set1_epi16(256), right);
    return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi64(a, b), left),
                                        _mm_mullo_epi16(_mm_unpackhi_epi64(a, b), right)),
                          8);
}

// The column pair of the sample at (u, v); `rows` is the row pair when every
// sample of the row shares it (a drawing that is not turned).
struct TRowPair {
    const uint32_t* top;
    __m128i up, down;
};

[[gnu::always_inline]] inline TRowPair RowPairOf(const TRasterPicture& p, int32_t v) {
    const TTexelPair pair = PairOf(v, p.height);
    const __m128i down = _mm_set1_epi16(static_cast<short>(pair.weight));
    return TRowPair{p.pixels + static_cast<size_t>(pair.first) * p.pitch, _mm_sub_epi16(_mm_set1_epi16(256), down),
                    down};
}

// A drawing that is not turned samples the same texel columns on every row:
// each pixel's pair of columns and its weights across are worked out once a
// drawing, and each row first lerps down the texels its pixels read, so that
// a pixel costs one lerp across instead of three.
struct alignas(16) TLanes {
    uint16_t lane[8];
};

// A drawing stretched down has many frame rows sampling between the same two
// texel rows: those are lerped across at the span's pixels once, and each
// frame row lerps between them.
struct TAcrossRow {
    int row = -1, from = 0, to = 0;   // the texel row, and the span's pixels it holds
    std::vector<uint64_t> lanes;      // per pixel its four channels, 16 bits each, from pixel `from` on
};

struct TLevelColumns {
    std::vector<int32_t> first;       // per pixel of the span: its left texel
    std::vector<TLanes> weights;      // 256 - its weight in lanes 0..3, the weight in 4..7
    std::vector<uint64_t> lerped;     // the row's texels lerped down, four 16-bit channels each
    TAcrossRow across[2];
};

TLevelColumns& LevelColumns() {
    static TLevelColumns columns;
    return columns;
}

void PlanLevelColumns(TLevelColumns& c, const TRasterPicture& p, int32_t u, int32_t du, int count) {
    c.first.resize(static_cast<size_t>(count));
    c.weights.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; i++, u += du) {
        const TTexelPair pair = PairOf(u, p.width);
        c.first[i] = pair.first;
        const uint16_t w = static_cast<uint16_t>(pair.weight), keep = static_cast<uint16_t>(256 - pair.weight);
        c.weights[i] = TLanes{{keep, keep, keep, keep, w, w, w, w}};
    }
}


// Two pixels' pairs, each already times its weights, summed across: both pixels, widened.
[[gnu::always_inline]] inline __m128i SumHalves(__m128i a, __m128i b) {
    return _mm_srli_epi16(_mm_add_epi16(_mm_unpacklo_epi64(a, b), _mm_unpackhi_epi64(a, b)), 8);
}

#endif

// The paint for the row loops: one pixel at a time, four, and eight (kept as
// plain lanes, loaded only by the loops that have the wider registers).
struct TLoopKernel {
    TKernel one;
#if defined(__SSE2__)
    TWideKernel four;
#endif
#if defined(__x86_64__)
    int eight = 0;
    alignas(32) uint16_t alpha8[16], tint8[16], cutBelow8[16];
#endif
};

// The last group of a row may hold fewer than four pixels: the four frame
// pixels are read and the ones past the row written back as they were, or,
// at the very end of the frame, the group goes through four pixels of scratch.
template <int MODE, bool TINT, typename Gather>
[[gnu::always_inline]] inline void PutGroup(uint32_t* d, int count, const uint32_t* frameEnd, const TLoopKernel& k,
                                            Gather gather) {
#if defined(__SSE2__)
    __m128i low, high;
    gather(low, high);
    if (count == 4) {
        PutFour<MODE, TINT>(d, low, high, k.four);
        return;
    }
    if (d + 4 <= frameEnd) {
        const __m128i before = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d));
        PutFour<MODE, TINT>(d, low, high, k.four);
        const __m128i after = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d));
        const __m128i inRow = _mm_cmpgt_epi32(_mm_set1_epi32(count), _mm_setr_epi32(0, 1, 2, 3));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d),
                         _mm_or_si128(_mm_and_si128(inRow, after), _mm_andnot_si128(inRow, before)));
        return;
    }
    uint32_t scratch[4] = {0, 0, 0, 0};
    std::copy(d, d + count, scratch);
    PutFour<MODE, TINT>(scratch, low, high, k.four);
    std::copy(scratch, scratch + count, d);
#else
    (void)d, (void)count, (void)frameEnd, (void)k, (void)gather;
#endif
}

#if defined(__x86_64__)
// Eight pixels at a time where the processor has AVX2: the same arithmetic
// on registers twice as wide, so that the results are those of the four-pixel
// loops to the bit. A 256-bit register holds four widened pixels in the order
// eight frame pixels unpack to: 0, 1 | 4, 5 or 2, 3 | 6, 7.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif

struct TEightKernel {
    __m256i alpha, tint, cutBelow;
};

TEightKernel EightKernelOf(const TLoopKernel& k) {
    return TEightKernel{_mm256_load_si256(reinterpret_cast<const __m256i*>(k.alpha8)),
                        _mm256_load_si256(reinterpret_cast<const __m256i*>(k.tint8)),
                        _mm256_load_si256(reinterpret_cast<const __m256i*>(k.cutBelow8))};
}

[[gnu::always_inline]] inline __m256i Divide255Eight(__m256i x) {
    return _mm256_mulhi_epu16(_mm256_add_epi16(x, _mm256_set1_epi16(128)), _mm256_set1_epi16(257));
}

[[gnu::always_inline]] inline __m256i SpreadAlphaEight(__m256i x) {
    return _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(x, 0xFF), 0xFF);
}

// WHOLE: the drawing alpha is 255, so that a texel's own alpha is its weight.
template <int MODE, bool TINT, bool WHOLE = false>
[[gnu::always_inline]] inline __m256i PutFourWide(__m256i s, __m256i d, const TEightKernel& k) {
    if constexpr (TINT) s = Divide255Eight(_mm256_mullo_epi16(s, k.tint));
    if constexpr (MODE == BLEND_MASK) {
        const __m256i drawn = _mm256_cmpgt_epi16(SpreadAlphaEight(s), k.cutBelow);
        return _mm256_or_si256(_mm256_and_si256(drawn, s), _mm256_andnot_si256(drawn, d));
    } else if constexpr (MODE == BLEND_SOLID || MODE == RASTER_KEEP) {
        return s;
    } else if constexpr (MODE == BLEND_ALPHA) {
        const __m256i a = WHOLE ? SpreadAlphaEight(s) : Divide255Eight(_mm256_mullo_epi16(SpreadAlphaEight(s), k.alpha));
        const __m256i keep = _mm256_sub_epi16(_mm256_set1_epi16(255), a);
        return Divide255Eight(_mm256_add_epi16(_mm256_mullo_epi16(s, a), _mm256_mullo_epi16(d, keep)));
    } else if constexpr (MODE == BLEND_LIGHT) {
        const __m256i a = WHOLE ? SpreadAlphaEight(s) : Divide255Eight(_mm256_mullo_epi16(SpreadAlphaEight(s), k.alpha));
        return _mm256_add_epi16(d, Divide255Eight(_mm256_mullo_epi16(s, a)));   // packing saturates
    } else {
        return Divide255Eight(_mm256_mullo_epi16(s, d));
    }
}

// Eight source pixels onto the eight frame pixels given, packed back.
template <int MODE, bool TINT, bool WHOLE = false>
[[gnu::always_inline]] inline __m256i PutEight(__m256i frame, __m256i low, __m256i high, const TEightKernel& k) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i a = PutFourWide<MODE, TINT, WHOLE>(low, _mm256_unpacklo_epi8(frame, zero), k);
    const __m256i b = PutFourWide<MODE, TINT, WHOLE>(high, _mm256_unpackhi_epi8(frame, zero), k);
    const __m256i packed = _mm256_packus_epi16(a, b);
    return MODE == RASTER_KEEP ? packed : _mm256_or_si256(packed, _mm256_set1_epi32(static_cast<int>(0xFF000000u)));
}

// As PutGroup, for up to eight pixels; a short group keeps the frame pixels
// past it by a mask rather than a branch, rows of a few pixels being common.
template <int MODE, bool TINT, typename Gather, bool WHOLE = false>
[[gnu::always_inline]] inline void PutGroupEight(uint32_t* d, int count, const uint32_t* frameEnd,
                                                 const TEightKernel& k, Gather gather) {
    __m256i low, high;
    gather(low, high);
    const __m256i inRow = _mm256_cmpgt_epi32(_mm256_set1_epi32(count), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
    if (d + 8 <= frameEnd) {
        const __m256i frame = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d),
                            _mm256_blendv_epi8(frame, PutEight<MODE, TINT, WHOLE>(frame, low, high, k), inRow));
        return;
    }
    alignas(32) uint32_t scratch[8] = {0, 0, 0, 0, 0, 0, 0, 0};
    std::copy(d, d + count, scratch);
    const __m256i frame = _mm256_load_si256(reinterpret_cast<const __m256i*>(scratch));
    _mm256_store_si256(reinterpret_cast<__m256i*>(scratch), PutEight<MODE, TINT, WHOLE>(frame, low, high, k));
    std::copy(scratch, scratch + count, d);
}

// Two 128-bit halves side by side: a in the low lane, b in the high.
[[gnu::always_inline]] inline __m256i Lanes(__m128i a, __m128i b) {
    return _mm256_inserti128_si256(_mm256_castsi128_si256(a), b, 1);
}

// Pixels a | b and c | d, each pair of texels already times its weights,
// summed across: a, c | b, d, widened.
[[gnu::always_inline]] inline __m256i SumHalvesEight(__m256i ab, __m256i cd) {
    return _mm256_srli_epi16(_mm256_add_epi16(_mm256_unpacklo_epi64(ab, cd), _mm256_unpackhi_epi64(ab, cd)), 8);
}

// Eight pixels from pairs(i, j), which gives pixels i | j times their weights.
template <int MODE, bool TINT, typename Pairs>
[[gnu::always_inline]] inline void PutEightSampled(uint32_t* d, int count, const uint32_t* frameEnd,
                                                   const TEightKernel& k, Pairs pairs) {
    const int last = count - 1;   // the extra pixels of a short group repeat the last
    auto at = [&](int n) { return std::min(n, last); };
    PutGroupEight<MODE, TINT>(d, count, frameEnd, k, [&](__m256i& low, __m256i& high) {
        low = SumHalvesEight(pairs(0, at(4)), pairs(at(1), at(5)));
        high = SumHalvesEight(pairs(at(2), at(6)), pairs(at(3), at(7)));
    });
}

template <int MODE, bool TINT, bool WHOLE>
void CopySpanEightAs(uint32_t* d, const uint32_t* s, int count, int step, const uint32_t* frameEnd,
                     const TLoopKernel& loop) {
    const TEightKernel k = EightKernelOf(loop);
    const __m256i zero = _mm256_setzero_si256();
    const __m256i alphas = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
    // Blended, a group of clear texels changes nothing, and at full alpha a
    // group of solid ones replaces the frame: a picture's clear and solid
    // stretches cost a test.
    const bool solidCopies = MODE == BLEND_ALPHA && !TINT && WHOLE;
    for (int i = 0; i < count; i += 8) {
        const int n = std::min(8, count - i);
        if constexpr (MODE == BLEND_ALPHA || MODE == BLEND_LIGHT) {
            if (n == 8 && step > 0) {
                const __m256i texels = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
                if (_mm256_testz_si256(texels, alphas)) continue;
                if (solidCopies && _mm256_testc_si256(texels, alphas)) {
                    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), texels);
                    continue;
                }
            }
        }
        auto gather = [&](__m256i& low, __m256i& high) {
            __m256i texels;
            if (n == 8) {
                texels = step > 0 ? _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i))
                                  : _mm256_permutevar8x32_epi32(
                                        _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s - i - 7)),
                                        _mm256_setr_epi32(7, 6, 5, 4, 3, 2, 1, 0));
            } else {
                alignas(32) uint32_t part[8] = {0, 0, 0, 0, 0, 0, 0, 0};
                for (int j = 0; j < n; j++) part[j] = s[(i + j) * step];
                texels = _mm256_load_si256(reinterpret_cast<const __m256i*>(part));
            }
            low = _mm256_unpacklo_epi8(texels, zero);
            high = _mm256_unpackhi_epi8(texels, zero);
        };
        PutGroupEight<MODE, TINT, decltype(gather), WHOLE>(d + i, n, frameEnd, k, gather);
    }
}

// Copied at full drawing alpha (the board, its items, most pictures), a
// texel's alpha weighs it as it is.
template <int MODE, bool TINT>
void CopySpanEight(uint32_t* d, const uint32_t* s, int count, int step, const uint32_t* frameEnd,
                   const TLoopKernel& loop) {
    if (loop.one.alpha == 255) CopySpanEightAs<MODE, TINT, true>(d, s, count, step, frameEnd, loop);
    else CopySpanEightAs<MODE, TINT, false>(d, s, count, step, frameEnd, loop);
}

// The two texels from a and the two from b, widened: a | b.
[[gnu::always_inline]] inline __m256i TexelPairs(const uint32_t* a, const uint32_t* b) {
    return _mm256_cvtepu8_epi16(_mm_unpacklo_epi64(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(a)),
                                                   _mm_loadl_epi64(reinterpret_cast<const __m128i*>(b))));
}

template <int MODE, bool TINT, bool LERPED>
void LevelSpanEight(uint32_t* d, const TLevelColumns& c, const TRowPair& rows, int pitch, int from, int to, int low,
                    const uint32_t* frameEnd, const TLoopKernel& loop) {
    const TEightKernel k = EightKernelOf(loop);
    const __m256i up = _mm256_broadcastsi128_si256(rows.up), down = _mm256_broadcastsi128_si256(rows.down);
    // Pixels a and b: their texel pairs, lerped down unless they already are.
    auto pairs = [&](int a, int b) {
        if constexpr (LERPED) {
            return Lanes(_mm_loadu_si128(reinterpret_cast<const __m128i*>(c.lerped.data() + (c.first[a] - low))),
                         _mm_loadu_si128(reinterpret_cast<const __m128i*>(c.lerped.data() + (c.first[b] - low))));
        } else {
            const uint32_t* topA = rows.top + c.first[a];
            const uint32_t* topB = rows.top + c.first[b];
            return _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(TexelPairs(topA, topB), up),
                                                      _mm256_mullo_epi16(TexelPairs(topA + pitch, topB + pitch), down)),
                                     8);
        }
    };
    auto weights = [&](int i) { return _mm_load_si128(reinterpret_cast<const __m128i*>(&c.weights[i])); };
    for (int i = from; i < to; i += 8) {
        PutEightSampled<MODE, TINT>(d + (i - from), std::min(8, to - i), frameEnd, k, [&](int a, int b) {
            return _mm256_mullo_epi16(pairs(i + a, i + b), Lanes(weights(i + a), weights(i + b)));
        });
    }
}

// One texel row lerped across at pixels from..to - 1 of a planned span, in
// the pixels' order, up to the next multiple of eight.
void AcrossRowEight(uint64_t* out, const TLevelColumns& c, const uint32_t* row, int from, int to) {
    auto weights = [&](int i) { return _mm_load_si128(reinterpret_cast<const __m128i*>(&c.weights[i])); };
    for (int i = from; i < to; i += 8, out += 8) {
        const int last = std::min(8, to - i) - 1;   // the extra pixels of a short group repeat the last
        auto pairs = [&](int a, int b) {
            a = i + std::min(a, last);
            b = i + std::min(b, last);
            return _mm256_mullo_epi16(TexelPairs(row + c.first[a], row + c.first[b]), Lanes(weights(a), weights(b)));
        };
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out), SumHalvesEight(pairs(0, 2), pairs(1, 3)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + 4), SumHalvesEight(pairs(4, 6), pairs(5, 7)));
    }
}

// How far down a thin drawing asks for the frame's pixels ahead: each of its
// rows reads a line of the frame that no nearer cache holds, and the rows the
// processor runs ahead by itself are too few to hide the wait.
constexpr int FETCH_ROWS_DOWN = 16;

// A run of frame rows between two texel rows lerped across by AcrossRowEight,
// weights[r] the lower row's weight in row r; group by group down the rows,
// the run being a few pixels wide and many rows tall.
template <int MODE, bool TINT>
void DownRunEight(uint32_t* d, int stride, const uint64_t* top, const uint64_t* bottom, const uint16_t* weights,
                  int rows, int count, const uint32_t* frameEnd, const TLoopKernel& loop) {
    const TEightKernel k = EightKernelOf(loop);
    const __m256i all256 = _mm256_set1_epi16(256);
    auto load = [&](const uint64_t* at) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at)); };
    for (int i = 0; i < count; i += 8) {
        // Pixels 0, 1 | 4, 5 and 2, 3 | 6, 7, as the frame's pixels unpack.
        const __m256i t0 = load(top + i), t1 = load(top + i + 4), b0 = load(bottom + i), b1 = load(bottom + i + 4);
        const __m256i topLow = _mm256_permute2x128_si256(t0, t1, 0x20), topHigh = _mm256_permute2x128_si256(t0, t1, 0x31);
        const __m256i bottomLow = _mm256_permute2x128_si256(b0, b1, 0x20);
        const __m256i bottomHigh = _mm256_permute2x128_si256(b0, b1, 0x31);
        const int n = std::min(8, count - i);
        uint32_t* at = d + i;
        for (int r = 0; r < rows; r++, at += stride) {
            const __m256i down = _mm256_set1_epi16(static_cast<short>(weights[r]));
            const __m256i up = _mm256_sub_epi16(all256, down);
            const uintptr_t ahead = reinterpret_cast<uintptr_t>(at) + static_cast<uintptr_t>(FETCH_ROWS_DOWN) * stride * 4;
            if (ahead < reinterpret_cast<uintptr_t>(frameEnd)) _mm_prefetch(reinterpret_cast<const char*>(ahead), _MM_HINT_T0);
            PutGroupEight<MODE, TINT>(at, n, frameEnd, k, [&](__m256i& low, __m256i& high) {
                low = _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(topLow, up), _mm256_mullo_epi16(bottomLow, down)), 8);
                high = _mm256_srli_epi16(
                    _mm256_add_epi16(_mm256_mullo_epi16(topHigh, up), _mm256_mullo_epi16(bottomHigh, down)), 8);
            });
        }
    }
}

// PairOf for eight coordinates at once.
[[gnu::always_inline]] inline void PairsOfEight(__m256i coordinates, __m256i limit, __m256i& first, __m256i& weight) {
    const __m256i centred = _mm256_sub_epi32(coordinates, _mm256_set1_epi32(32768));
    first = _mm256_srai_epi32(centred, 16);
    weight = _mm256_and_si256(_mm256_srai_epi32(centred, 8), _mm256_set1_epi32(255));
    weight = _mm256_andnot_si256(_mm256_cmpgt_epi32(_mm256_setzero_si256(), first), weight);
    first = _mm256_max_epi32(first, _mm256_setzero_si256());
    weight = _mm256_blendv_epi8(weight, _mm256_set1_epi32(256), _mm256_cmpgt_epi32(first, limit));
    first = _mm256_min_epi32(first, limit);
}

// A byte shuffle that spreads 16-bit lane `lane` of each half over that half.
[[gnu::always_inline]] inline __m256i SpreadLane(int lane) {
    return _mm256_set1_epi16(static_cast<short>(((2 * lane + 1) << 8) | (2 * lane)));
}

// A turned row, filtered: each pixel has its own texels and weights, worked
// out for the eight pixels together. Pixels j and j + 4 travel side by side,
// as the frame's pixels unpack.
template <int MODE, bool TINT>
void TurnedSpanEight(uint32_t* d, int count, const TRasterPicture& p, int32_t u, int32_t v, int32_t du, int32_t dv,
                     const uint32_t* frameEnd, const TLoopKernel& loop) {
    const TEightKernel k = EightKernelOf(loop);
    const __m256i order = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
    const __m256i uLimit = _mm256_set1_epi32(p.width - 2), vLimit = _mm256_set1_epi32(p.height - 2);
    const __m256i pitch = _mm256_set1_epi32(p.pitch), all256 = _mm256_set1_epi16(256);
    for (int i = 0; i < count; i += 8) {
        const int n = std::min(8, count - i);
        // The extra pixels of a short group repeat the last.
        const __m256i steps = _mm256_min_epi32(order, _mm256_set1_epi32(n - 1));
        __m256i column, across, row, down;
        PairsOfEight(_mm256_add_epi32(_mm256_set1_epi32(u), _mm256_mullo_epi32(steps, _mm256_set1_epi32(du))), uLimit,
                     column, across);
        PairsOfEight(_mm256_add_epi32(_mm256_set1_epi32(v), _mm256_mullo_epi32(steps, _mm256_set1_epi32(dv))), vLimit,
                     row, down);
        alignas(32) int32_t at[8];
        _mm256_store_si256(reinterpret_cast<__m256i*>(at), _mm256_add_epi32(_mm256_mullo_epi32(row, pitch), column));
        // Per half: the across weights of its four pixels, then their down weights.
        const __m256i weights = _mm256_packs_epi32(across, down);
        auto pair = [&](int j) {
            const __m256i lower = _mm256_shuffle_epi8(weights, SpreadLane(4 + j));
            const __m256i upper = _mm256_sub_epi16(all256, lower);
            const uint32_t* a = p.pixels + at[j];
            const uint32_t* b = p.pixels + at[j + 4];
            const __m256i columns =
                _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(TexelPairs(a, b), upper),
                                                   _mm256_mullo_epi16(TexelPairs(a + p.pitch, b + p.pitch), lower)),
                                  8);
            const __m256i right = _mm256_shuffle_epi8(weights, SpreadLane(j));
            return _mm256_mullo_epi16(columns, _mm256_blend_epi16(_mm256_sub_epi16(all256, right), right, 0xF0));
        };
        PutGroupEight<MODE, TINT>(d + i, n, frameEnd, k, [&](__m256i& low, __m256i& high) {
            low = SumHalvesEight(pair(0), pair(1));
            high = SumHalvesEight(pair(2), pair(3));
        });
        u += 8 * du;
        v += 8 * dv;
    }
}

// Four texels a step of LerpDown; returns how many it lerped, a multiple of four.
int LerpDownEight(uint64_t* out, const uint32_t* top, int pitch, int n, const TRowPair& rows) {
    const __m256i up = _mm256_broadcastsi128_si256(rows.up), down = _mm256_broadcastsi128_si256(rows.down);
    int i = 0;
    for (; i + 4 <= n; i += 4) {
        const __m256i t = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(top + i)));
        const __m256i b = _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(top + i + pitch)));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i),
                            _mm256_srli_epi16(_mm256_add_epi16(_mm256_mullo_epi16(t, up), _mm256_mullo_epi16(b, down)), 8));
    }
    return i;
}

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

// Whether the eight-pixel loops are used: by the processor, unless a test
// chooses.
int wideLoopsChosen = -1;

int WideLoops() {
    if (wideLoopsChosen < 0) {
        __builtin_cpu_init();
        wideLoopsChosen = __builtin_cpu_supports("avx2") ? 1 : 0;
    }
    return wideLoopsChosen;
}
#endif

#if defined(__SSE2__)
// Texels low..high (inclusive) of the row pair, lerped down into c.lerped
// as 64-bit entries, one texel each, from entry 0.
void LerpDown(TLevelColumns& c, const TRowPair& rows, int pitch, int low, int high, int eight) {
    const int n = high - low + 1;
    if (c.lerped.size() < static_cast<size_t>(n) + 1) c.lerped.resize(static_cast<size_t>(n) + 1);
    uint64_t* out = c.lerped.data();
    const __m128i zero = _mm_setzero_si128();
    const uint32_t* top = rows.top + low;
    auto lerp = [&](__m128i t, __m128i b) {
        return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(t, zero), rows.up),
                                            _mm_mullo_epi16(_mm_unpacklo_epi8(b, zero), rows.down)),
                              8);
    };
    int i = 0;
#if defined(__x86_64__)
    if (eight) i = LerpDownEight(out, top, pitch, n, rows);
#else
    (void)eight;
#endif
    for (; i + 2 <= n; i += 2) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         lerp(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(top + i)),
                              _mm_loadl_epi64(reinterpret_cast<const __m128i*>(top + i + pitch))));
    }
    if (i < n) {   // one texel left: read alone, the row may end there
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out + i),
                         lerp(_mm_cvtsi32_si128(static_cast<int>(top[i])),
                              _mm_cvtsi32_si128(static_cast<int>(top[i + pitch]))));
    }
}
#endif

#if defined(__SSE2__)
// One texel row lerped across at pixels from..to - 1 of a planned span, in
// the pixels' order, up to the next multiple of four (eight for the
// eight-pixel loops).
void AcrossRow(uint64_t* out, const TLevelColumns& c, const uint32_t* row, int from, int to, int eight) {
#if defined(__x86_64__)
    if (eight) return AcrossRowEight(out, c, row, from, to);
#else
    (void)eight;
#endif
    const __m128i zero = _mm_setzero_si128();
    auto pixel = [&](int i) {
        const __m128i texels = _mm_unpacklo_epi8(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(row + c.first[i])), zero);
        return _mm_mullo_epi16(texels, _mm_load_si128(reinterpret_cast<const __m128i*>(&c.weights[i])));
    };
    for (int i = from; i < to; i += 4, out += 4) {
        const int last = std::min(4, to - i) - 1;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), SumHalves(pixel(i), pixel(i + std::min(1, last))));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2),
                         SumHalves(pixel(i + std::min(2, last)), pixel(i + last)));
    }
}

// Texel rows y0 and y0 + 1 lerped across at pixels from..to - 1 (and past
// them, to the end of the last group), kept from the frame rows before.
void AcrossRows(TLevelColumns& c, const TRasterPicture& p, int y0, int from, int to, int eight, const uint64_t*& top,
                const uint64_t*& bottom) {
    auto find = [&](int y) {
        for (int slot = 0; slot < 2; slot++) {
            const TAcrossRow& a = c.across[slot];
            if (a.row == y && a.from <= from && to <= a.to) return slot;
        }
        return -1;
    };
    auto make = [&](int slot, int y) {
        TAcrossRow& a = c.across[slot];
        const size_t size = static_cast<size_t>((to - from + 7) / 8 + 1) * 8;
        if (a.lanes.size() < size) a.lanes.resize(size);
        AcrossRow(a.lanes.data(), c, p.pixels + static_cast<size_t>(y) * p.pitch, from, to, eight);
        a.row = y;
        a.from = from;
        a.to = to;
    };
    int upper = find(y0), lower = find(y0 + 1);
    if (upper < 0) {
        upper = lower == 0 ? 1 : 0;
        make(upper, y0);
    }
    if (lower < 0) {
        lower = 1 - upper;
        make(lower, y0 + 1);
    }
    top = c.across[upper].lanes.data() + (from - c.across[upper].from);
    bottom = c.across[lower].lanes.data() + (from - c.across[lower].from);
}

template <int MODE, bool TINT>
void DownRun(uint32_t* d, int stride, const uint64_t* top, const uint64_t* bottom, const uint16_t* weights, int rows,
             int count, const uint32_t* frameEnd, const TLoopKernel& k) {
#if defined(__x86_64__)
    if (k.eight) return DownRunEight<MODE, TINT>(d, stride, top, bottom, weights, rows, count, frameEnd, k);
#endif
    auto load = [](const uint64_t* at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at)); };
    for (int i = 0; i < count; i += 4) {
        const __m128i topLow = load(top + i), topHigh = load(top + i + 2);
        const __m128i bottomLow = load(bottom + i), bottomHigh = load(bottom + i + 2);
        const int n = std::min(4, count - i);
        uint32_t* at = d + i;
        for (int r = 0; r < rows; r++, at += stride) {
            const __m128i down = _mm_set1_epi16(static_cast<short>(weights[r]));
            const __m128i up = _mm_sub_epi16(_mm_set1_epi16(256), down);
            PutGroup<MODE, TINT>(at, n, frameEnd, k, [&](__m128i& low, __m128i& high) {
                low = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(topLow, up), _mm_mullo_epi16(bottomLow, down)), 8);
                high = _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(topHigh, up), _mm_mullo_epi16(bottomHigh, down)), 8);
            });
        }
    }
}
#endif

// A row of pixels from consecutive texels, forwards or backwards.
template <int MODE, bool TINT>
void CopySpan(uint32_t* d, const uint32_t* s, int count, int step, const uint32_t* frameEnd, const TLoopKernel& k) {
#if defined(__x86_64__)
    if (k.eight) return CopySpanEight<MODE, TINT>(d, s, count, step, frameEnd, k);
#endif
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (int i = 0; i < count; i += 4) {
        const int n = std::min(4, count - i);
        PutGroup<MODE, TINT>(d + i, n, frameEnd, k, [&](__m128i& low, __m128i& high) {
            __m128i texels;
            if (n == 4) {
                texels = step > 0 ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i))
                                  : _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(s - i - 3)), 0x1B);
            } else {
                uint32_t part[4] = {0, 0, 0, 0};
                for (int j = 0; j < n; j++) part[j] = s[(i + j) * step];
                texels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(part));
            }
            low = _mm_unpacklo_epi8(texels, zero);
            high = _mm_unpackhi_epi8(texels, zero);
        });
    }
#else
    for (int i = 0; i < count; i++) Put<MODE, TINT>(d[i], s[i * step], k.one);
#endif
}

#if defined(__SSE2__)
// Pixels from..to - 1 of a planned span. LERPED: from the row's texels lerped
// down beforehand (low is the first of them); else each pixel lerps its own
// pair down, for a picture drawn so small that its pixels skip texels.
template <int MODE, bool TINT, bool LERPED>
void LevelSpan(uint32_t* d, const TLevelColumns& c, const TRowPair& rows, int pitch, int from, int to, int low,
               const uint32_t* frameEnd, const TLoopKernel& k) {
#if defined(__x86_64__)
    if (k.eight) return LevelSpanEight<MODE, TINT, LERPED>(d, c, rows, pitch, from, to, low, frameEnd, k);
#endif
    const __m128i zero = _mm_setzero_si128();
    auto pixel = [&](int i) {
        const __m128i weights = _mm_load_si128(reinterpret_cast<const __m128i*>(&c.weights[i]));
        if constexpr (LERPED) {
            const __m128i pair = _mm_loadu_si128(reinterpret_cast<const __m128i*>(c.lerped.data() + (c.first[i] - low)));
            return _mm_mullo_epi16(pair, weights);
        } else {
            return _mm_mullo_epi16(ColumnPair(rows.top + c.first[i], pitch, rows.up, rows.down, zero), weights);
        }
    };
    for (int i = from; i < to; i += 4) {
        const int last = std::min(4, to - i) - 1;   // the extra pixels of a short group repeat the last
        PutGroup<MODE, TINT>(d + (i - from), last + 1, frameEnd, k, [&](__m128i& lowPair, __m128i& highPair) {
            lowPair = SumHalves(pixel(i), pixel(i + std::min(1, last)));
            highPair = SumHalves(pixel(i + std::min(2, last)), pixel(i + last));
        });
    }
}
#endif

// A row of pixels whose texel coordinates step by (du, dv) from (u, v);
// LEVEL: dv is 0, so the row pair of a bilinear sample is the same all along.
template <int MODE, bool TINT, bool FILTERED, bool LEVEL>
void MapSpan(uint32_t* d, int count, const TRasterPicture& p, int32_t u, int32_t v, int32_t du, int32_t dv,
             const uint32_t* frameEnd, const TLoopKernel& k) {
    const bool paired = FILTERED && p.width >= 2 && p.height >= 2;
#if defined(__x86_64__)
    if constexpr (FILTERED && !LEVEL) {
        if (k.eight && paired) return TurnedSpanEight<MODE, TINT>(d, count, p, u, v, du, dv, frameEnd, k);
    }
#endif
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    TRowPair level{};
    if constexpr (FILTERED && LEVEL) {
        if (paired) level = RowPairOf(p, v);
    }
    auto column = [&](int32_t su, int32_t sv, uint32_t& weight) {
        const TTexelPair across = PairOf(su, p.width);
        weight = across.weight;
        const TRowPair rows = LEVEL ? level : RowPairOf(p, sv);
        return ColumnPair(rows.top + across.first, p.pitch, rows.up, rows.down, zero);
    };
    for (int i = 0; i < count; i += 4) {
        const int last = std::min(4, count - i) - 1;   // the extra pixels of a short group repeat the last
        PutGroup<MODE, TINT>(d + i, last + 1, frameEnd, k, [&](__m128i& low, __m128i& high) {
            const int32_t u1 = u + std::min(1, last) * du, v1 = v + std::min(1, last) * dv;
            const int32_t u2 = u + std::min(2, last) * du, v2 = v + std::min(2, last) * dv;
            const int32_t u3 = u + last * du, v3 = v + last * dv;
            if (paired) {
                uint32_t w0, w1, w2, w3;
                const __m128i c0 = column(u, v, w0), c1 = column(u1, v1, w1);
                const __m128i c2 = column(u2, v2, w2), c3 = column(u3, v3, w3);
                low = AcrossTwo(c0, c1, w0, w1);
                high = AcrossTwo(c2, c3, w2, w3);
                return;
            }
            const __m128i texels = FILTERED
                ? _mm_setr_epi32(static_cast<int>(SampleBilinear(p, u, v)), static_cast<int>(SampleBilinear(p, u1, v1)),
                                 static_cast<int>(SampleBilinear(p, u2, v2)), static_cast<int>(SampleBilinear(p, u3, v3)))
                : _mm_setr_epi32(static_cast<int>(SampleNearest(p, u, v)), static_cast<int>(SampleNearest(p, u1, v1)),
                                 static_cast<int>(SampleNearest(p, u2, v2)), static_cast<int>(SampleNearest(p, u3, v3)));
            low = _mm_unpacklo_epi8(texels, zero);
            high = _mm_unpackhi_epi8(texels, zero);
        });
        u += 4 * du;
        v += 4 * dv;
    }
#else
    for (int i = 0; i < count; i++, u += du, v += dv)
        Put<MODE, TINT>(d[i], FILTERED ? SampleBilinear(p, u, v) : SampleNearest(p, u, v), k.one);
#endif
}

TLoopKernel LoopKernelOf(const TKernel& k) {
    TLoopKernel loop;
    loop.one = k;
#if defined(__SSE2__)
    loop.four = WideKernelOf(k);
#endif
#if defined(__x86_64__)
    loop.eight = WideLoops();
    if (!loop.eight) return loop;
    const uint16_t tint[4] = {static_cast<uint16_t>(k.blue), static_cast<uint16_t>(k.green),
                              static_cast<uint16_t>(k.red), 255};
    for (int lane = 0; lane < 16; lane++) {
        loop.alpha8[lane] = static_cast<uint16_t>(k.alpha);
        loop.tint8[lane] = tint[lane % 4];
        loop.cutBelow8[lane] = static_cast<uint16_t>(static_cast<int>(k.cut) - 1);
    }
#endif
    return loop;
}

// Calls body(mode, tint) with both as compile-time constants.
template <typename Body>
void Dispatch(const TRasterPaint& paint, Body&& body) {
    const bool tint = paint.red != 255 || paint.green != 255 || paint.blue != 255;
    auto withTint = [&](auto mode) {
        if (tint) body(mode, std::true_type{});
        else body(mode, std::false_type{});
    };
    switch (paint.blend) {
    case BLEND_MASK: withTint(std::integral_constant<int, BLEND_MASK>{}); break;
    case BLEND_SOLID: withTint(std::integral_constant<int, BLEND_SOLID>{}); break;
    case BLEND_ALPHA: withTint(std::integral_constant<int, BLEND_ALPHA>{}); break;
    case BLEND_LIGHT: withTint(std::integral_constant<int, BLEND_LIGHT>{}); break;
    case BLEND_SHADE: withTint(std::integral_constant<int, BLEND_SHADE>{}); break;
    case RASTER_KEEP: body(std::integral_constant<int, RASTER_KEEP>{}, std::false_type{}); break;   // never tinted
    default: break;
    }
}

TKernel KernelOf(const TRasterPaint& paint) {
    auto channel = [](int value) { return static_cast<uint32_t>(std::clamp(value, 0, 255)); };
    return TKernel{channel(paint.alpha), channel(paint.red), channel(paint.green), channel(paint.blue),
                   static_cast<uint32_t>(std::clamp(paint.maskCut, 0, 256))};
}

int Usable(const TRasterFrame& frame, const TRasterPicture& picture) {
    return frame.pixels && picture.pixels && picture.width > 0 && picture.height > 0 &&
           picture.pitch >= picture.width && frame.clipLeft < frame.clipRight && frame.clipTop < frame.clipBottom &&
           frame.clipLeft >= 0 && frame.clipTop >= 0 && frame.clipRight <= frame.width &&
           frame.clipBottom <= frame.height;
}

// One texel coordinate over the frame: its value at the centre of pixel
// (0, 0), its steps one pixel along a row and one row down, and the range of
// it that is drawn (the picture, or the part of it that can show).
struct TAxis {
    double base, along, down, low, high;
};

// The pixels of a row where low <= coordinate < high, as bounds that move by the
// same amount from one row to the next, so that a row costs no division:
// thin drawings (the glows' streaks) are a few pixels wide and hundreds of rows.
struct TSpanBound {
    int level;            // the coordinate does not change along a row
    double lo0, hi0, slope;
    // Narrows [lo, hi) to the row's span; 0 when the row misses the picture.
    int Narrow(const TAxis& axis, int row, double& lo, double& hi) const {
        if (level) {
            const double value = axis.base + row * axis.down;
            return value >= axis.low && value < axis.high;
        }
        lo = std::max(lo, lo0 + row * slope);
        hi = std::min(hi, hi0 + row * slope);
        return lo < hi;
    }
};

TSpanBound BoundOf(const TAxis& axis) {
    if (std::fabs(axis.along) < 1e-12) return TSpanBound{1, 0.0, 0.0, 0.0};
    double a = (axis.low - axis.base) / axis.along, b = (axis.high - axis.base) / axis.along;
    if (a > b) std::swap(a, b);
    return TSpanBound{0, a, b, -axis.down / axis.along};
}

// The reach level a drawing at alpha k may skip below: a texel whose alpha
// is under 2^level, times k, is below one half.
int ReachLevel(uint32_t k) {
    int level = 0;
    while (level + 1 < REACH_LEVELS && (1u << (level + 1)) * k < 128u) level++;
    return level;
}

// How far the bounds of the texels that show are widened beyond the half
// texel a filtered sample reads: the pixels are chosen in exact coordinates
// but sampled in 16.16 steps, which drift from them by up to half a 65536th of
// a texel a pixel, a 64th over 2048 pixels.
constexpr double STEP_DRIFT = 1.0 / 32.0;

// Where the samples that can read a texel showing in a faint drawing lie:
// the box of those texels and its corners cut along the diagonals (u + v and
// u - v), which a turned drawing's rows are narrowed to; a round light turned
// loses its empty corners. A filtered sample reads half a texel either side.
struct TShowing {
    double uLow, uHigh, vLow, vHigh, sumLow, sumHigh, differenceLow, differenceHigh;
};

int ShowingBox(const TRasterPicture& p, int level, TShowing& box) {
    const uint16_t* bounds = p.reach + static_cast<size_t>(p.height) * REACH_LEVELS * 2 + level * REACH_BOUNDS;
    const int left = bounds[0], right = bounds[1], top = bounds[2], bottom = bounds[3];
    if (top >= bottom) return 0;
    const double margin = (p.filtered ? 0.5 : 0.0) + STEP_DRIFT;
    box.uLow = std::max(0.0, left - margin);
    box.uHigh = std::min<double>(p.width, right + margin);
    box.vLow = std::max(0.0, top - margin);
    box.vHigh = std::min<double>(p.height, bottom + margin);
    box.sumLow = bounds[4] - 2 * margin;
    box.sumHigh = bounds[5] + 2 * margin;
    box.differenceLow = bounds[6] - REACH_LARGEST_SIDE - 2 * margin;
    box.differenceHigh = bounds[7] - REACH_LARGEST_SIDE + 2 * margin;
    return 1;
}

// The frame's pixels a drawing will reach two rows on, asked for ahead: a
// particle lands anywhere on a frame larger than the processor's nearer
// caches, and its blend waits on every frame pixel it reads.
inline void FetchAhead(const TRasterFrame& frame, int row, int from, int to) {
#if defined(__SSE2__)
    const int ahead = to - from < 32 ? 6 : 2;
    if (row + ahead >= frame.height) return;
    const uint32_t* p = frame.pixels + static_cast<size_t>(row + ahead) * frame.width;
    for (int x = from; x < to; x += 16) _mm_prefetch(reinterpret_cast<const char*>(p + x), _MM_HINT_T0);
    _mm_prefetch(reinterpret_cast<const char*>(p + to - 1), _MM_HINT_T0);
#else
    (void)frame, (void)row, (void)from, (void)to;
#endif
}

// The least whole number at or above x, for x already inside the frame.
inline int CeilInside(double x) {
    const int whole = static_cast<int>(x);
    return whole + (x > whole ? 1 : 0);
}

// A drawing that is not turned: every row spans the same pixels and samples
// along one texel row, so a row costs a test and its span.
struct TLevelDrawing {
    const TRasterPicture& picture;
    const uint16_t* reach;
    int level;
    const TAxis& u;
    const TSpanBound& uBound;
    const TAxis& v;
    int rowFirst, rowEnd;
    int32_t du;
    double perTexel;   // pixels a texel along the row
};

// Narrows first..end - 1 to the pixels whose sample can reach the texels of
// rows y0 and y1 that show (a filtered sample reads half a texel either
// side); 0 when none can.
int ReachSpan(const TLevelDrawing& w, int y0, int y1, int& from, int& to) {
    const uint16_t* r0 = w.reach + (static_cast<size_t>(y0) * REACH_LEVELS + w.level) * 2;
    const uint16_t* r1 = w.reach + (static_cast<size_t>(y1) * REACH_LEVELS + w.level) * 2;
    int a = r0[0], b = r0[1];
    if (r1[0] < r1[1]) {
        a = a < b ? std::min<int>(a, r1[0]) : r1[0];
        b = std::max<int>(b, r1[1]);
    }
    if (a >= b) return 0;
    const double margin = (w.picture.filtered ? 0.5 : 0.0) + STEP_DRIFT;
    double lo = (a - margin - w.u.base) * w.perTexel, hi = (b + margin - w.u.base) * w.perTexel;
    if (lo > hi) std::swap(lo, hi);
    lo = std::max<double>(lo, from);
    hi = std::min<double>(hi, to);
    if (!(lo < hi)) return 0;
    from = CeilInside(lo);
    to = CeilInside(hi);
    return from < to;
}

#if defined(__SSE2__)
// A drawing stretched down (a glow's streak): the frame rows come in runs
// sampling between the same two texel rows, which are lerped across once
// (the lower one serving the next run too); each run is drawn down its rows.
template <int MODE, bool TINT>
void DrawStretchedRows(TRasterFrame& frame, const TLevelDrawing& w, int first, int end, int32_t su,
                       const uint32_t* frameEnd, const TLoopKernel& loop) {
    const TRasterPicture& picture = w.picture;
    TLevelColumns& columns = LevelColumns();
    PlanLevelColumns(columns, picture, su, w.du, end - first);
    columns.across[0].row = columns.across[1].row = -1;
    const double FIXED = 65536.0;
    auto pairOfRow = [&](int row, TTexelPair& pair) {
        const double texelRow = w.v.base + row * w.v.down;
        if (texelRow < w.v.low || texelRow >= w.v.high) return 0;
        pair = PairOf(static_cast<int32_t>(texelRow * FIXED + 0.5), picture.height);
        return 1;
    };
    constexpr int RUN_LONGEST = 64;
    uint16_t weights[RUN_LONGEST];
    int row = w.rowFirst;
    while (row < w.rowEnd) {
        TTexelPair pair{};
        if (!pairOfRow(row, pair)) {
            row++;
            continue;
        }
        const int y0 = pair.first, runFirst = row;
        int rows = 0;
        weights[rows++] = static_cast<uint16_t>(pair.weight);
        for (row++; row < w.rowEnd && rows < RUN_LONGEST; row++) {
            if (!pairOfRow(row, pair) || pair.first != y0) break;
            weights[rows++] = static_cast<uint16_t>(pair.weight);
        }
        int from = first, to = end;
        if (w.reach && !ReachSpan(w, y0, y0 + 1, from, to)) continue;
        const uint64_t *top = nullptr, *bottom = nullptr;
        AcrossRows(columns, picture, y0, from - first, to - first, loop.eight, top, bottom);
        uint32_t* d = frame.pixels + static_cast<size_t>(runFirst) * frame.width + from;
        DownRun<MODE, TINT>(d, frame.width, top, bottom, weights, rows, to - from, frameEnd, loop);
    }
}
#endif

template <int MODE, bool TINT>
void DrawLevelRows(TRasterFrame& frame, const TLevelDrawing& w, const uint32_t* frameEnd, const TLoopKernel& loop) {
    const TRasterPicture& picture = w.picture;
    double lo = frame.clipLeft, hi = frame.clipRight;
    if (!w.uBound.Narrow(w.u, 0, lo, hi)) return;
    const int first = CeilInside(lo), end = CeilInside(hi);
    if (first >= end) return;
    const double FIXED = 65536.0;
    const int32_t su = static_cast<int32_t>((w.u.base + first * w.u.along) * FIXED + 0.5);
    const bool paired = picture.filtered && picture.width >= 2 && picture.height >= 2;
#if defined(__SSE2__)
    // Each row lerps down the texels its pixels read, unless the picture is
    // drawn so small that they are many more than the pixels.
    const bool lerped = std::fabs(w.u.along) <= 2.0;
    TLevelColumns& columns = LevelColumns();
    if (paired) PlanLevelColumns(columns, picture, su, w.du, end - first);
    if (paired && std::fabs(w.v.down) < 0.5) return DrawStretchedRows<MODE, TINT>(frame, w, first, end, su, frameEnd, loop);
#endif
    // Frame rows on the same texel rows share their span: a glow's streak is
    // stretched over hundreds of rows.
    int spanY0 = -1, spanShows = 0, spanFrom = first, spanTo = end;
    for (int row = w.rowFirst; row < w.rowEnd; row++) {
        const double texelRow = w.v.base + row * w.v.down;
        if (texelRow < w.v.low || texelRow >= w.v.high) continue;
        const int32_t sv = static_cast<int32_t>(texelRow * FIXED + 0.5);
        int from = first, to = end;
        if (w.reach) {
            int y0 = std::clamp(sv >> 16, 0, picture.height - 1), y1 = y0;
            if (paired) {
                y0 = PairOf(sv, picture.height).first;
                y1 = y0 + 1;
            }
            if (y0 != spanY0) {
                spanY0 = y0;
                spanFrom = first;
                spanTo = end;
                spanShows = ReachSpan(w, y0, y1, spanFrom, spanTo);
            }
            if (!spanShows) continue;
            from = spanFrom;
            to = spanTo;
        }
        FetchAhead(frame, row, from, to);
        uint32_t* d = frame.pixels + static_cast<size_t>(row) * frame.width + from;
#if defined(__SSE2__)
        if (paired) {
            const TRowPair rows = RowPairOf(picture, sv);
            if (lerped) {
                int low = columns.first[from - first], high = columns.first[to - 1 - first];
                if (low > high) std::swap(low, high);
                LerpDown(columns, rows, picture.pitch, low, high + 1, loop.eight);
                LevelSpan<MODE, TINT, true>(d, columns, rows, picture.pitch, from - first, to - first, low, frameEnd,
                                            loop);
            } else {
                LevelSpan<MODE, TINT, false>(d, columns, rows, picture.pitch, from - first, to - first, 0, frameEnd,
                                             loop);
            }
            continue;
        }
#endif
        const int32_t rowU = su + (from - first) * w.du;
        if (picture.filtered) MapSpan<MODE, TINT, true, true>(d, to - from, picture, rowU, sv, w.du, 0, frameEnd, loop);
        else MapSpan<MODE, TINT, false, false>(d, to - from, picture, rowU, sv, w.du, 0, frameEnd, loop);
    }
}

}  // namespace

void RasterChooseWideLoops(int wide) {
#if defined(__x86_64__)
    wideLoopsChosen = wide < 0 ? -1 : (wide && __builtin_cpu_supports("avx2") ? 1 : 0);
#else
    (void)wide;
#endif
}

int RasterWideLoops() {
#if defined(__x86_64__)
    return WideLoops();
#else
    return 0;
#endif
}

void RasterFill(TRasterFrame& frame, int left, int top, int right, int bottom, uint32_t rgb) {
    if (!frame.pixels) return;
    left = std::max(left, frame.clipLeft);
    top = std::max(top, frame.clipTop);
    right = std::min(right, frame.clipRight);
    bottom = std::min(bottom, frame.clipBottom);
    for (int y = top; y < bottom; y++) {
        uint32_t* row = frame.pixels + static_cast<size_t>(y) * frame.width;
        std::fill(row + left, row + right, rgb | 0xFF000000u);
    }
}

void RasterCopy(TRasterFrame& frame, const TRasterPicture& picture, int x, int y, int mirrorX, int mirrorY,
                const TRasterPaint& paint) {
    if (!Usable(frame, picture)) return;
    const int left = std::max(x, frame.clipLeft), right = std::min(x + picture.width, frame.clipRight);
    const int top = std::max(y, frame.clipTop), bottom = std::min(y + picture.height, frame.clipBottom);
    if (left >= right || top >= bottom) return;
    const TKernel k = KernelOf(paint);
    const TLoopKernel loop = LoopKernelOf(k);
    const uint32_t* frameEnd = frame.pixels + static_cast<size_t>(frame.width) * frame.height;
    Dispatch(paint, [&](auto mode, auto tint) {
        constexpr int MODE = decltype(mode)::value;
        constexpr bool TINT = decltype(tint)::value;
        const int step = mirrorX ? -1 : 1;
        // Copied as they are: the frame's alpha is never read.
        const bool replaces = !TINT && !mirrorX &&
                              (MODE == BLEND_SOLID || (picture.opaque && (MODE == BLEND_MASK ||
                                                                          (MODE == BLEND_ALPHA && k.alpha == 255))));
        for (int row = top; row < bottom; row++) {
            const int v = mirrorY ? y + picture.height - 1 - row : row - y;
            const int u = mirrorX ? x + picture.width - 1 - left : left - x;
            const uint32_t* s = picture.pixels + static_cast<size_t>(v) * picture.pitch + u;
            uint32_t* d = frame.pixels + static_cast<size_t>(row) * frame.width;
            if (!replaces) FetchAhead(frame, row, left, right);
            if (replaces) std::copy(s, s + (right - left), d + left);
            else CopySpan<MODE, TINT>(d + left, s, right - left, step, frameEnd, loop);
        }
    });
}

void RasterMap(TRasterFrame& frame, const TRasterPicture& picture, const double (&m)[6], const TRasterPaint& paint) {
    if (!Usable(frame, picture)) return;
    const double det = m[0] * m[4] - m[1] * m[3];
    if (!std::isfinite(det) || std::fabs(det) < 1e-9) return;
    // The texel under the centre of pixel (px, row) is (u, v) = base + px * step
    // along the row + row * step down the frame.
    const TKernel k = KernelOf(paint);
    // Blended or added, a texel whose alpha times the drawing alpha is below
    // one half changes nothing: only the box of the others is drawn, and, not
    // turned, each row only where its texel rows reach. Kept, the clear texels
    // are left as the frame has them (a copy starts clear).
    const uint16_t* reach =
        (paint.blend == BLEND_ALPHA || paint.blend == BLEND_LIGHT || paint.blend == RASTER_KEEP) ? picture.reach : nullptr;
    const int level = ReachLevel(k.alpha);
    TShowing box{0.0, static_cast<double>(picture.width), 0.0, static_cast<double>(picture.height),
                 -1e30, 1e30, -1e30, 1e30};
    if (reach && !ShowingBox(picture, level, box)) return;
    const double cx = 0.5 - m[2], cy = 0.5 - m[5];
    // A row's span and its first sample come from the whole picture, and a
    // faint drawing narrows the span to the pixels that can show, so that
    // every pixel it draws samples exactly where drawing it whole would.
    const TAxis u{(m[4] * cx - m[1] * cy) / det, m[4] / det, -m[1] / det, 0.0, static_cast<double>(picture.width)};
    const TAxis v{(m[0] * cy - m[3] * cx) / det, -m[3] / det, m[0] / det, 0.0, static_cast<double>(picture.height)};
    const TAxis uShown{u.base, u.along, u.down, box.uLow, box.uHigh};
    const TAxis vShown{v.base, v.along, v.down, box.vLow, box.vHigh};
    const TAxis sum{u.base + v.base, u.along + v.along, u.down + v.down, box.sumLow, box.sumHigh};
    const TAxis difference{u.base - v.base, u.along - v.along, u.down - v.down, box.differenceLow, box.differenceHigh};
    const double FIXED = 65536.0;
    if (std::fabs(u.along) * FIXED > 1e9 || std::fabs(v.along) * FIXED > 1e9) return;   // thinner than a pixel
    double top = 1e30, bottom = -1e30;
    for (int corner = 0; corner < 4; corner++) {
        const double cornerY = m[3] * ((corner & 1) ? box.uHigh : box.uLow) + m[4] * ((corner & 2) ? box.vHigh : box.vLow) +
                               m[5];
        top = std::min(top, cornerY);
        bottom = std::max(bottom, cornerY);
    }
    if (!std::isfinite(top) || !std::isfinite(bottom)) return;
    const int rowFirst = static_cast<int>(std::max<double>(frame.clipTop, std::floor(top)));
    const int rowEnd = static_cast<int>(std::min<double>(frame.clipBottom, std::ceil(bottom) + 1.0));
    const TSpanBound uBound = BoundOf(u), vBound = BoundOf(v), uShownBound = BoundOf(uShown),
                     vShownBound = BoundOf(vShown), sumBound = BoundOf(sum), differenceBound = BoundOf(difference);
    const int32_t du = static_cast<int32_t>(std::lround(u.along * FIXED));
    const int32_t dv = static_cast<int32_t>(std::lround(v.along * FIXED));
    const TLoopKernel loop = LoopKernelOf(k);
    const uint32_t* frameEnd = frame.pixels + static_cast<size_t>(frame.width) * frame.height;
    Dispatch(paint, [&](auto mode, auto tint) {
        constexpr int MODE = decltype(mode)::value;
        constexpr bool TINT = decltype(tint)::value;
        if (m[1] == 0.0 && m[3] == 0.0) {
            const TLevelDrawing drawing{picture, reach, level, u, uBound, vShown, rowFirst, rowEnd, du, 1.0 / u.along};
            DrawLevelRows<MODE, TINT>(frame, drawing, frameEnd, loop);
            return;
        }
        for (int row = rowFirst; row < rowEnd; row++) {
            double lo = frame.clipLeft, hi = frame.clipRight;
            if (!uBound.Narrow(u, row, lo, hi) || !vBound.Narrow(v, row, lo, hi)) continue;
            int first = CeilInside(lo), end = CeilInside(hi);
            if (first >= end) continue;
            int32_t su = static_cast<int32_t>((u.base + row * u.down + first * u.along) * FIXED + 0.5);
            int32_t sv = static_cast<int32_t>((v.base + row * v.down + first * v.along) * FIXED + 0.5);
            if (reach) {
                if (!uShownBound.Narrow(uShown, row, lo, hi) || !vShownBound.Narrow(vShown, row, lo, hi) ||
                    !sumBound.Narrow(sum, row, lo, hi) || !differenceBound.Narrow(difference, row, lo, hi))
                    continue;
                const int from = std::max(first, CeilInside(lo)), to = std::min(end, CeilInside(hi));
                if (from >= to) continue;
                su += (from - first) * du;
                sv += (from - first) * dv;
                first = from;
                end = to;
            }
            FetchAhead(frame, row, first, end);
            uint32_t* d = frame.pixels + static_cast<size_t>(row) * frame.width + first;
            const int count = end - first;
            if (!picture.filtered) MapSpan<MODE, TINT, false, false>(d, count, picture, su, sv, du, dv, frameEnd, loop);
            else if (dv == 0) MapSpan<MODE, TINT, true, true>(d, count, picture, su, sv, du, dv, frameEnd, loop);
            else MapSpan<MODE, TINT, true, false>(d, count, picture, su, sv, du, dv, frameEnd, loop);
        }
    });
}

void RasterResample(const TRasterPicture& picture, uint32_t* to, int width, int height) {
    if (!to || width <= 0 || height <= 0 || !picture.pixels || picture.width <= 0 || picture.height <= 0) return;
    const double FIXED = 65536.0;
    const double stepU = static_cast<double>(picture.width) / width, stepV = static_cast<double>(picture.height) / height;
    // Every row samples the same columns.
    std::vector<int32_t> columns(static_cast<size_t>(width));
    for (int x = 0; x < width; x++) columns[x] = static_cast<int32_t>((x + 0.5) * stepU * FIXED + 0.5);
    for (int y = 0; y < height; y++) {
        const int32_t v = static_cast<int32_t>((y + 0.5) * stepV * FIXED + 0.5);
        uint32_t* row = to + static_cast<size_t>(y) * width;
        if (picture.filtered) {
            for (int x = 0; x < width; x++) row[x] = SampleBilinear(picture, columns[x], v);
        } else {
            for (int x = 0; x < width; x++) row[x] = SampleNearest(picture, columns[x], v);
        }
    }
}

void RasterRowReach(const TRasterPicture& picture, uint16_t* reach) {
    if (!reach || !picture.pixels || picture.width <= 0 || !ReachFits(picture.width, picture.height)) return;
    for (int y = 0; y < picture.height; y++) {
        const uint32_t* row = picture.pixels + static_cast<size_t>(y) * picture.pitch;
        uint16_t* out = reach + static_cast<size_t>(y) * REACH_LEVELS * 2;
        for (int level = 0; level < REACH_LEVELS; level++) out[level * 2] = out[level * 2 + 1] = 0;
        // A texel reaching a level reaches every level below it, so the
        // first texels of the levels come in order from the left.
        int level = 0;
        for (int x = 0; x < picture.width && level < REACH_LEVELS; x++)
            while (level < REACH_LEVELS && (row[x] >> 24) >= (1u << level)) out[2 * level++] = static_cast<uint16_t>(x);
        const int found = level;
        level = 0;
        for (int x = picture.width - 1; x >= 0 && level < found; x--)
            while (level < found && (row[x] >> 24) >= (1u << level)) out[2 * level++ + 1] = static_cast<uint16_t>(x + 1);
    }
    // Each least alpha's bounds: the box of its texels and, for the cuts
    // along the diagonals, the least and most of u + v and of u - v over
    // them (u - v kept above zero by the largest side).
    for (int level = 0; level < REACH_LEVELS; level++) {
        int left = picture.width, right = 0, top = 0, bottom = 0, found = 0;
        int sumLow = 1 << 30, sumHigh = 0, differenceLow = 1 << 30, differenceHigh = 0;
        for (int y = 0; y < picture.height; y++) {
            const uint16_t* r = reach + (static_cast<size_t>(y) * REACH_LEVELS + level) * 2;
            if (r[0] >= r[1]) continue;
            left = std::min<int>(left, r[0]);
            right = std::max<int>(right, r[1]);
            if (!found) top = y;
            found = 1;
            bottom = y + 1;
            // Texels r[0]..r[1] - 1 of row y cover r[0] + y <= u + v < r[1] + y + 1
            // and r[0] - y - 1 < u - v <= r[1] - y.
            sumLow = std::min(sumLow, r[0] + y);
            sumHigh = std::max(sumHigh, r[1] + y + 1);
            differenceLow = std::min(differenceLow, r[0] - y - 1 + REACH_LARGEST_SIDE);
            differenceHigh = std::max(differenceHigh, r[1] - y + REACH_LARGEST_SIDE);
        }
        uint16_t* bounds = reach + static_cast<size_t>(picture.height) * REACH_LEVELS * 2 + level * REACH_BOUNDS;
        const int values[REACH_BOUNDS] = {left, right, top, bottom, sumLow, sumHigh, differenceLow, differenceHigh};
        for (int n = 0; n < REACH_BOUNDS; n++) bounds[n] = static_cast<uint16_t>(found ? values[n] : 0);
    }
}
