// Drawing on the logical screen: the mask, alpha, the paint transform,
// mirroring, viewport clipping, the window path and resampled copies; and the
// rasteriser's shortcuts for faint pictures and its wide loops.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/raster.h"
#include "tests/test_support.h"

namespace {

struct TRgb {
    int r, g, b;
};

TRgb Unpack(uint32_t p) {
    return {static_cast<int>((p >> 16) & 255), static_cast<int>((p >> 8) & 255), static_cast<int>(p & 255)};
}

std::vector<uint32_t> screen;

void ReadScreen() {
    int w = 0, h = 0;
    ASSERT_TRUE(ReadScreenPixels(screen, w, h));
    ASSERT_EQ(w, 1024);
    ASSERT_EQ(h, 768);
}

TRgb At(int x, int y) {
    return Unpack(screen[static_cast<size_t>(y) * 1024 + x]);
}

void ExpectNear(TRgb got, double r, double g, double b, int tolerance, const char* what) {
    EXPECT_NEAR(got.r, r, tolerance) << what;
    EXPECT_NEAR(got.g, g, tolerance) << what;
    EXPECT_NEAR(got.b, b, tolerance) << what;
}

// Rotated or resampled drawing may lose a little precision in each channel.
int SameColour(uint32_t a, uint32_t b) {
    TRgb x = Unpack(a), y = Unpack(b);
    return std::abs(x.r - y.r) <= 3 && std::abs(x.g - y.g) <= 3 && std::abs(x.b - y.b) <= 3;
}

// The largest difference in any channel between two screens, within a box.
int MostDifference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int left = 0, int top = 0,
                   int right = 1024, int bottom = 768) {
    int difference = 0;
    for (int y = top; y < bottom; y++) {
        for (int x = left; x < right; x++) {
            const TRgb p = Unpack(a[static_cast<size_t>(y) * 1024 + x]), q = Unpack(b[static_cast<size_t>(y) * 1024 + x]);
            difference = std::max({difference, std::abs(p.r - q.r), std::abs(p.g - q.g), std::abs(p.b - q.b)});
        }
    }
    return difference;
}

// A one-frame picture whose pixels are a function of the position.
template <class F>
TImage Made(int w, int h, F colour) {
    TImage image = MakeImage(w, h, 1);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) SetImagePixel(image, 0, x, y, colour(x, y));
    return image;
}

TImage FilledImage(int w, int h, uint32_t argb) {
    return Made(w, h, [argb](int, int) { return argb; });
}

// A picture of four blocks of different colours.
const uint32_t QUADRANT[4] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFF00u};

TImage QuadrantImage(int size = 20) {
    return Made(size, size, [size](int x, int y) { return QUADRANT[(y * 2 / size) * 2 + x * 2 / size]; });
}

void ResetState() {
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    SetBlend(BLEND_MASK);
    SetDrawScale(1, 1);
    SetDrawRotation(0);
    SetViewport(0, 0, 1024, 768);
    SetClearColor(0, 0, 0);
}

class Drawing : public ::testing::Test {
protected:
    void SetUp() override {
        UseHeadlessPlatform();
        ASSERT_TRUE(DisplayIsOpen());
        ResetState();
    }
    void TearDown() override { ResetState(); }
};

// Draws the picture over a grey screen in the given mode and returns the pixel.
TRgb DrawOverGrey(TImage image, int mode, int grey) {
    SetClearColor(grey, grey, grey);
    Cls();
    SetBlend(mode);
    PaintImage(image, 100, 100, 0);
    ReadScreen();
    return At(104, 104);
}

}  // namespace

TEST_F(Drawing, TheMaskCutsAtHalfTheCombinedAlpha) {
    const int grey = 100;
    const double sr = 200, sg = 50, sb = 0;
    // The mask draws a pixel unblended where the picture's alpha times the
    // drawing alpha is at least one half, and nothing below; one picture drawn
    // at changing alpha is cut anew each time.
    struct { uint32_t texel; float alpha; int drawn; } cuts[] = {
        {0x80, 1.0f, 1}, {0x7F, 1.0f, 0}, {0xCC, 1.0f, 1}, {0xCC, 0.6f, 0}, {0xCC, 0.7f, 1},
        {0xCC, 0.62f, 0}, {0xCC, 0.63f, 1}, {0xCC, 1.0f, 1}, {0xCC, 0.4f, 0}, {0xFF, 0.6f, 1},
        {0x99, 0.6f, 0}, {0xFF, 0.5f, 1}, {0x99, 1.0f, 1},
    };
    std::map<uint32_t, TImage> pictures;
    for (const auto& c : cuts) {
        SCOPED_TRACE(testing::Message() << "texel alpha " << c.texel << " drawn at " << c.alpha);
        TImage& picture = pictures[c.texel];
        if (!picture) picture = FilledImage(10, 10, c.texel << 24 | 0xC83200u);
        SetAlpha(c.alpha);
        TRgb got = DrawOverGrey(picture, BLEND_MASK, grey);
        if (c.drawn) ExpectNear(got, sr, sg, sb, 2, "mask drawn");
        else ExpectNear(got, grey, grey, grey, 0, "mask skipped");
    }
    SetAlpha(1.0f);
    ExpectNear(DrawOverGrey(pictures[0x7F], BLEND_SOLID, grey), sr, sg, sb, 2, "solid ignores alpha");
    for (auto& [texel, picture] : pictures) FreeImage(picture);
}

TEST_F(Drawing, OutOfRangeAlphaClampsAndEmptyDrawingsShowNothing) {
    const int grey = 40;
    TImage image = FilledImage(10, 10, 0xFFC864F0u);   // opaque 200,100,240
    // Out-of-range alpha draws as if clamped.
    SetAlpha(3.0f);
    ExpectNear(DrawOverGrey(image, BLEND_ALPHA, grey), 200, 100, 240, 2, "alpha above one");
    SetAlpha(-1.0f);
    ExpectNear(DrawOverGrey(image, BLEND_ALPHA, grey), grey, grey, grey, 1, "alpha below zero");
    // Empty pictures, missing frames and a zero scale draw nothing.
    SetAlpha(1.0f);
    SetClearColor(10, 20, 30);
    Cls();
    SetBlend(BLEND_SOLID);
    PaintImage(nullptr, 100, 100, 0);
    PaintImage(image, 100, 100, 1);
    PaintImage(image, 100, 100, -1);
    SetDrawScale(0, 1);
    PaintImage(image, 100, 100, 0);
    ReadScreen();
    ExpectNear(At(104, 104), 10, 20, 30, 0, "nothing drawn");
    FreeImage(image);
}

// Every screen pixel whose centre maps clearly inside one block (by the
// inverse of the paint transform) must show that block's colour, and every
// pixel clearly outside the frame the clear colour. "Clearly" is 1.5 screen
// pixels, or `edgeTexels` of the picture when that is given.
static void CheckTransform(float x, float y, float hx, float hy, float sx, float sy, float degrees,
                           double edgeTexels = 0.0, int size = 20) {
    SCOPED_TRACE(testing::Message() << "at " << x << "," << y << " handle " << hx << "," << hy << " scale " << sx
                                    << "," << sy << " rot " << degrees << " size " << size);
    TImage image = QuadrantImage(size);
    const double half = size / 2;
    SetImageFiltered(image, 0);   // nearest sampling: block edges stay sharp
    SetImageAnchor(image, hx, hy);
    Cls();
    SetBlend(BLEND_SOLID);
    SetDrawScale(sx, sy);
    SetDrawRotation(degrees);
    PaintImage(image, x, y, 0);
    ResetState();
    ReadScreen();
    const double r = degrees * 3.14159265358979 / 180.0, c = std::cos(r), s = std::sin(r);
    const double margin = edgeTexels > 0.0 ? edgeTexels : 1.5 / std::min(std::fabs(sx), std::fabs(sy));
    int checkedInside = 0, checkedOutside = 0, wrong = 0;
    for (int py = 0; py < 768; py++) {
        for (int px = 0; px < 1024; px++) {
            const double dx = px + 0.5 - x, dy = py + 0.5 - y;
            const double u = (dx * c + dy * s) / sx + hx, v = (-dx * s + dy * c) / sy + hy;
            const int inside = u > margin && v > margin && u < size - margin && v < size - margin &&
                               std::fabs(u - half) > margin && std::fabs(v - half) > margin;
            const int outside = u < -margin || v < -margin || u > size + margin || v > size + margin;
            uint32_t want = 0, got = screen[static_cast<size_t>(py) * 1024 + px] & 0xFFFFFFu;
            if (inside) {
                checkedInside++;
                want = QUADRANT[static_cast<int>(v / half) * 2 + static_cast<int>(u / half)] & 0xFFFFFFu;
            } else if (!outside || checkedOutside++ >= 200000) {
                continue;
            }
            if (!SameColour(got, want) && wrong++ < 5)
                ADD_FAILURE() << "at " << px << "," << py << " u,v " << u << "," << v << " got " << std::hex << got
                              << " want " << want << std::dec;
        }
    }
    EXPECT_GT(checkedInside, 20);
    EXPECT_EQ(wrong, 0);
    FreeImage(image);
}

// Placement at the handle, scaling, clockwise rotation and mirroring by a
// negative scale, all around the handle.
TEST_F(Drawing, PaintTransformsAroundTheHandle) {
    CheckTransform(300, 200, 10, 10, 1, 1, 0);
    CheckTransform(512, 384, 5, 15, 3, 2, 0);
    CheckTransform(400, 300, 10, 10, 4, 4, 90);
    CheckTransform(600, 400, 20, 5, 2.5f, 4, -135);
    CheckTransform(400, 300, 15, 2, -3, -5, 0);
    CheckTransform(500, 300, 4, 12, -4, 3, 60);
    // Large turned pictures take the software renderer's triangle path, which
    // places its corners on whole pixels and samples within a texel.
    CheckTransform(512, 384, 10, 10, 12, 12, 30, 1.0);
    CheckTransform(480, 400, 4, 12, -10, 9, -70, 1.0);
    // Scaled across the screen's edges, and mirrored: clipped to the screen
    // before they are drawn, as are big mirrored pictures' mirrored copies.
    CheckTransform(1010, 740, 10, 10, 3, 30, 0);
    CheckTransform(10, 20, 15, 15, -2, 40, 0);
    CheckTransform(900, 100, 150, 40, -1, 1, 0, 0.0, 200);
    CheckTransform(100, 700, 20, 150, -1, 1, 0, 0.0, 200);
}

TEST_F(Drawing, ViewportClipsDrawingAndCls) {
    Cls();
    SetViewport(100, 120, 50, 40);
    SetClearColor(0, 0, 255);
    Cls();
    TImage image = FilledImage(300, 300, 0xFFFF0000u);
    SetBlend(BLEND_SOLID);
    PaintImage(image, 120, 130, 0);
    ReadScreen();
    ExpectNear(At(100, 120), 0, 0, 255, 0, "viewport corner cleared");
    ExpectNear(At(119, 129), 0, 0, 255, 0, "cleared, not drawn");
    ExpectNear(At(149, 159), 255, 0, 0, 0, "drawn inside");
    ExpectNear(At(150, 159), 0, 0, 0, 0, "right of viewport");
    ExpectNear(At(149, 160), 0, 0, 0, 0, "below viewport");
    ExpectNear(At(99, 130), 0, 0, 0, 0, "left of viewport");
    FreeImage(image);
}

// A scene of everything the game draws with: a full-screen picture over a
// clear, blend modes, scale, rotation, mirroring and a viewport.
static void DrawKnownScene(TImage back, TImage sprite, TImage light, TImage ramp) {
    ResetState();
    SetClearColor(30, 60, 90);
    Cls();
    SetBlend(BLEND_SOLID);
    SetColor(200, 255, 220);
    PaintImage(back, 0, 0, 0);
    SetColor(255, 255, 255);
    const int MODES[] = {BLEND_MASK, BLEND_ALPHA, BLEND_LIGHT, BLEND_SHADE};
    for (int m = 0; m < 4; m++) {
        SetBlend(MODES[m]);
        SetAlpha(m == 1 ? 0.6f : 1.0f);
        SetDrawScale(m == 2 ? -3.0f : 3.0f, 3.0f);
        SetDrawRotation(m * 30.0f);
        PaintImage(sprite, 200.0f + m * 200, 300, 0);
    }
    // Faint, stretched lights: only the texels strong enough to show count.
    SetBlend(BLEND_LIGHT);
    SetDrawRotation(0.0f);
    SetDrawScale(2.0f, 20.0f);
    for (int n = 0; n < 4; n++) {
        SetAlpha(0.05f + n * 0.3f);
        PaintImage(light, 120.0f + n * 60, 150, 0);
    }
    // Larger and smaller than they are, the smallest so small that its pixels
    // skip texels; whole sizes, which SDL keeps exactly.
    const float SCALES[] = {1.6f, 1.15f, 0.75f, 0.3f};
    for (int n = 0; n < 4; n++) {
        SetAlpha(0.2f + n * 0.25f);
        SetDrawScale(SCALES[n], SCALES[n]);
        PaintImage(ramp, 460.0f + n * 60, 600, 0);
    }
    ResetState();
    SetViewport(100, 550, 300, 100);
    SetClearColor(250, 10, 10);
    Cls();
    ResetState();
}

// The game's rasteriser, on the logical screen and drawn straight into windows
// of three sizes, reads back the scene as SDL's software renderer draws it
// through its logical screen texture, wherever the picture does not change
// within two pixels (edges fall on other pixels when the window is smaller).
TEST_F(Drawing, TheWindowPathShowsWhatTheScreenTextureShows) {
    TImage back = Made(1024, 768, [](int x, int y) {
        return 0xFF000000u | ((x / 64) * 16u << 16) | ((y / 64) * 20u << 8) | 0x40u;
    });
    TImage sprite = QuadrantImage();
    for (int y = 0; y < 20; y++) SetImagePixel(sprite, 0, 19, y, 0x40FFFFFFu);   // a soft edge
    SetImageFiltered(sprite, 0);
    // A filtered light fading from its centre, clear at its corners.
    TImage light = Made(20, 20, [](int x, int y) {
        const int fall = std::max(0, 255 - 13 * (std::abs(2 * x - 19) + std::abs(2 * y - 19)));
        return (static_cast<uint32_t>(fall) << 24) | 0xFFC080u;
    });
    // A light clear at its edges whose colour runs across and down, read
    // wrongly by a lerp the wrong way round.
    TImage ramp = Made(20, 20, [](int x, int y) {
        const uint32_t alpha = static_cast<uint32_t>(x * (19 - x) * y * (19 - y) * 255 / 8145);
        return (alpha << 24) | (y * 12u << 16) | ((255u - x * 12u) << 8) | 0x80u;
    });
    struct TRestore {
        ~TRestore() {
            SetScreenPath(SCREEN_PATH_AUTO);
            SetSoftwareDrawing(SOFTWARE_DRAWING_OWN);
            OpenDisplay(800, 600, 0, 60);
            SetLogicalResolution(1024, 768);
        }
    } restore;
    SetSoftwareDrawing(SOFTWARE_DRAWING_SDL);
    SetScreenPath(SCREEN_PATH_TARGET);
    ASSERT_TRUE(OpenDisplay(800, 600, 0, 60));
    SetLogicalResolution(1024, 768);
    ASSERT_EQ(RendererName(), "software");
    DrawKnownScene(back, sprite, light, ramp);
    ReadScreen();
    const std::vector<uint32_t> expected = screen;

    SetSoftwareDrawing(SOFTWARE_DRAWING_OWN);
    const int SIZES[][3] = {{800, 600, SCREEN_PATH_TARGET}, {1024, 768, SCREEN_PATH_WINDOW},
                            {800, 600, SCREEN_PATH_WINDOW}, {1000, 600, SCREEN_PATH_WINDOW}};
    for (const auto& size : SIZES) {
        SCOPED_TRACE(testing::Message() << "window " << size[0] << " x " << size[1] << " path " << size[2]);
        SetScreenPath(size[2]);
        ASSERT_TRUE(OpenDisplay(size[0], size[1], 0, 60));
        SetLogicalResolution(1024, 768);
        ASSERT_EQ(ScreenPath(), size[2]);
        ASSERT_NE(RendererName(), "software");
        DrawKnownScene(back, sprite, light, ramp);
        ReadScreen();
        int compared = 0, wrong = 0;
        for (int y = 2; y < 766; y++) {
            for (int x = 2; x < 1022; x++) {
                const uint32_t want = expected[static_cast<size_t>(y) * 1024 + x];
                int flat = 1;
                for (int dy = -2; dy <= 2 && flat; dy++)
                    for (int dx = -2; dx <= 2 && flat; dx++) flat = expected[static_cast<size_t>(y + dy) * 1024 + x + dx] == want;
                if (!flat) continue;
                compared++;
                if (!SameColour(screen[static_cast<size_t>(y) * 1024 + x], want) && wrong++ < 5)
                    ADD_FAILURE() << "at " << x << "," << y << " got " << At(x, y).r << "," << At(x, y).g << ","
                                  << At(x, y).b << " want " << std::hex << want << std::dec;
            }
        }
        EXPECT_GT(compared, 1024 * 768 / 2);
        EXPECT_EQ(wrong, 0);
        if (size[2] != SCREEN_PATH_TARGET) continue;
        // On the logical screen the faint lights match pixel for pixel, their
        // soft falls included, within what filtering rounds differently; the
        // scaled ramps within a step more, SDL placing their samples a little
        // otherwise.
        EXPECT_LE(MostDifference(screen, expected, 110, 140, 370, 560), 3);
        EXPECT_LE(MostDifference(screen, expected, 440, 590, 720, 640), 4);
    }
    for (TImage image : {back, sprite, light, ramp}) FreeImage(image);
}

// A picture kept as resampled copies draws, on whole pixels, what drawing it
// directly there draws: scaled, turned, mirrored, blended or added, tinted,
// faint; a copy is never drawn again once the picture's pixels change; and
// past the copies' table and budget every drawing is still right.
TEST_F(Drawing, ResampledCopiesDrawWhatTheDrawingDraws) {
    auto light = [] {
        TImage image = Made(21, 17, [](int x, int y) {
            const int fall = std::max(0, 255 - 12 * (std::abs(2 * x - 20) + std::abs(2 * y - 16)));
            return (static_cast<uint32_t>(fall) << 24) | (x * 12u << 16) | (y * 15u << 8) | 0x40u;
        });
        CentreImageHandle(image);
        return image;
    };
    TImage direct = light(), kept = light();
    KeepResampledCopies(kept);
    auto drawn = [&](TImage image, float x, float y) {
        SetClearColor(90, 60, 30);
        Cls();
        PaintImage(image, x, y, 0);
        ReadScreen();
        return screen;
    };
    const struct {
        float sx, sy, turn, alpha;
        int blend, tint;
    } CASES[] = {{2.3f, 2.3f, 0, 0.6f, BLEND_LIGHT, 0},  {0.45f, 0.45f, 0, 1.0f, BLEND_ALPHA, 0},
                 {1.4f, 1.4f, 70, 0.9f, BLEND_LIGHT, 0}, {-1.7f, 0.8f, 200, 1.0f, BLEND_ALPHA, 1},
                 {3.0f, 5.0f, 33, 0.05f, BLEND_LIGHT, 1}, {0.3f, 7.0f, 0, 0.5f, BLEND_ALPHA, 0}};
    for (const auto& c : CASES) {
        SCOPED_TRACE(testing::Message() << "scale " << c.sx << " x " << c.sy << ", turn " << c.turn << ", blend "
                                        << c.blend);
        SetDrawScale(c.sx, c.sy);
        SetDrawRotation(c.turn);
        SetBlend(c.blend);
        SetAlpha(c.alpha);
        SetColor(255, c.tint ? 120 : 255, c.tint ? 200 : 255);
        const std::vector<uint32_t> want = drawn(direct, 500, 300);
        EXPECT_LE(MostDifference(drawn(kept, 500, 300), want), 1);
        EXPECT_EQ(drawn(kept, 500, 300), drawn(kept, 500, 300));   // from the copy made before
        // Between whole pixels the copy lands on the nearest.
        EXPECT_EQ(drawn(kept, 500.4f, 299.6f), drawn(kept, 500, 300));
    }
    // The pixels change: the copy made before is not drawn again.
    ResetState();
    SetDrawScale(2.3f, 2.3f);
    SetBlend(BLEND_ALPHA);
    const std::vector<uint32_t> before = drawn(kept, 500, 300);
    SetImagePixel(direct, 0, 10, 8, 0xFF00FF00u);
    SetImagePixel(kept, 0, 10, 8, 0xFF00FF00u);
    const std::vector<uint32_t> changed = drawn(direct, 500, 300);
    ASSERT_GT(MostDifference(before, changed), 50);
    EXPECT_LE(MostDifference(drawn(kept, 500, 300), changed), 1);
    // More scales than the table holds: the oldest copies give way.
    for (int n = 0; n < 1100; n++) {
        SetDrawScale(0.5f + n * 0.01f, 0.5f + n * 0.01f);
        PaintImage(kept, 500, 300, 0);
    }
    SetDrawScale(3.0f, 5.0f);
    SetDrawRotation(33);
    EXPECT_LE(MostDifference(drawn(kept, 500, 300), drawn(direct, 500, 300)), 1);
    FreeImage(direct);
    FreeImage(kept);
}

// A faint light skips the texels too weak to show and, turned, the corners
// of its box: over many maps, turned, mirrored, stretched and shrunk, at
// every strength, it changes each pixel exactly as drawing every texel does.
TEST(Rasteriser, AFaintDrawingSkipsOnlyWhatCannotShow) {
    const int SIDE = 23;
    std::vector<uint32_t> texels(SIDE * SIDE);
    for (int y = 0; y < SIDE; y++) {
        for (int x = 0; x < SIDE; x++) {
            // A round fall off centre, and hard diagonal lines apart from it
            // that bound what shows along the diagonals.
            const double dx = x - 9.3, dy = y - 12.6, fall = 1.0 - std::sqrt(dx * dx + dy * dy) / 10.0;
            uint32_t alpha = fall > 0.0 ? static_cast<uint32_t>(255.0 * fall * fall) : 0u;
            if (x + y == 6 || x + y == 38 || x - y == -19 || x - y == 18) alpha = 255;
            texels[static_cast<size_t>(y) * SIDE + x] = (alpha << 24) | (x * 11u << 16) | (y * 11u << 8) | 0x60u;
        }
    }
    std::vector<uint16_t> reach(ReachSize(SIDE));
    TRasterPicture picture{texels.data(), SIDE, SIDE, SIDE, 1, 0, nullptr};
    RasterRowReach(picture, reach.data());
    const int W = 160, H = 120;
    std::vector<uint32_t> skipping(W * H), whole(W * H);
    std::srand(7);
    for (int n = 0; n < 600; n++) {
        for (int i = 0; i < W * H; i++) skipping[i] = whole[i] = 0xFF000000u | static_cast<uint32_t>(i * 2654435761u >> 8);
        const double turn = (n % 3 == 0) ? 0.0 : std::rand() % 360 * 3.14159265 / 180.0;
        const double sx = (0.2 + std::rand() % 100 * 0.05) * (n % 5 == 0 ? -1 : 1), sy = 0.2 + std::rand() % 100 * 0.05;
        const double m[6] = {sx * std::cos(turn), -sy * std::sin(turn), 20.0 + std::rand() % 120,
                             sx * std::sin(turn), sy * std::cos(turn),  20.0 + std::rand() % 80};
        TRasterPaint paint;
        paint.blend = n % 2 ? BLEND_LIGHT : BLEND_ALPHA;
        paint.alpha = 1 + std::rand() % 255;
        picture.filtered = n % 4 != 3;
        TRasterFrame a{skipping.data(), W, H, 0, 0, W, H}, b{whole.data(), W, H, 0, 0, W, H};
        picture.reach = reach.data();
        RasterMap(a, picture, m, paint);
        picture.reach = nullptr;
        RasterMap(b, picture, m, paint);
        ASSERT_EQ(skipping, whole) << "drawing " << n << ": alpha " << paint.alpha << ", turned " << turn << ", scale "
                                   << sx << " x " << sy << ", filtered " << picture.filtered;
    }
}

// Where the processor has AVX2 the loops take eight pixels at a time: over
// every blend mode, tinted or not, copied, mirrored, scaled and turned,
// filtered or not, up to the last pixel of the frame, they draw what the
// four-pixel loops draw.
TEST(Rasteriser, TheEightPixelLoopsDrawWhatTheFourPixelLoopsDo) {
    RasterChooseWideLoops(1);
    if (!RasterWideLoops()) GTEST_SKIP() << "this processor has no AVX2";
    struct TRestore {
        ~TRestore() { RasterChooseWideLoops(-1); }
    } restore;
    const int PW = 29, PH = 17;
    std::vector<uint32_t> texels(PW * PH);
    std::srand(11);
    for (int i = 0; i < PW * PH; i++) {
        // Solid rows, clear rows, strong rows, and the rest anything.
        uint32_t alpha = std::rand() % 3 == 0 ? (std::rand() % 2) * 255u : static_cast<uint32_t>(std::rand() % 256);
        if (i / PW < 6) alpha = i / PW < 3 ? 255u : 0u;
        else if (i / PW < 9) alpha = 128u + static_cast<uint32_t>(std::rand() % 127);
        texels[i] = (alpha << 24) | static_cast<uint32_t>(std::rand() % 0x1000000);
    }
    std::vector<uint16_t> reach(ReachSize(PH));
    TRasterPicture picture{texels.data(), PW, PW, PH, 1, 0, nullptr};
    RasterRowReach(picture, reach.data());
    const int W = 131, H = 67;
    std::vector<uint32_t> eight(W * H), four(W * H);
    for (int i = 0; i < W * H; i++) eight[i] = four[i] = 0xFF000000u | static_cast<uint32_t>(i * 2654435761u >> 8);
    const int MODES[] = {BLEND_MASK, BLEND_SOLID, BLEND_ALPHA, BLEND_LIGHT, BLEND_SHADE};
    for (int n = 0; n < 800; n++) {
        TRasterPaint paint;
        paint.blend = MODES[n % 5];
        paint.alpha = n % 7 < 2 ? 255 : std::rand() % 256;
        paint.maskCut = std::rand() % 257;
        if (n % 3 == 0) {
            paint.red = std::rand() % 256;
            paint.green = std::rand() % 256;
            paint.blue = std::rand() % 256;
        }
        picture.filtered = std::rand() % 4 != 0;
        picture.reach = std::rand() % 2 ? reach.data() : nullptr;
        const int x = std::rand() % (W + 20) - 20, y = std::rand() % (H + 10) - 10;
        // Copied, scaled, turned, scaled very small, and stretched into a
        // streak, thin and taller than the frame.
        const int kind = n % 8 == 7 ? 4 : n % 4;
        const double turn = kind == 2 ? std::rand() % 360 * 3.14159265 / 180.0 : 0.0;
        const double sx = (kind >= 3 ? 0.15 + std::rand() % 20 * 0.01 : 0.3 + std::rand() % 40 * 0.1) *
                          (std::rand() % 3 == 0 ? -1 : 1);
        const double sy = kind == 3 ? 0.2 : kind == 4 ? 5.0 + std::rand() % 90 : 0.3 + std::rand() % 30 * 0.1;
        const double m[6] = {sx * std::cos(turn), -sy * std::sin(turn), static_cast<double>(x),
                             sx * std::sin(turn), sy * std::cos(turn),  static_cast<double>(y)};
        const int mirrorX = std::rand() % 2, mirrorY = std::rand() % 2;
        for (int wide = 1; wide >= 0; wide--) {
            RasterChooseWideLoops(wide);
            TRasterFrame frame{wide ? eight.data() : four.data(), W, H, 0, 0, W, H};
            if (kind == 0) RasterCopy(frame, picture, x, y, mirrorX, mirrorY, paint);
            else RasterMap(frame, picture, m, paint);
        }
        // The frame's alpha is never read (solid copies leave the picture's).
        for (int i = 0; i < W * H; i++) {
            eight[i] |= 0xFF000000u;
            four[i] |= 0xFF000000u;
        }
        ASSERT_EQ(eight, four) << "drawing " << n << ": blend " << paint.blend << ", kind " << kind << ", filtered "
                               << picture.filtered << ", at " << x << "," << y;
    }
}
