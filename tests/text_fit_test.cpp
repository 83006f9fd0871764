// The texts with little room to spare fit their place in their font: button
// captions in their buttons, status labels in their columns, help lines
// beside the sketches of their page, story lines on the parchment.
// Rooms that are a picture's width are read from the generated pictures of
// the data folder; the layout numbers of each screen give the others.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tables/text_tables.h"
#include "tests/test_support.h"
#include "text/text.h"
#include "text/text_internal.h"
#include "text/text_table.h"

namespace {

// A room bounded by a picture: its width minus a margin, or a layout number
// while the picture is not there.
struct TPictureRoom { const char* path; int margin, fallback; };

enum { ROOM_FIXED, ROOM_BUTTON3, ROOM_BIG, ROOM_PARCHMENT, ROOM_SIGN };

const TPictureRoom PICTURE_ROOMS[] = {
    {nullptr, 0, 0},
    {"data/UI/button3.png", 20, 120},
    {"data/UI/popupbig.png", 100, 760},
    {"data/story/storyperg.png", 140, 560},
    {"data/map/mapperg.png", 10, 180},
};

// One measured text: {n} stands for text n; other characters are drawn as
// they stand (numbers, names and separators the screens add).
struct TFit {
    const char* text;
    int font, room;   // room: ROOM_...
    int limit;        // layout limit in pixels; 0 = only the picture's room
    const char* reason;
};

const TFit FITS[] = {
    {"{106} 120 9999999 {107}", FONT_NORMAL, ROOM_FIXED, 245, "player row from x 475 to the score ending at 730"},
    {"{26}", FONT_NORMAL, ROOM_FIXED, 290, "over the loading bar, 296 pixels wide"},
    // game screen
    {"{314} 999", FONT_NORMAL, ROOM_FIXED, 110, "moss column 52..162"},
    {"{311} 99", FONT_NORMAL, ROOM_FIXED, 110, "orders column 212..322"},
    {"{312} 88888", FONT_NORMAL, ROOM_FIXED, 114, "score column 695..809"},
    {"{313} 00:00", FONT_NORMAL, ROOM_FIXED, 114, "time column 855..969"},
    // level results: label at x 312, value right-aligned at 712
    {"{120} (<10 {113}): 2000", FONT_HIGHLIGHT, ROOM_FIXED, 390, "time bonus line, label and value"},
    {"{117} 999x5=4995", FONT_HIGHLIGHT, ROOM_FIXED, 390, "items line, label and value"},
    {"{118} 99x20=1980", FONT_HIGHLIGHT, ROOM_FIXED, 390, "moss line, label and value"},
    {"{119} 99x20=1980", FONT_HIGHLIGHT, ROOM_FIXED, 390, "orders line, label and value"},
    {"{172}", FONT_TEXT, ROOM_BIG, 380, "help page 3 line just above the sketches"},
};

// Captions that share one font and one button.
const int BUTTON3_CAPTIONS[] = {4,  5,  6,   55,  57, 61,  12, 13, 383, 384, 24, 25, 54,
                                56, 342, 124, 50, 62, 96, 101, 102, 112, 51, 460, 462};

// Runs of texts first..last that share one place; "#" in the pattern stands
// for the text's number.
struct TFitRun {
    int first, last, font, room, limit;
    const char* reason;
    const char* pattern = "{#}";
};

const TFitRun FIT_RUNS[] = {
    {35, 49, FONT_HIGHLIGHT, ROOM_PARCHMENT, 0, "opening story line on the parchment"},
    {273, 279, FONT_HIGHLIGHT, ROOM_PARCHMENT, 0, "closing story line on the parchment"},
    {68, 79, FONT_HIGHLIGHT, ROOM_SIGN, 0, "stage name under its sign"},
    {68, 79, FONT_NORMAL, ROOM_FIXED, 360, "level title between the status columns", "{#} {66} - 10"},
    {142, 144, FONT_TEXT, ROOM_BIG, 470, "help page 2 line from x 200 to the fish at 772"},
    {146, 148, FONT_TEXT, ROOM_BIG, 340, "help page 2 line between the sketches at 252 and 772"},
    {173, 180, FONT_TEXT, ROOM_BIG, 350, "help page 3 line between the sketches at 242 and 782"},
    {153, 156, FONT_TEXT, ROOM_BIG, 440, "help page 4 line between the pearls"},
    {157, 160, FONT_TEXT, ROOM_BIG, 380, "help page 4 line between holder and sketch"},
    {167, 170, FONT_TEXT, ROOM_BIG, 380, "help page 5 line between holder and sketch"},
    {183, 186, FONT_TEXT, ROOM_BIG, 420, "help page 6 line between pearls and holder"},
    {193, 196, FONT_TEXT, ROOM_BIG, 420, "help page 7 line between pearls and holder"},
    {203, 207, FONT_TEXT, ROOM_BIG, 350, "help page 8 line between the sketches"},
    {208, 210, FONT_TEXT, ROOM_BIG, 400, "help page 8 line between the holders"},
};

// Width of a PNG from its header; 0 when the file is missing.
int PngWidth(const std::string& path) {
    std::string bytes = ReadWholeFile(std::string(GLD_RUN_DIR) + "/" + path);
    if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return 0;
    int width = 0;
    for (int i = 16; i < 20; i++) width = width * 256 + static_cast<unsigned char>(bytes[i]);
    return width;
}

int Room(int room, int limit) {
    if (room == ROOM_FIXED) return limit;
    const TPictureRoom& picture = PICTURE_ROOMS[room];
    int width = PngWidth(picture.path);
    int fromPicture = width > 0 ? width - picture.margin : picture.fallback;
    return limit > 0 ? std::min(fromPicture, limit) : fromPicture;
}

std::string Compose(const std::string& pattern) {
    std::string out;
    for (size_t i = 0; i < pattern.size(); i++) {
        if (pattern[i] == '{') {
            size_t close = pattern.find('}', i);
            int n = std::stoi(pattern.substr(i + 1, close - i - 1));
            // an empty text would fit anywhere and hide a missing line
            EXPECT_FALSE(codeTexts[n].empty()) << "text " << n << " is empty";
            out += codeTexts[n];
            i = close;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

class TextFit : public ::testing::Test {
protected:
    void SetUp() override {
        BuildAllGlyphTables();
        ASSERT_EQ(LoadCodeTextsFrom(std::string(GLD_RUN_DIR) + "/data/texts/codetexts.txt"), 1);
    }
    void TearDown() override {
        for (int i = 0; i < TEXT_SLOTS; i++) codeTexts[i].clear();
    }
    void Check(const std::string& pattern, int font, int room, int limit, const char* reason) {
        SCOPED_TRACE(reason);
        std::string text = Compose(pattern);
        int width = TextPixelWidth(text, font);
        int space = Room(room, limit);
        EXPECT_LE(width, space) << pattern << " \"" << text << "\" (" << reason << ") is " << width
                                << " pixels wide in font " << font << ", room " << space;
    }
};

TEST_F(TextFit, EveryTextFitsItsPlace) {
    for (const TFit& fit : FITS) Check(fit.text, fit.font, fit.room, fit.limit, fit.reason);
    for (const TFitRun& run : FIT_RUNS)
        for (int n = run.first; n <= run.last; n++) {
            std::string pattern = run.pattern;
            pattern.replace(pattern.find('#'), 1, std::to_string(n));
            Check(pattern, run.font, run.room, run.limit, run.reason);
        }
    for (int n : BUTTON3_CAPTIONS)
        Check("{" + std::to_string(n) + "}", FONT_HIGHLIGHT, ROOM_BUTTON3, 0, "caption on a three-part button");
}

}  // namespace
