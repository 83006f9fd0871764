// Drawing lines of text through the glyph queue: alignment, the 200 slots,
// unpainted cells, skipped glyphs, and the pixels that reach the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "tables/text_tables.h"
#include "tests/test_support.h"
#include "text/text.h"
#include "text/text_internal.h"

namespace {

struct TPainted { int font, cell; float x, y; };
std::vector<TPainted> painted;
void RecordGlyph(int font, int cell, float x, float y) { painted.push_back({font, cell, x, y}); }

const uint32_t INK = 0xFFFFFFFFu;

// A font picture whose every glyph is a solid block exactly as wide as its
// advance, so the screen shows where each glyph starts and ends.
TImage BlockFont(int font, int cellWidth, int cellHeight) {
    TImage image = MakeImage(cellWidth, cellHeight, FONT_CELLS);
    SetImageAnchor(image, 0.0f, 0.0f);
    for (int code = 0; code < GLYPH_CODES; code++) {
        int cell = glyphCell[font][code];
        int advance = glyphAdvance[font][code];
        if (cell <= 0) continue;
        for (int y = 0; y < cellHeight; y++)
            for (int x = 0; x < advance && x < cellWidth; x++) SetImagePixel(image, cell - 1, x, y, INK);
    }
    return image;
}

class GlyphDrawing : public ::testing::Test {
protected:
    TImage saved[FONT_SLOTS] = {};
    std::vector<uint32_t> screen;

    void SetUp() override {
        UseHeadlessPlatform();
        ASSERT_TRUE(DisplayIsOpen());
        BuildAllGlyphTables();
        ClearGlyphQueue();
        for (int f = 0; f < FONT_SLOTS; f++) saved[f] = fontImage[f];
        for (int f : {FONT_NORMAL, FONT_HIGHLIGHT, FONT_TEXT}) fontImage[f] = BlockFont(f, 20, 33);
        fontImage[FONT_HEAD] = BlockFont(FONT_HEAD, 28, 28);
        painted.clear();
        glyphPaintHook = RecordGlyph;
        SetColor(255, 255, 255);
        SetAlpha(1.0f);
        SetBlend(BLEND_ALPHA);
        SetDrawScale(1, 1);
        SetDrawRotation(0);
        SetViewport(0, 0, 1024, 768);
        SetClearColor(0, 0, 0);
        Cls();
    }
    void TearDown() override {
        glyphPaintHook = nullptr;
        for (int f = 0; f < FONT_SLOTS; f++) {
            if (fontImage[f] != saved[f]) FreeImage(fontImage[f]);
            fontImage[f] = saved[f];
        }
    }
    void ReadScreen() {
        int w = 0, h = 0;
        ASSERT_TRUE(ReadScreenPixels(screen, w, h));
        ASSERT_EQ(w, 1024);
        ASSERT_EQ(h, 768);
    }
    bool Lit(int x, int y) const {
        uint32_t p = screen[static_cast<size_t>(y) * 1024 + x];
        return ((p >> 16) & 255) > 128 && ((p >> 8) & 255) > 128 && (p & 255) > 128;
    }
    // Leftmost and rightmost lit columns of one screen row; -1 when dark.
    void LitSpan(int y, int& left, int& right) const {
        left = right = -1;
        for (int x = 0; x < 1024; x++) {
            if (!Lit(x, y)) continue;
            if (left < 0) left = x;
            right = x;
        }
    }
    bool QueueIsEmpty() const {
        for (int s = 1; s <= GLYPH_QUEUE_LAST; s++)
            if (glyphQueue[s].charCode != -1 || glyphQueue[s].font != 0) return false;
        return true;
    }
};

// Each alignment places the line's first glyph, and its lit pixels, from x:
// left at x, right ending at x, centred at x less half the width rounded
// down, truncated toward zero when that goes negative. Cells sit 4 pixels
// above y.
TEST_F(GlyphDrawing, AlignmentPlacesTheLineAroundX) {
    std::string odd;   // a short word of odd width in the heading font
    for (const char* word : {"Deep", "Moss", "Shell", "Fish", "Reef", "Coral", "Pearl"})
        if (odd.empty() && TextPixelWidth(std::string(word), FONT_HEAD) % 2 == 1) odd = word;
    ASSERT_FALSE(odd.empty());
    const int oddWidth = TextPixelWidth(odd, FONT_HEAD);
    const int glimmer = TextPixelWidth(std::string("Glimmer"), FONT_NORMAL);
    const struct {
        std::string text;
        int x, align, font, start;
    } cases[] = {
        {"Abc", 300, ALIGN_LEFT, FONT_NORMAL, 300},
        {"Pearls", 600, ALIGN_RIGHT, FONT_TEXT, 600 - TextPixelWidth(std::string("Pearls"), FONT_TEXT)},
        {odd, 512, ALIGN_CENTRE, FONT_HEAD, 512 - (oddWidth - 1) / 2},
        {"Glimmer", 7, ALIGN_CENTRE, FONT_NORMAL, 7 - glimmer / 2},
    };
    for (const auto& c : cases) {
        Cls();
        painted.clear();
        DrawGlyphText(c.text, c.x, 300.0f, c.align, c.font);
        ASSERT_EQ(painted.size(), c.text.size()) << c.text;
        EXPECT_FLOAT_EQ(painted[0].x, static_cast<float>(c.start)) << c.text;
        EXPECT_FLOAT_EQ(painted[0].y, 296.0f) << c.text;
        EXPECT_EQ(painted[1].cell, glyphCell[c.font][static_cast<unsigned char>(c.text[1])]) << c.text;
        if (c.start < 0) continue;   // the screen clips the rest
        ReadScreen();
        int left = 0, right = 0;
        LitSpan(310, left, right);
        EXPECT_EQ(left, c.start) << c.text;
        EXPECT_EQ(right, c.start + TextPixelWidth(c.text, c.font) - 1) << c.text;
        EXPECT_FALSE(Lit(c.start + 1, 295)) << c.text << ": nothing above the cell top";
        EXPECT_TRUE(Lit(c.start + 1, 296)) << c.text;
    }
}

TEST_F(GlyphDrawing, FirstCharacterAbove1500DrawsNothing) {
    DrawGlyphText(u"\u20ACAB", 300, 300.0f, ALIGN_LEFT, FONT_NORMAL);
    EXPECT_TRUE(painted.empty());
    EXPECT_TRUE(QueueIsEmpty());
    // The same characters after a drawable first one all show.
    DrawGlyphText(u"A\u20ACB", 300, 300.0f, ALIGN_LEFT, FONT_NORMAL);
    ASSERT_EQ(painted.size(), 2u);
    EXPECT_FLOAT_EQ(painted[1].x, 300.0f + GlyphAdvance('A', FONT_NORMAL));
}

TEST_F(GlyphDrawing, SpacesAndAtSignsMoveThePenWithoutPaintingAndMissingCharactersDoNeither) {
    DrawGlyphText(std::string("A @B"), 100, 300.0f, ALIGN_LEFT, FONT_HIGHLIGHT);
    ASSERT_EQ(painted.size(), 2u);
    EXPECT_FLOAT_EQ(painted[1].x, 100.0f + GlyphAdvance('A', FONT_HIGHLIGHT) + 6 + 29);
    EXPECT_EQ(painted[1].cell, glyphCell[FONT_HIGHLIGHT]['B']);
    painted.clear();
    DrawGlyphText(u"A\u0100B", 100, 300.0f, ALIGN_LEFT, FONT_NORMAL);
    ASSERT_EQ(painted.size(), 2u);
    EXPECT_FLOAT_EQ(painted[1].x, 100.0f + GlyphAdvance('A', FONT_NORMAL));
}

TEST_F(GlyphDrawing, LongTextShowsItsFirst199AndItsLastCharacter) {
    // 201 narrow letters with a different last one.
    std::string text(200, 'i');
    text.push_back('W');
    int step = GlyphAdvance('i', FONT_TEXT);
    ASSERT_GT(step, 0);
    DrawGlyphText(text, 0, 300.0f, ALIGN_LEFT, FONT_TEXT);
    ASSERT_EQ(painted.size(), 200u);
    for (int k = 0; k < 199; k++) {
        EXPECT_FLOAT_EQ(painted[k].x, static_cast<float>(k * step)) << k;
        EXPECT_EQ(painted[k].cell, glyphCell[FONT_TEXT]['i']);
    }
    EXPECT_FLOAT_EQ(painted[199].x, static_cast<float>(200 * step)) << "the last character at its own place";
    EXPECT_EQ(painted[199].cell, glyphCell[FONT_TEXT]['W']);
    EXPECT_EQ(glyphCursor, GLYPH_QUEUE_LAST);
    EXPECT_TRUE(QueueIsEmpty());
    // On the screen the 200th letter's place stays dark.
    ReadScreen();
    EXPECT_TRUE(Lit(198 * step, 310));
    EXPECT_FALSE(Lit(199 * step, 310));
    EXPECT_TRUE(Lit(200 * step, 310));
}

TEST_F(GlyphDrawing, GlyphsAtMinus40OrFurtherLeftAreSkipped) {
    int step = GlyphAdvance('A', FONT_NORMAL);
    ASSERT_EQ(step, 10);
    DrawGlyphText(std::string("AAAAAAAA"), -60, 300.0f, ALIGN_LEFT, FONT_NORMAL);
    // Pen positions -60, -50, -40 are skipped; -30 and the rest are painted.
    ASSERT_EQ(painted.size(), 5u);
    EXPECT_FLOAT_EQ(painted[0].x, -30.0f);
    EXPECT_FLOAT_EQ(painted[4].x, 10.0f);
    ReadScreen();
    int left = 0, right = 0;
    LitSpan(310, left, right);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 19);
}

TEST_F(GlyphDrawing, OtherAlignmentsEmptyTextsAndFontsWithoutPictureDrawNothing) {
    DrawGlyphText(std::string("Reef"), 300, 300.0f, 0, FONT_NORMAL);
    DrawGlyphText(std::string("Reef"), 300, 300.0f, 4, FONT_NORMAL);
    DrawGlyphText(std::string(), 300, 300.0f, ALIGN_CENTRE, FONT_NORMAL);
    EXPECT_TRUE(painted.empty());
    EXPECT_TRUE(QueueIsEmpty());
    DrawGlyphText(std::string("Shells"), 300, 300.0f, ALIGN_LEFT, FONT_NORMAL);
    EXPECT_TRUE(QueueIsEmpty()) << "every call leaves the queue empty";
    DrawGlyphText(std::string("Shells"), 300, 340.0f, ALIGN_LEFT, FONT_NORMAL);
    EXPECT_EQ(painted.size(), 12u) << "nothing of one call is carried into the next";
    // A font without its picture draws nothing but is still measured.
    painted.clear();
    FreeImage(fontImage[FONT_TEXT]);
    DrawGlyphText(std::string("Moss"), 300, 300.0f, ALIGN_LEFT, FONT_TEXT);
    EXPECT_TRUE(painted.empty());
    EXPECT_GT(TextPixelWidth(std::string("Moss"), FONT_TEXT), 0);
    DrawGlyphText(std::string("Moss"), 300, 300.0f, ALIGN_LEFT, 3);
    EXPECT_TRUE(painted.empty());
    EXPECT_TRUE(QueueIsEmpty());
}

}  // namespace
