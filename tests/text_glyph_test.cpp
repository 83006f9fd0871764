// The glyph tables of the four fonts, text widths and the minutes:seconds format.
#include <gtest/gtest.h>

#include <string>

#include "tables/text_tables.h"
#include "text/text.h"
#include "text/text_internal.h"

namespace {

const int GAME_FONTS[] = {FONT_NORMAL, FONT_HIGHLIGHT, FONT_HEAD, FONT_TEXT};

class GlyphTables : public ::testing::Test {
protected:
    void SetUp() override { BuildAllGlyphTables(); }
};

TEST_F(GlyphTables, CodesFrom1500OnAndFontsWithoutPicturesHaveNoGlyphs) {
    for (int font : GAME_FONTS) {
        EXPECT_EQ(GlyphAdvance(0x20AC, font), 0) << "the euro sign sits above 1500";
        EXPECT_EQ(GlyphAdvance(1500, font), 0);
        EXPECT_EQ(GlyphAdvance(-3, font), 0);
    }
    for (int font : {0, 3, 5, 6}) {
        EXPECT_EQ(TextPixelWidth(std::string("Glimmerdeep"), font), 0) << "font " << font;
        EXPECT_EQ(glyphCell[font]['A'], 0);
    }
    EXPECT_EQ(GlyphAdvance('A', 8), 0);
    EXPECT_EQ(GlyphAdvance('A', -1), 0);
}

TEST_F(GlyphTables, MissingCharacterTakesNoRoomAndLatin1AndCyrillicAreMeasured) {
    std::string latin1 = "K\xE4se";   // a with diaeresis as one byte
    for (int font : GAME_FONTS) {
        EXPECT_EQ(GlyphAdvance(0x0100, font), 0);
        EXPECT_EQ(TextPixelWidth(u"A\u0100B", font), TextPixelWidth(u"AB", font));
        EXPECT_GT(GlyphAdvance(0xE4, font), 0);
        EXPECT_EQ(TextPixelWidth(latin1, font), TextPixelWidth(u"K\u00E4se", font));
        EXPECT_GT(GlyphAdvance(0x0416, font), 0) << "typed names may be Cyrillic";
        EXPECT_GT(GlyphAdvance(0x044F, font), 0);
    }
}

TEST(MinutesSeconds, TwoDigitsEachAndHoursDropped) {
    const struct { int seconds; const char* text; } cases[] = {
        {0, "00:00"}, {59, "00:59"}, {61, "01:01"}, {3600, "00:00"}, {3661, "01:01"}, {1000000, "46:40"}};
    for (const auto& c : cases) EXPECT_EQ(FormatMinutesSeconds(c.seconds), c.text) << c.seconds;
}

}  // namespace
