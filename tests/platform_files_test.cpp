// Streams, paths and folders, and the game's text conversions.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>
#include <utility>

#include "platform/platform.h"
#include "tests/test_support.h"

namespace {

class Files : public ::testing::Test {
protected:
    std::string folder;
    void SetUp() override { folder = MakeTempFolder("files"); }
    void TearDown() override { std::filesystem::remove_all(folder); }
};

}  // namespace

TEST_F(Files, ReadLineEndsAtLineFeedZeroByteAndEnd) {
    static const char bytes[] = "ab\r\ncd\n\r\nef\0gh\nx\xE9y\r\nlast";
    WriteWholeFile(folder + "lines.txt", std::string(bytes, sizeof bytes - 1));
    TStream in = OpenForRead(folder + "lines.txt");
    ASSERT_NE(in, nullptr);
    for (const char* line : {"ab", "cd", "", "ef", "gh"}) EXPECT_EQ(ReadLine(in), line);
    std::string latin = ReadLine(in);
    ASSERT_EQ(latin.size(), 3u);
    EXPECT_EQ(static_cast<unsigned char>(latin[1]), 0xE9);
    EXPECT_FALSE(Eof(in));
    EXPECT_EQ(ReadLine(in), "last");
    EXPECT_TRUE(Eof(in));
    EXPECT_EQ(ReadLine(in), "");
    EXPECT_EQ(Close(in), 0);
    EXPECT_EQ(in, nullptr);

    // An overlong line is cut at the limit and the rest of it skipped, so the
    // next call reads the next line; a file with no line feed at all gives one
    // cut line and then the end.
    std::string longLine = std::string(READ_LINE_LIMIT, 'a') + std::string(1000, 'b');
    WriteWholeFile(folder + "long.txt", longLine + "\r\nnext\n" + std::string(3 * READ_LINE_LIMIT, 'c'));
    in = OpenForRead(folder + "long.txt");
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(ReadLine(in), std::string(READ_LINE_LIMIT, 'a'));
    EXPECT_EQ(ReadLine(in), "next");
    EXPECT_EQ(ReadLine(in), std::string(READ_LINE_LIMIT, 'c'));
    EXPECT_TRUE(Eof(in));
    EXPECT_EQ(ReadLine(in), "");
    Close(in);
}

// Lines end with CR LF, bytes above 127 as they are; writing again truncates.
TEST_F(Files, LinesEndWithCrLfAndIntegersAreLittleEndianTwosComplement) {
    TStream out = OpenForWrite(folder + "w.txt");
    ASSERT_NE(out, nullptr);
    for (const char* line : {"one", "\xFC", ""}) WriteLine(out, line);
    EXPECT_EQ(Close(out), 0);
    EXPECT_EQ(ReadWholeFile(folder + "w.txt"), std::string("one\r\n\xFC\r\n\r\n"));
    out = OpenForWrite(folder + "w.txt");
    WriteString(out, "xy");
    EXPECT_EQ(Close(out), 0);
    EXPECT_EQ(ReadWholeFile(folder + "w.txt"), "xy");

    out = OpenForWrite(folder + "ints.bin");
    WriteInt(out, 0x01020304);
    WriteInt(out, -2);
    WriteInt(out, INT_MIN);
    WriteString(out, "name");
    ASSERT_EQ(Close(out), 0);
    std::string bytes = ReadWholeFile(folder + "ints.bin");
    ASSERT_EQ(bytes.size(), 16u);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(bytes.substr(4, 4), std::string("\xFE\xFF\xFF\xFF", 4));
    EXPECT_EQ(bytes.substr(8, 4), std::string("\x00\x00\x00\x80", 4));
    EXPECT_EQ(FileSize(folder + "ints.bin"), 16);

    TStream in = OpenForRead(folder + "ints.bin");
    EXPECT_EQ(ReadInt(in), 0x01020304);
    EXPECT_EQ(ReadInt(in), -2);
    EXPECT_EQ(ReadInt(in), INT_MIN);
    EXPECT_FALSE(StreamFailed(in));
    EXPECT_EQ(ReadString(in, 2), "na");
    EXPECT_EQ(ReadByte(in), 'm');
    EXPECT_EQ(ReadString(in, 5), "e");   // only what is left
    EXPECT_TRUE(StreamFailed(in));
    EXPECT_EQ(ReadInt(in), 0);
    EXPECT_EQ(ReadByte(in), -1);
    EXPECT_TRUE(Eof(in));
    EXPECT_EQ(Close(in), 0);
    // An integer cut short reads as zero.
    WriteWholeFile(folder + "short.bin", std::string("\x05\x00", 2));
    in = OpenForRead(folder + "short.bin");
    EXPECT_EQ(ReadInt(in), 0);
    EXPECT_TRUE(StreamFailed(in));
    Close(in);
}

TEST_F(Files, CloseReportsFailedWrites) {
    TStream full = OpenForWrite("/dev/full");
    if (!full) GTEST_SKIP() << "no /dev/full";
    WriteLine(full, "this cannot be stored");
    EXPECT_NE(Close(full), 0);
    EXPECT_EQ(OpenForWrite(folder + "missing/sub/file.txt"), nullptr);
    EXPECT_EQ(OpenForRead(folder + "missing.txt"), nullptr);
    EXPECT_EQ(OpenForRead(folder), nullptr);   // a folder is not a file
}

TEST_F(Files, FoldersWithParentsAndEitherSlash) {
    EXPECT_EQ(PathKind(folder + "a"), 0);
    EXPECT_FALSE(MakeFolder(folder + "a/b/c", 0));
    EXPECT_TRUE(MakeFolder(folder + "a\\b/c\\", 1));
    EXPECT_EQ(PathKind(folder + "a/b/c"), 2);
    EXPECT_EQ(PathKind(folder + "a\\b"), 2);
    EXPECT_TRUE(MakeFolder(folder + "a/b/c", 1));   // already there
    WriteWholeFile(folder + "a/b/file.txt", "12345");
    EXPECT_EQ(PathKind(folder + "a/b/file.txt"), 1);
    EXPECT_EQ(FileSize(folder + "a\\b\\file.txt"), 5);
    EXPECT_EQ(FileSize(folder + "a/b"), -1);
    EXPECT_EQ(FileSize(folder + "a/none"), -1);
    EXPECT_TRUE(RenameFile(folder + "a/b/file.txt", folder + "a/moved.txt"));
    EXPECT_EQ(PathKind(folder + "a/b/file.txt"), 0);
    EXPECT_EQ(ReadWholeFile(folder + "a/moved.txt"), "12345");
    WriteWholeFile(folder + "a/other.txt", "x");
    EXPECT_TRUE(RenameFile(folder + "a/other.txt", folder + "a/moved.txt"));   // replaces
    EXPECT_EQ(ReadWholeFile(folder + "a/moved.txt"), "x");
    EXPECT_TRUE(DeleteFile(folder + "a/moved.txt"));
    EXPECT_FALSE(DeleteFile(folder + "a/moved.txt"));
}

TEST_F(Files, LookUpIgnoresCasePartByPart) {
    ASSERT_TRUE(MakeFolder(folder + "Data/UI/Fonts", 1));
    WriteWholeFile(folder + "Data/UI/Fonts/Big.TXT", "line\n");
    EXPECT_EQ(PathKind(folder + "DATA/Ui/fonts/big.txt"), 1);
    EXPECT_EQ(FileSize(folder + "data/ui/fonts/big.txt"), 5);
    EXPECT_EQ(ResolvePath(folder + "data\\ui/FONTS/big.txt"), folder + "Data/UI/Fonts/Big.TXT");
    TStream in = OpenForRead(folder + "data/ui/fonts/BIG.txt");
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(ReadLine(in), "line");
    Close(in);
    // Writing into a folder spelled differently lands in the existing folder.
    TStream out = OpenForWrite(folder + "data/ui/new.txt");
    ASSERT_NE(out, nullptr);
    Close(out);
    EXPECT_EQ(PathKind(folder + "Data/UI/new.txt"), 1);
    // An exact spelling wins over a case-insensitive one: a folder "data"
    // beside "Data" (made directly, as MakeFolder would find "Data").
    ASSERT_TRUE(std::filesystem::create_directory(folder + "data"));
    EXPECT_EQ(MakeFolder(folder + "DATA", 0), 1);
    WriteWholeFile(folder + "data/own.txt", "own");
    EXPECT_EQ(ResolvePath(folder + "data/own.txt"), folder + "data/own.txt");
    EXPECT_EQ(PathKind(folder + "data/nothing.txt"), 0);
}

TEST(TextConversion, IntegersTrimmingAndWidening) {
    EXPECT_EQ(TextFromInt(0), "0");
    EXPECT_EQ(TextFromInt(INT_MIN), "-2147483648");
    const std::pair<const char*, int> READ[] = {{"  \t\r\n17abc", 17}, {"+8", 8}, {"-300 5", -300}, {"", 0},
                                                {"- 5", 0}, {"--5", 0}, {"3.9", 3}, {"-2147483648", INT_MIN}};
    for (const auto& [text, value] : READ) EXPECT_EQ(IntFromText(text), value) << text;
    EXPECT_EQ(IntFromText(TextFromInt(INT_MAX)), INT_MAX);
    EXPECT_EQ(TrimText("  a b \t\r\n"), "a b");
    EXPECT_EQ(TrimText(std::string("\x01\x1F x \x20", 6)), "x");
    EXPECT_EQ(TrimText("\xA0x\xA0"), "\xA0x\xA0");   // above 32: kept
    EXPECT_EQ(WidenLatin1("A\xE9\xFF"), (std::u16string{u'A', 0xE9, 0xFF}));
}
