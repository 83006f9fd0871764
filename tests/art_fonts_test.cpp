// The font strips against the glyph lists: every character is drawn inside
// its own cell, within its width, and empty cells stay empty.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "art_support.h"
#include "text/glyph_lists.h"

namespace {

struct TFontCase {
    const char* file;
    int cellWidth, cellHeight, reduction;
    const TGlyphListEntry* list;
    int count;
};

const TFontCase FONT_CASES[] = {
    {"data/texts/fnormal.png", 20, 33, 1, BODY_GLYPH_LIST, BODY_GLYPH_COUNT},
    {"data/texts/fhighlight.png", 20, 33, 1, BODY_GLYPH_LIST, BODY_GLYPH_COUNT},
    {"data/texts/ftext.png", 20, 33, 3, BODY_GLYPH_LIST, BODY_GLYPH_COUNT},
    {"data/texts/fhead.png", 28, 28, 2, HEAD_GLYPH_LIST, HEAD_GLYPH_COUNT},
};

// Rightmost column (exclusive) with ink in a cell, 0 for an empty cell.
int InkRight(const TArtPicture& p, const TFontCase& f, int frame) {
    int x0 = (frame % 20) * f.cellWidth, y0 = (frame / 20) * f.cellHeight;
    int right = 0;
    for (int y = 0; y < f.cellHeight; y++)
        for (int x = 0; x < f.cellWidth; x++)
            if (p.AlphaAt(x0 + x, y0 + y) > 8) right = std::max(right, x + 1);
    return right;
}

}  // namespace

TEST(ArtFonts, EveryGlyphLiesInsideItsWidth) {
    for (const TFontCase& f : FONT_CASES) {
        TArtPicture p;
        ASSERT_TRUE(ReadArtPng(ArtRunDir() + f.file, p)) << f.file;
        ASSERT_EQ(p.width, f.cellWidth * 20);
        ASSERT_EQ(p.height, f.cellHeight * 13);
        for (int cell = 1; cell <= 260; cell++) {
            int right = InkRight(p, f, cell - 1);
            if (cell > f.count || f.list[cell - 1].code == 0 || f.list[cell - 1].code == ' ') {
                EXPECT_EQ(right, 0) << f.file << " cell " << cell << " should be empty";
                continue;
            }
            const TGlyphListEntry& e = f.list[cell - 1];
            int advance = e.width - f.reduction;
            EXPECT_GT(right, 0) << f.file << " cell " << cell << " (U+" << std::hex << e.code << ") has no glyph";
            // the fill stays in the advance; only the outline may reach one pixel past it
            EXPECT_LE(right, std::min(e.width, advance + 1)) << f.file << " cell " << cell;
        }
    }
}

TEST(ArtFonts, GlyphsReadOnLightAndDarkGrounds) {
    // a letter has both light fill and dark outline pixels
    for (const TFontCase& f : FONT_CASES) {
        TArtPicture p;
        ASSERT_TRUE(ReadArtPng(ArtRunDir() + f.file, p));
        int light = 0, dark = 0;
        for (int y = 0; y < f.cellHeight; y++)
            for (int x = 0; x < f.cellWidth; x++) {
                uint32_t v = p.At(x, y);   // cell 1: A
                if ((v >> 24) < 200) continue;
                int sum = ((v >> 16) & 255) + ((v >> 8) & 255) + (v & 255);
                light += sum > 500;
                dark += sum < 150;
            }
        EXPECT_GT(light, 8) << f.file;
        EXPECT_GT(dark, 8) << f.file;
    }
}
