// Picture loading (PNG, JPEG, masks, strips, handles), composed pictures and
// the pixel-exact overlap test.
#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/writers/writers.h"
#include "shell/assets.h"
#include "tests/test_support.h"

namespace {

void ResetLoading() {
    SetMaskKey(0, 0, 0);
    SetAutoCentre(0);
    SetDrawScale(1, 1);
    SetDrawRotation(0);
}

class Pictures : public ::testing::Test {
protected:
    std::string folder;
    void SetUp() override {
        UseHeadlessPlatform();
        folder = MakeTempFolder("pictures");
        ResetLoading();
    }
    void TearDown() override {
        ResetLoading();
        std::filesystem::remove_all(folder);
    }
};

// Pixels of a w x h picture from a function of the position.
template <class F>
std::vector<uint32_t> Pixels(int w, int h, F colour) {
    std::vector<uint32_t> out(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) out[static_cast<size_t>(y) * w + x] = colour(x, y);
    return out;
}

std::string BigEndian32(uint32_t v) {
    return std::string{char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}

std::string PngChunk(const std::string& type, const std::string& data) {
    std::string body = type + data;
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()));
    return BigEndian32(static_cast<uint32_t>(data.size())) + body + BigEndian32(static_cast<uint32_t>(crc));
}

// A small PNG file whose header claims width x height RGBA pixels; its one
// image chunk holds a few bytes only.
std::string ClaimingPng(uint32_t width, uint32_t height) {
    std::string header = BigEndian32(width) + BigEndian32(height) + std::string{8, 6, 0, 0, 0};
    unsigned char packed[64];
    uLongf packedSize = sizeof packed;
    const unsigned char row[5] = {0, 0, 0, 0, 0};
    compress(packed, &packedSize, row, sizeof row);
    return std::string("\x89PNG\r\n\x1a\n", 8) + PngChunk("IHDR", header) +
           PngChunk("IDAT", std::string(reinterpret_cast<char*>(packed), packedSize)) + PngChunk("IEND", "");
}

// A picture whose pixels in [x0, w) x [0, h) are opaque white, clear elsewhere.
TImage Solid(int w, int h, int x0 = 0) {
    TImage image = MakeImage(w, h, 1);
    for (int i = 0; i < w * h; i++)
        if (i % w >= x0) SetImagePixel(image, 0, i % w, i / w, 0xFFFFFFFFu);
    return image;
}

std::vector<uint32_t> PixelsOf(TImage image) {
    return Pixels(ImageWidth(image), ImageHeight(image), [&](int x, int y) { return ImagePixel(image, 0, x, y); });
}

}  // namespace

// A loaded picture lets go of its pixels once drawn; reading them, and a new
// display, still find them (the file is read again).
TEST_F(Pictures, ADrawnPictureStillHasItsPixels) {
    auto pixels = Pixels(6, 4, [](int x, int y) { return 0xFF000000u | (x * 40u << 16) | (y * 60u << 8) | (x + y > 0 ? 7u : 0u); });
    ASSERT_TRUE(SavePng(folder + "drawn.png", 6, 4, pixels, 0));
    SetMaskKey(255, 0, 255);   // changed after loading: the file is read again with the key it was loaded with
    TImage image = LoadImageFile(folder + "drawn.png", -1);
    SetMaskKey(0, 0, 0);
    ASSERT_NE(image, nullptr);
    std::vector<uint32_t> shown;
    int w = 0, h = 0;
    for (int pass = 0; pass < 2; pass++) {
        SetBlend(BLEND_SOLID);
        PaintImage(image, 50, 60, 0);
        SetBlend(BLEND_MASK);
        ASSERT_TRUE(ReadScreenPixels(shown, w, h));
        EXPECT_EQ(shown[static_cast<size_t>(62) * w + 55], pixels[2 * 6 + 5]) << "pass " << pass;
        OpenDisplay(800, 600, 0, 60);   // every texture is gone
        SetLogicalResolution(1024, 768);
    }
    EXPECT_EQ(ImagePixel(image, 0, 0, 0), pixels[0]);   // black stays: the key then was magenta
    EXPECT_EQ(ImagePixel(image, 0, 5, 3), pixels[3 * 6 + 5]);
    FreeImage(image);
}

// A PNG in any of its layouts: `rows` holds each row's bytes as the layout
// stores them (after packing for depths below 8).
void WriteLayoutPng(const std::string& path, int w, int h, int colourType, int depth, int interlace,
                    const std::vector<std::string>& rows, const std::vector<png_color>& palette = {},
                    const std::string& transparency = "") {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, w, h, depth, colourType, interlace, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (!transparency.empty())
        png_set_tRNS(png, info, reinterpret_cast<png_const_bytep>(transparency.data()),
                     static_cast<int>(transparency.size()), nullptr);
    png_write_info(png, info);
    std::vector<png_bytep> pointers;
    for (const std::string& row : rows) pointers.push_back(reinterpret_cast<png_bytep>(const_cast<char*>(row.data())));
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

// Grey, grey with alpha at 16 bits, a palette with transparency at 2 bits and
// interlaced colour all read as the 0xAARRGGBB pixels they hold.
TEST_F(Pictures, EveryPngLayoutReadsAsItsPixels) {
    struct TCase {
        const char* name;
        int colourType, depth, interlace;
        std::vector<std::string> rows;
        std::vector<png_color> palette;
        std::string transparency;
        std::vector<uint32_t> want;   // 3 x 2 pixels
        int alpha;
    };
    const std::vector<TCase> cases = {
        {"grey", PNG_COLOR_TYPE_GRAY, 8, PNG_INTERLACE_NONE, {std::string("\x00\x80\xff", 3), "\x10\x20\x30"}, {}, "",
         {0xFF000000u, 0xFF808080u, 0xFFFFFFFFu, 0xFF101010u, 0xFF202020u, 0xFF303030u}, 0},
        {"grey16", PNG_COLOR_TYPE_GRAY_ALPHA, 16, PNG_INTERLACE_NONE,
         {std::string("\x12\x34\xff\xff\x80\x00\x40\x00\x00\x00\x00\x00", 12),
          std::string("\xff\xff\x00\x00\x01\x00\x80\x00\x20\x00\xc0\x00", 12)},
         {}, "", {0xFF121212u, 0x40808080u, 0x00000000u, 0x00FFFFFFu, 0x80010101u, 0xC0202020u}, 1},
        {"palette", PNG_COLOR_TYPE_PALETTE, 2, PNG_INTERLACE_NONE, {"\x1b", "\xe4"},   // 0 1 2 / 3 2 1
         {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 8, 7}}, std::string("\xff\x80\x00", 3),
         {0xFFFF0000u, 0x8000FF00u, 0x000000FFu, 0xFF090807u, 0x000000FFu, 0x8000FF00u}, 1},
        {"interlaced", PNG_COLOR_TYPE_RGB, 8, PNG_INTERLACE_ADAM7,
         {"\x01\x02\x03\x04\x05\x06\x07\x08\x09", "\x0a\x0b\x0c\x0d\x0e\x0f\x10\x11\x12"}, {}, "",
         {0xFF010203u, 0xFF040506u, 0xFF070809u, 0xFF0A0B0Cu, 0xFF0D0E0Fu, 0xFF101112u}, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = folder + c.name + ".png";
        WriteLayoutPng(path, 3, 2, c.colourType, c.depth, c.interlace, c.rows, c.palette, c.transparency);
        TImage image = LoadImageFile(path, 0);   // unmasked: black stays black
        ASSERT_NE(image, nullptr);
        EXPECT_EQ(ImageHasAlpha(image), c.alpha != 0);
        for (int i = 0; i < 6; i++) EXPECT_EQ(ImagePixel(image, 0, i % 3, i / 3), c.want[i]) << "pixel " << i;
        FreeImage(image);
    }
}

TEST_F(Pictures, OversizedOrCutFilesFailWithoutCostingMemory) {
    // Claims of a million pixels a side are refused from the header, with the
    // loader's usual line.
    std::string huge = ClaimingPng(1000000, 1000000);
    EXPECT_LT(huge.size(), 100u);
    WriteWholeFile(folder + "huge.png", huge);
    testing::internal::CaptureStdout();
    EXPECT_EQ(LoadPicture(folder + "huge.png"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "error LoadIm " + folder + "huge.png\n");
    WriteWholeFile(folder + "wide.png", ClaimingPng(MAX_PICTURE_SIDE + 1, 1));
    EXPECT_EQ(LoadImageFile(folder + "wide.png", -1), nullptr);
    // A size the game allows, but more than the memory there is, is a failed
    // load rather than the end of the game.
    WriteWholeFile(folder + "big.png", ClaimingPng(MAX_PICTURE_SIDE, MAX_PICTURE_SIDE));
    {
        TMemoryCap cap(64u << 20);
        EXPECT_EQ(LoadImageFile(folder + "big.png", -1), nullptr);
    }

    // A JPEG whose frame header claims 20000 x 20000 over the data of 16 x 16.
    auto noise = Pixels(64, 64, [](int x, int y) { return 0xFF000000u | static_cast<uint32_t>((x * 7919 + y * 104729) * 2654435761u >> 8); });
    ASSERT_TRUE(SaveJpeg(folder + "small.jpg", 16, 16, noise));
    std::string jpeg = ReadWholeFile(folder + "small.jpg");
    size_t frame = jpeg.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    jpeg.replace(frame + 5, 4, std::string{char(20000 >> 8), char(20000 & 255), char(20000 >> 8), char(20000 & 255)});
    WriteWholeFile(folder + "claims.jpg", jpeg);
    {
        TMemoryCap cap(64u << 20);
        EXPECT_EQ(LoadImageFile(folder + "claims.jpg", -1), nullptr);
    }
    // A JPEG cut short would be patched with grey by the decoder: no picture.
    ASSERT_TRUE(SaveJpeg(folder + "whole.jpg", 64, 64, noise));
    std::string whole = ReadWholeFile(folder + "whole.jpg");
    WriteWholeFile(folder + "cut.jpg", whole.substr(0, whole.size() / 2));
    EXPECT_EQ(LoadImageFile(folder + "cut.jpg", -1), nullptr);
    // Whole, it loads opaque and without alpha, even masked.
    TImage intact = LoadImageFile(folder + "whole.jpg", -1);
    ASSERT_NE(intact, nullptr);
    EXPECT_EQ(ImageWidth(intact), 64);
    EXPECT_FALSE(ImageHasAlpha(intact));
    EXPECT_EQ(ImagePixel(intact, 0, 40, 40) >> 24, 255u);
    FreeImage(intact);
}

// Decoded ahead, a picture loads as it does from its file, a broken one fails
// as it does, and a path named once serves one load: the next reads the file.
TEST_F(Pictures, APictureDecodedAheadLoadsAsFromItsFile) {
    auto pixels = Pixels(9, 6, [](int x, int y) { return 0xFF000000u | (x * 25u << 16) | (y * 40u << 8) | 7u; });
    ASSERT_TRUE(SavePng(folder + "ahead.png", 9, 6, pixels));
    ASSERT_TRUE(SaveJpeg(folder + "ahead.jpg", 16, 16, Pixels(16, 16, [](int, int) { return 0xFF406080u; })));
    WriteWholeFile(folder + "broken.png", ClaimingPng(40, 40));   // its data ends after one row
    // Loaded in another order than named.
    DecodeAhead({folder + "ahead.png", folder + "broken.png", folder + "ahead.jpg", folder + "never.png"});
    TImage jpeg = LoadImageFile(folder + "ahead.jpg", 0);
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(ImageWidth(jpeg), 16);
    EXPECT_FALSE(ImageHasAlpha(jpeg));
    EXPECT_EQ(LoadImageFile(folder + "broken.png", -1), nullptr);
    TImage png = LoadImageFile(folder + "ahead.png", -1);
    ASSERT_NE(png, nullptr);
    EXPECT_EQ(ImageWidth(png), 9);
    EXPECT_EQ(PixelsOf(png), pixels);
    // The same path again, once the first took its pixels, and changed since.
    auto changed = Pixels(9, 6, [](int x, int y) { return 0xFF000000u | (y * 25u << 16) | (x * 9u); });
    ASSERT_TRUE(SavePng(folder + "ahead.png", 9, 6, changed));
    TImage again = LoadImageFile(folder + "ahead.png", -1);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(PixelsOf(again), changed);
    EXPECT_EQ(StopDecodingAhead(), 1);   // never.png, which nothing loaded
    FreeImage(png);
    FreeImage(jpeg);
    FreeImage(again);
}

TEST_F(Pictures, StripCellsReadLeftToRightThenDownAroundTheirCentres) {
    // 3 columns by 2 rows of 8 x 6 cells; cell k is filled with colour k + 1.
    auto pixels = Pixels(24, 12, [](int x, int y) { return 0xFF000000u | static_cast<uint32_t>((y / 6) * 3 + x / 8 + 1); });
    ASSERT_TRUE(SavePng(folder + "strip.png", 24, 12, pixels));
    TImage strip = LoadImageStrip(folder + "strip.png", 8, 6, 0, 5);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(ImageWidth(strip), 8);
    EXPECT_EQ(ImageHeight(strip), 6);
    EXPECT_EQ(ImageFrames(strip), 5);
    EXPECT_EQ(ImageLoadFlags(strip) & 3, 3);
    for (int f = 0; f < 5; f++) {
        EXPECT_EQ(ImagePixel(strip, f, 0, 0) & 0xFFFFFFu, static_cast<uint32_t>(f + 1)) << f;
        EXPECT_EQ(ImagePixel(strip, f, 7, 5) & 0xFFFFFFu, static_cast<uint32_t>(f + 1)) << f;
    }
    EXPECT_EQ(ImagePixel(strip, 5, 0, 0), 0u);   // no such frame
    EXPECT_EQ(ImagePixel(strip, 0, 8, 0), 0u);   // outside the frame
    FreeImage(strip);
    TImage later = LoadImageStrip(folder + "strip.png", 8, 6, 2, 3);
    ASSERT_NE(later, nullptr);
    EXPECT_EQ(ImagePixel(later, 0, 1, 1) & 0xFFFFFFu, 3u);
    EXPECT_EQ(ImagePixel(later, 1, 1, 1) & 0xFFFFFFu, 4u);
    FreeImage(later);
    // Cells too big for the picture.
    EXPECT_EQ(LoadImageStrip(folder + "strip.png", 30, 6, 0, 1), nullptr);
    // Auto-centre puts the handle at the middle of a frame, not of the file.
    SetAutoCentre(1);
    TImage centred = LoadImageStrip(folder + "strip.png", 5, 3, 0, 4);
    EXPECT_FLOAT_EQ(ImageHandleX(centred), 2.5f);
    EXPECT_FLOAT_EQ(ImageHandleY(centred), 1.5f);
    CentreImageHandle(nullptr);
    SetImageAnchor(nullptr, 1, 1);
    FreeImage(centred);
}

TEST_F(Pictures, PasteCopiesAFrameWithItsAlpha) {
    TImage dst = MakeImage(8, 8, 2);
    TImage src = MakeImage(3, 3, 1);
    SetImagePixel(src, 0, 0, 0, 0x80112233u);
    SetImagePixel(src, 0, 2, 2, 0xFF445566u);
    SetImagePixel(dst, 1, 6, 6, 0xFFFFFFFFu);
    PaintImage(dst, 100, 100, 1);   // drawn once before it changes
    PasteImage(dst, 1, src, 0, 6, 5);   // partly outside: clipped
    EXPECT_EQ(ImagePixel(dst, 1, 6, 5), 0x80112233u);
    EXPECT_EQ(ImagePixel(dst, 1, 6, 6), 0u);   // src's transparent pixel replaced it
    EXPECT_EQ(ImagePixel(dst, 1, 7, 7), 0u);
    EXPECT_EQ(ImagePixel(dst, 0, 6, 5), 0u);   // other frame untouched
    // The pasted and changed pixels reach the next drawing of the picture.
    SetBlend(BLEND_SOLID);
    PaintImage(dst, 100, 100, 1);
    SetBlend(BLEND_MASK);
    std::vector<uint32_t> shown;
    int w = 0, h = 0;
    ASSERT_TRUE(ReadScreenPixels(shown, w, h));
    EXPECT_EQ(shown[static_cast<size_t>(105) * w + 106], 0xFF112233u);
    SetImagePixel(dst, 1, 0, 0, 0xFFFF00FFu);
    PaintImage(dst, 100, 100, 1);
    ASSERT_TRUE(ReadScreenPixels(shown, w, h));
    EXPECT_EQ(shown[static_cast<size_t>(100) * w + 100], 0xFFFF00FFu);
    EXPECT_EQ(shown[static_cast<size_t>(105) * w + 106], 0xFF112233u);
    FreeImage(dst);
    FreeImage(src);
}

// Frames overlap only where both have a covered pixel, placed by their
// handles, scale and rotation; a picture without alpha is covered everywhere.
TEST_F(Pictures, OverlapNeedsASharedCoveredPixel) {
    TImage a = Solid(10, 10), b = Solid(10, 10), half = Solid(10, 10, 5), dot = Solid(3, 3), bar = Solid(40, 4);
    EXPECT_EQ(ImagesOverlap(a, 0, 0, 0, b, 10, 0, 0), 0);   // touching edges
    EXPECT_EQ(ImagesOverlap(a, 0, 0, 0, b, 9, 9, 0), 1);    // one corner pixel
    EXPECT_EQ(ImagesOverlap(a, 0, 0, 0, b, 0, -10, 0), 0);
    EXPECT_EQ(ImagesOverlap(a, 0, 0, 0, nullptr, 0, 0, 0), 0);
    EXPECT_EQ(ImagesOverlap(a, 0, 0, 1, b, 0, 0, 0), 0);
    SetImageAnchor(b, 10, 10);
    EXPECT_EQ(ImagesOverlap(a, 0, 0, 0, b, 20, 20, 0), 0);
    EXPECT_EQ(ImagesOverlap(a, 0, 0, 0, b, 19, 19, 0), 1);
    // Only the right half of `half` is covered.
    EXPECT_EQ(ImagesOverlap(half, 100, 100, 0, dot, 102, 104, 0), 0);
    EXPECT_EQ(ImagesOverlap(half, 100, 100, 0, dot, 103, 104, 0), 1);
    auto pixels = Pixels(10, 10, [](int x, int) { return x < 5 ? 0xFF000000u : 0xFFFFFFFFu; });
    ASSERT_TRUE(SavePng(folder + "noalpha.png", 10, 10, pixels, 0));
    TImage opaque = LoadImageFile(folder + "noalpha.png", -1);
    ASSERT_NE(opaque, nullptr);
    EXPECT_EQ(ImagePixel(opaque, 0, 0, 0) >> 24, 0u);
    EXPECT_EQ(ImagesOverlap(opaque, 100, 100, 0, dot, 100, 100, 0), 1);
    // Two flat bars 10 pixels apart; turned 90 degrees about their centres
    // they stand on one vertical line, and at 45 reach along the diagonal.
    CentreImageHandle(bar);
    const struct { float turn, sx, sy; int x, y, want; } BARS[] = {
        {0, 1, 1, 100, 110, 0},  {90, 1, 1, 100, 110, 1}, {90, 1, 1, 110, 100, 0}, {45, 1, 1, 120, 120, 1},
        {45, 1, 1, 120, 80, 0},  {0, 1, 4, 100, 110, 1},    // 16 pixels tall: now 10 apart overlaps
        {0, -1, 1, 139, 100, 1}, {0, -1, 1, 140, 100, 0},   // mirrored about the centre: the same place
    };
    for (const auto& c : BARS) {
        SetDrawRotation(c.turn);
        SetDrawScale(c.sx, c.sy);
        EXPECT_EQ(ImagesOverlap(bar, 100, 100, 0, bar, c.x, c.y, 0), c.want) << c.turn << " " << c.sx << " " << c.sy;
    }
    for (TImage image : {a, b, half, dot, bar, opaque}) FreeImage(image);
}
