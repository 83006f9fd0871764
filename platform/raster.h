// The game's own rasteriser: pictures drawn into a frame of pixels in memory,
// for the machines where the renderer would draw in software anyway (no
// graphics card, a virtual X server, headless runs). SDL's software renderer
// modulates, blends and scales through generic per-pixel blitters that cost
// several times these loops, and the effects put millions of pixels a frame
// through them. Plain C++, no SDL: the backend hands it the frame.
#pragma once

#include <cstdint>

// The frame drawn into, 0xFFRRGGBB (alpha is kept opaque, except by
// RASTER_KEEP), and the clip rectangle every drawing stays inside (right and
// bottom exclusive).
struct TRasterFrame {
    uint32_t* pixels = nullptr;
    int width = 0, height = 0;
    int clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;
};

// One frame of a picture sheet, 0xAARRGGBB, straight (not premultiplied) alpha.
struct TRasterPicture {
    const uint32_t* pixels = nullptr;
    int pitch = 0;            // in pixels
    int width = 0, height = 0;
    int filtered = 0;         // 1: bilinear sampling when scaled or turned, else nearest
    int opaque = 0;           // 1: every alpha is 255
    // Optional, from RasterRowReach: where each texel row holds alpha.
    const uint16_t* reach = nullptr;
};

// For each texel row and each least alpha 1, 2, 4, ... 128: the first texel
// and one past the last whose alpha reaches it (0, 0 when none), so that a
// faint drawing skips the pixels its weakest texels cannot change; after the
// rows, for each least alpha, the bounds of all those texels. Made only for
// pictures whose sides are at most REACH_LARGEST_SIDE.
constexpr int REACH_LEVELS = 8;
constexpr int REACH_LARGEST_SIDE = 16383;
constexpr bool ReachFits(int width, int height) {
    return width <= REACH_LARGEST_SIDE && height <= REACH_LARGEST_SIDE;
}
constexpr int REACH_BOUNDS = 8;   // per least alpha, in room for four more rows
constexpr int ReachSize(int height) {
    return (height + REACH_BOUNDS / 2) * REACH_LEVELS * 2;
}
void RasterRowReach(const TRasterPicture& picture, uint16_t* reach);

// Besides the game's blend modes: every channel of the source, alpha too,
// replaces the frame's, for a picture resampled into a clear one (pixels that
// sample only clear texels may be left as they are); the colour is not applied.
constexpr int RASTER_KEEP = 6;

// How the source pixels meet the frame: the game's blend modes (BLEND_*) or RASTER_KEEP, the
// drawing colour each channel is multiplied by, the drawing alpha (0..255) and,
// for BLEND_MASK, the least picture alpha that is drawn.
struct TRasterPaint {
    int blend = 0;
    int red = 255, green = 255, blue = 255;
    int alpha = 255;
    int maskCut = 128;
};

// The loops take eight pixels at a time where the processor has AVX2, four
// elsewhere, with the same results; a test may choose (1 or 0; -1: by the
// processor). RasterWideLoops says which are used.
void RasterChooseWideLoops(int wide);
int RasterWideLoops();

void RasterFill(TRasterFrame& frame, int left, int top, int right, int bottom, uint32_t rgb);
// The picture texel for pixel with its top left at (x, y), mirrored when asked.
void RasterCopy(TRasterFrame& frame, const TRasterPicture& picture, int x, int y, int mirrorX, int mirrorY,
                const TRasterPaint& paint);
// The picture through an affine map of texel coordinates (u, v) to frame
// coordinates: x = m[0] u + m[1] v + m[2], y = m[3] u + m[4] v + m[5]. Every
// frame pixel whose centre falls inside the picture is drawn.
void RasterMap(TRasterFrame& frame, const TRasterPicture& picture, const double (&m)[6], const TRasterPaint& paint);
// The picture resampled to width x height into `to` (alpha kept), as drawing
// it scaled would sample it.
void RasterResample(const TRasterPicture& picture, uint32_t* to, int width, int height);
