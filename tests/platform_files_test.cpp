// Streams, paths and folders.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <string>

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
    EXPECT_EQ(ReadWholeFile(folder + "ints.bin").substr(0, 8), std::string("\x04\x03\x02\x01\xFE\xFF\xFF\xFF", 8));

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

