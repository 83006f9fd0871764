// Reading the text table: label column, line ends, zero bytes, short files,
// the limit of lines read and ISO 8859-1 bytes; and the game's own table.
#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

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

TEST_F(TextTable, TheFirst17CharactersAreALabel) {
    ASSERT_EQ(Load("#### any label ##Hello\n" + LABEL + "\n" + LABEL + "!\nshort\n" + LABEL + "Pe\rarl\r\r\n"), 1);
    EXPECT_EQ(codeTexts[1], "Hello");
    EXPECT_EQ(codeTexts[2], "") << "exactly 17 characters give an empty text";
    EXPECT_EQ(codeTexts[3], "!") << "18 characters give the last one";
    EXPECT_EQ(codeTexts[4], "") << "a short line gives an empty text";
    EXPECT_EQ(codeTexts[5], "Pearl") << "carriage returns are dropped wherever they stand";
}

TEST_F(TextTable, WindowsLineEndsGiveTheSameTextsUpToTheLastLineRead) {
    const int last = TEXT_LINES_READ;
    ASSERT_EQ(Load(Lines(last, "\r\n")), 1);
    Table<std::string, TEXT_SLOTS> crlf = codeTexts;
    ASSERT_EQ(Load(Lines(last, "\n")), 1);
    for (int i = 1; i <= last; i++) EXPECT_EQ(crlf[i], codeTexts[i]) << i;
    EXPECT_EQ(codeTexts[last], "text " + std::to_string(last));
    ASSERT_EQ(Load(Lines(last + 12, "\n")), 1);
    EXPECT_EQ(codeTexts[last + 1], "old") << "lines past the last one read never reach the table";
    EXPECT_EQ(codeTexts[last + 12], "old");
}

TEST_F(TextTable, AZeroByteEndsALine) {
    std::string bytes = LABEL + "Kelp";
    bytes.push_back('\0');
    bytes += LABEL + "Coral\n" + LABEL + "Wreck\n";
    ASSERT_EQ(Load(bytes), 1);
    EXPECT_EQ(codeTexts[1], "Kelp");
    EXPECT_EQ(codeTexts[2], "Coral") << "the bytes after the zero begin the next line";
    EXPECT_EQ(codeTexts[3], "Wreck");
}

TEST_F(TextTable, AShortFileLeavesTheRestEmpty) {
    ASSERT_EQ(Load(Lines(3, "\n")), 1);
    EXPECT_EQ(codeTexts[3], "text 3");
    for (int i = 4; i <= TEXT_LINES_READ; i++) EXPECT_EQ(codeTexts[i], "") << i;
    EXPECT_EQ(codeTexts[0], "old") << "text 0 is never filled";
}

TEST_F(TextTable, BytesAreIso8859Characters) {
    ASSERT_EQ(Load(LABEL + "K\xE4se\n" + LABEL + "K\xC3\xA4se\n"), 1);
    ASSERT_EQ(codeTexts[1].size(), 4u);
    EXPECT_EQ(WidenLatin1(codeTexts[1]), u"K\u00E4se");
    EXPECT_EQ(codeTexts[2].size(), 5u) << "UTF-8 letters arrive as two characters";
}

TEST_F(TextTable, AMissingFileLeavesEmptyTexts) {
    EXPECT_EQ(LoadCodeTextsFrom(folder + "nothing-here.txt"), 0);
    for (int i = 1; i <= TEXT_LINES_READ; i++) EXPECT_EQ(codeTexts[i], "") << i;
}

TEST_F(TextTable, TheGameReadsItsFileFromTheWorkingFolder) {
    ASSERT_EQ(MakeFolder(folder + "data/texts", 1), 1);
    WriteWholeFile(folder + "data/texts/codetexts.txt", Lines(TEXT_LINES_READ, "\r\n"));
    char previous[4096];
    ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
    ASSERT_EQ(chdir(folder.c_str()), 0);
    LoadCodeTexts();
    ASSERT_EQ(chdir(previous), 0);
    EXPECT_EQ(codeTexts[1], "text 1");
    EXPECT_EQ(codeTexts[TEXT_LINES_READ], "text " + std::to_string(TEXT_LINES_READ));
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
