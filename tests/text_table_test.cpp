// Reading the text table: label column, line ends, zero bytes, short files,
// the limit of lines read and ISO 8859-1 bytes; and the game's own table.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "tables/text_tables.h"
#include "tests/test_support.h"
#include "text/text.h"
#include "text/text_internal.h"
#include "text/text_table.h"

namespace {

const std::string LABEL = "0123456789abcdefg";   // 17 characters

std::string Lines(int count, const std::string& end) {
    std::string bytes;
    for (int i = 1; i <= count; i++) bytes += LABEL + "text " + std::to_string(i) + end;
    return bytes;
}

class TextTable : public ::testing::Test {
protected:
    std::string folder;
    void SetUp() override {
        folder = MakeTempFolder("texts");
        ASSERT_FALSE(folder.empty());
        for (int i = 0; i < TEXT_SLOTS; i++) codeTexts[i] = "old";
    }
    void TearDown() override {
        for (int i = 0; i < TEXT_SLOTS; i++) codeTexts[i].clear();
    }
    int Load(const std::string& bytes) {
        std::string path = folder + "codetexts.txt";
        WriteWholeFile(path, bytes);
        return LoadCodeTextsFrom(path);
    }
};

// Each file's bytes and the texts they must give; "old" marks a slot the
// reader must not touch.
TEST_F(TextTable, LinesGiveTheTextsAfterTheirLabel) {
    std::string zero = LABEL + "Kelp";
    zero.push_back('\0');
    const int last = TEXT_LINES_READ;
    const struct {
        std::string bytes;
        std::vector<std::pair<int, std::string>> texts;
        const char* why;
    } cases[] = {
        {"#### any label ##Hello\n" + LABEL + "\n" + LABEL + "!\nshort\n" + LABEL + "Pe\rarl\r\r\n",
         {{1, "Hello"}, {2, ""}, {3, "!"}, {4, ""}, {5, "Pearl"}, {6, ""}},
         "the first 17 characters are a label; carriage returns are dropped wherever they stand"},
        {zero + LABEL + "Coral\n" + LABEL + "Wreck\n", {{1, "Kelp"}, {2, "Coral"}, {3, "Wreck"}},
         "a zero byte ends a line and the bytes after it begin the next"},
        {Lines(3, "\n"), {{0, "old"}, {3, "text 3"}, {4, ""}, {last, ""}}, "a short file leaves the rest empty"},
        {Lines(last + 12, "\n"),
         {{last, "text " + std::to_string(last)}, {last + 1, "old"}, {last + 12, "old"}},
         "lines past the last one read never reach the table"},
        {LABEL + "K\xE4se\n" + LABEL + "K\xC3\xA4se\n", {{1, "K\xE4se"}, {2, "K\xC3\xA4se"}},
         "bytes are ISO 8859-1 characters: UTF-8 letters arrive as two"},
    };
    for (const auto& c : cases) {
        for (int i = 0; i < TEXT_SLOTS; i++) codeTexts[i] = "old";
        ASSERT_EQ(Load(c.bytes), 1) << c.why;
        for (const auto& [slot, text] : c.texts) EXPECT_EQ(codeTexts[slot], text) << c.why << ": text " << slot;
    }

    EXPECT_EQ(LoadCodeTextsFrom(folder + "nothing-here.txt"), 0);
    for (int i = 1; i <= last; i++) EXPECT_EQ(codeTexts[i], "") << "a missing file, text " << i;
}

// The generated table of the data folder.
TEST(GameTexts, TheTableHasTheLinesReadWithLabelsAndDrawableCharacters) {
    std::string bytes = ReadWholeFile(std::string(GLD_RUN_DIR) + "/data/texts/codetexts.txt");
    ASSERT_FALSE(bytes.empty()) << "data/texts/codetexts.txt is missing";
    BuildAllGlyphTables();
    int lines = 0;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        ASSERT_NE(end, std::string::npos) << "the last line has no line end";
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines++;
        EXPECT_GE(line.size(), 17u) << "line " << lines << " lacks its label column";
        EXPECT_EQ(line.find('\0'), std::string::npos) << "line " << lines;
        for (size_t i = 17; i < line.size(); i++) {
            int code = static_cast<unsigned char>(line[i]);
            for (int font : {FONT_NORMAL, FONT_HIGHLIGHT, FONT_HEAD, FONT_TEXT})
                EXPECT_GT(glyphCell[font][code], 0) << "line " << lines << " character " << code << " font " << font;
        }
        start = end + 1;
    }
    EXPECT_EQ(lines, TEXT_LINES_READ);
}

}  // namespace
