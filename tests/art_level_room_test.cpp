// The generated pictures keep to the room the level layouts leave them. Every
// level is checked against the boxes of the layout geometry; here the ink of
// the status bar, the fish and their order bubbles is measured where the game
// screen draws it, at the fullest breath of a waiting fish, so the art and the
// levels cannot drift apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "art_support.h"
#include "tools/levelc/level_geometry.h"

namespace {

// Ink bounds of a picture in its own pixels; right and bottom exclusive.
struct TInk {
    int left = 0, top = 0, right = 0, bottom = 0;
    int found = 0;
};

// Screen extent of a picture's ink, right and bottom exclusive.
struct TSpan {
    double left = 0, top = 0, right = 0, bottom = 0;
};

const double DEGREE = 3.14159265358979323846 / 180.0;
// A waiting fish and its bubble breathe by 2 % about their size: they are
// drawn at (1 + 0.02 sin, 1 + 0.02 cos) of a phase that runs with their age.
const double BREATH = 0.02;

TArtPicture LoadArt(const std::string& name) {
    TArtPicture p;
    EXPECT_TRUE(ReadArtPng(ArtRunDir() + name, p)) << name;
    return p;
}

TInk InkOf(const TArtPicture& p) {
    TInk ink;
    ink.left = p.width;
    ink.top = p.height;
    for (int y = 0; y < p.height; y++)
        for (int x = 0; x < p.width; x++) {
            if (p.AlphaAt(x, y) == 0) continue;
            ink.found = 1;
            ink.left = std::min(ink.left, x);
            ink.top = std::min(ink.top, y);
            ink.right = std::max(ink.right, x + 1);
            ink.bottom = std::max(ink.bottom, y + 1);
        }
    return ink;
}

// The ink of a picture with a centred handle drawn at (x, y) with scale (sx, sy).
TSpan PlacedInk(const TArtPicture& p, const TInk& ink, double x, double y, double sx, double sy) {
    double x0 = x + (ink.left - p.width * 0.5) * sx, x1 = x + (ink.right - p.width * 0.5) * sx;
    double y0 = y + (ink.top - p.height * 0.5) * sy, y1 = y + (ink.bottom - p.height * 0.5) * sy;
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
}

// The widest the picture reaches around a fish's place over a whole breath,
// a bob up and down and (for the fish itself) both facing directions.
TSpan WidestAroundFish(const TArtPicture& p, double x, double y, int mirrored) {
    TInk ink = InkOf(p);
    TSpan widest{1e9, 1e9, -1e9, -1e9};
    for (int phase = 0; phase < 360; phase += 3)
        for (int bob = -FISH_BOB; bob <= FISH_BOB; bob += 2 * FISH_BOB)
            for (int face = 1; face >= (mirrored ? -1 : 1); face -= 2) {
                double sx = face * (1 + BREATH * std::sin(phase * DEGREE));
                double sy = 1 + BREATH * std::cos(phase * DEGREE);
                TSpan s = PlacedInk(p, ink, x, y + bob, sx, sy);
                widest.left = std::min(widest.left, s.left);
                widest.top = std::min(widest.top, s.top);
                widest.right = std::max(widest.right, s.right);
                widest.bottom = std::max(widest.bottom, s.bottom);
            }
    return widest;
}

void ExpectSpanInBox(const TSpan& s, const TBox& box, const std::string& what) {
    EXPECT_TRUE(s.left >= box.left && s.right <= box.right && s.top >= box.top && s.bottom <= box.bottom)
        << what << " reaches " << s.left << ".." << s.right << " x " << s.top << ".." << s.bottom << ", the room is "
        << box.left << ".." << box.right << " x " << box.top << ".." << box.bottom;
}

// A fish place in the middle of the screen; the room is measured relative to it.
const int PLACE_ROW = 8, PLACE_COLUMN = 10;

// The order size each fish kind waits with.
int OrderSizeOfKind(int kind) {
    if (kind == 1 || kind == 2) return 2;
    if (kind == 3 || kind == 4) return 3;
    return 1;
}

// The icon angles of an order of n items with k of them still open.
std::vector<double> IconAngles(int n, int k) {
    if (k == 1) return {90};
    if (k == 2 && n == 2) return {(double)ICON_FIRST_ANGLE[2], (double)ICON_LAST_ANGLE[2]};
    if (k == 2) return {76, 104};
    return {(double)ICON_FIRST_ANGLE[3], 90, (double)ICON_LAST_ANGLE[3]};
}

// Counts the ink pixels of the icon picture, drawn centred at (ix, iy) of the
// bubble's frame (the bubble's centre at 0, 0) with the given scale, that fall
// where the bubble has no ink.
int IconInkOutsideBubble(const TArtPicture& bubble, const TArtPicture& icon, double ix, double iy, double scale) {
    int outside = 0;
    for (int y = 0; y < icon.height; y++)
        for (int x = 0; x < icon.width; x++) {
            if (icon.AlphaAt(x, y) == 0) continue;
            double bx = bubble.width * 0.5 + ix + (x + 0.5 - icon.width * 0.5) * scale;
            double by = bubble.height * 0.5 + iy + (y + 0.5 - icon.height * 0.5) * scale;
            int px = (int)std::floor(bx), py = (int)std::floor(by);
            if (px < 0 || py < 0 || px >= bubble.width || py >= bubble.height || bubble.AlphaAt(px, py) == 0)
                outside++;
        }
    return outside;
}

}  // namespace

TEST(ArtLevelRoom, TopStatusBarInkEndsAboveTheBoard) {
    TArtPicture bar = LoadArt("data/match3/m3uiup.png");
    TInk ink = InkOf(bar);
    ASSERT_TRUE(ink.found);
    TSpan s = PlacedInk(bar, ink, 512, 44, 1, 1);     // centred at (512, 44)
    EXPECT_LE(s.bottom, TOP_BAR_BOTTOM) << "the top status bar reaches down to screen row " << s.bottom - 1;
    // it still spans the screen's width and starts at its top edge
    EXPECT_LE(s.left, 0);
    EXPECT_GE(s.right, SCREEN_W);
    EXPECT_LE(s.top, 0);
}

TEST(ArtLevelRoom, FishAndTheirOrderBubblesStayWithinTheirRoom) {
    const double x = CellCentreX(PLACE_COLUMN), y = CellCentreY(PLACE_ROW);
    for (int kind : {1, 2, 3, 4, 7, 8, 13, 14, 15, 16})
        for (int frame = 1; frame <= 4; frame++) {
            std::string name = "data/fishes/f" + std::to_string(kind) + std::to_string(frame) + ".png";
            ExpectSpanInBox(WidestAroundFish(LoadArt(name), x, y, 1), FishBox(PLACE_ROW, PLACE_COLUMN, OrderSizeOfKind(kind)), name);
        }
    for (int n = 1; n <= 3; n++) {
        std::string name = "data/fishes/orderbubble" + std::to_string(n) + ".png";
        ExpectSpanInBox(WidestAroundFish(LoadArt(name), x, y, 0), FishBox(PLACE_ROW, PLACE_COLUMN, n), name);
    }
}

TEST(ArtLevelRoom, OrderBubblesHoldTheirIconsAtEveryWobble) {
    TArtPicture iconBubble = LoadArt("data/fishes/pofbubble.png");
    ASSERT_GT(iconBubble.width, 0);
    TArtPicture item = LoadArt("data/match3/item1-1.png");     // the item pictures share one outline
    for (int n = 1; n <= 3; n++) {
        TArtPicture bubble = LoadArt("data/fishes/orderbubble" + std::to_string(n) + ".png");
        ASSERT_GT(bubble.width, 0) << n;
        for (int open = 1; open <= n; open++)
            for (double base : IconAngles(n, open))
                for (int wobble = -ICON_WOBBLE; wobble <= ICON_WOBBLE; wobble++) {
                    double a = (base + wobble) * DEGREE;
                    double ix = std::cos(a) * ICON_RING[n], iy = std::sin(a) * ICON_RING[n];
                    EXPECT_EQ(IconInkOutsideBubble(bubble, iconBubble, ix, iy, 1.0), 0)
                        << "order of " << n << ": the icon bubble at " << base + wobble << " degrees leaves the bubble";
                    EXPECT_EQ(IconInkOutsideBubble(bubble, item, ix, iy + ICON_ITEM_DROP, 0.8), 0)
                        << "order of " << n << ": an item at " << base + wobble << " degrees leaves the bubble";
                }
    }
}
