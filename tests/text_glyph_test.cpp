// The glyph tables of the four fonts, text widths and the minutes:seconds format.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tables/text_tables.h"
#include "text/glyph_lists.h"
#include "text/text.h"
#include "text/text_internal.h"

namespace {

const int GAME_FONTS[] = {FONT_NORMAL, FONT_HIGHLIGHT, FONT_HEAD, FONT_TEXT};

class GlyphTables : public ::testing::Test {
protected:
    void SetUp() override { BuildAllGlyphTables(); }
};

// The last position of each code in a list: duplicates overwrite earlier ones.
std::map<int, int> LastPositions(const TGlyphListEntry* list, int count) {
    std::map<int, int> last;
    for (int p = 1; p <= count; p++)
        if (list[p - 1].code > 0 && list[p - 1].code < 1500) last[list[p - 1].code] = p;
    return last;
}

TEST_F(GlyphTables, EveryListEntryMapsToItsLastCellWithTheFontsReduction) {
    const std::map<int, int> body = LastPositions(BODY_GLYPH_LIST, BODY_GLYPH_COUNT);
    const std::map<int, int> head = LastPositions(HEAD_GLYPH_LIST, HEAD_GLYPH_COUNT);
    for (const auto& [code, p] : body) {
        int width = BODY_GLYPH_LIST[p - 1].width;
        EXPECT_EQ(glyphCell[FONT_NORMAL][code], p) << std::hex << code;
        EXPECT_EQ(glyphAdvance[FONT_NORMAL][code], width - 1) << std::hex << code;
        EXPECT_EQ(glyphAdvance[FONT_HIGHLIGHT][code], width - 1) << std::hex << code;
        EXPECT_EQ(glyphAdvance[FONT_TEXT][code], width - 3) << std::hex << code;
    }
    for (const auto& [code, p] : head) {
        EXPECT_EQ(glyphCell[FONT_HEAD][code], p) << std::hex << code;
        EXPECT_EQ(glyphAdvance[FONT_HEAD][code], HEAD_GLYPH_LIST[p - 1].width - 2) << std::hex << code;
    }
    // Nothing else has a glyph.
    int mapped = 0;
    for (int code = 0; code < GLYPH_CODES; code++) mapped += glyphCell[FONT_TEXT][code] > 0;
    EXPECT_EQ(mapped, static_cast<int>(body.size()));
}

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
    EXPECT_EQ(FormatMinutesSeconds(59), "00:59");
    EXPECT_EQ(FormatMinutesSeconds(61), "01:01");
    EXPECT_EQ(FormatMinutesSeconds(3661), "01:01");
    EXPECT_EQ(FormatMinutesSeconds(3600), "00:00");
    EXPECT_EQ(FormatMinutesSeconds(0), "00:00");
    EXPECT_EQ(FormatMinutesSeconds(1000000), "46:40");
}

}  // namespace
