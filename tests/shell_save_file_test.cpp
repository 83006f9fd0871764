// Saving never loses data: the new file replaces the old one only when every
// byte was written.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "shell/save_file.h"
#include "shell/settings.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"
#include "tests/test_support.h"

static int FailEverySave(const std::string&) { return 1; }

// What the disk held at each completed sync: the path synced, then the bytes
// of the target and of its temporary file at that moment.
static std::string syncTarget;
static std::vector<std::string> syncsSeen;
static void RecordSync(const std::string& path) {
    syncsSeen.push_back(path + "|" + ReadWholeFile(syncTarget) + "|" + ReadWholeFile(syncTarget + ".saving"));
}

class SaveFile : public testing::Test {
protected:
    std::string folder;
    void SetUp() override { folder = MakeTempFolder("savefile"); }
    void TearDown() override {
        saveFailureHook = nullptr;
        SetSyncRecorder(nullptr);
        std::filesystem::remove_all(folder);
    }
};

TEST_F(SaveFile, WritesTheWholeFileAndLeavesNoTemporaryBehind) {
    std::string path = folder + "profile.ppp";
    WriteWholeFile(path, "old contents");
    syncTarget = path;
    syncsSeen.clear();
    SetSyncRecorder(RecordSync);
    TStream stream = BeginSaveFile(path);
    ASSERT_NE(stream, nullptr);
    WriteInt(stream, 0x01020304);
    WriteLine(stream, "abc");
    EXPECT_EQ(ReadWholeFile(path), "old contents") << "the old file stays until the save is finished";
    EXPECT_EQ(FinishSaveFile(stream, path), 1);
    EXPECT_EQ(stream, nullptr);
    std::string saved("\x04\x03\x02\x01" "abc\r\n");
    EXPECT_EQ(ReadWholeFile(path), saved);
    EXPECT_EQ(PathKind(path + ".saving"), 0);
    // The whole new file is on the disk while the old one still stands, and the
    // folder is synced once the new file has taken the old one's place.
    std::string folderName = folder.substr(0, folder.size() - 1);
    std::vector<std::string> expected = {path + ".saving|old contents|" + saved, folderName + "|" + saved + "|"};
    EXPECT_EQ(syncsSeen, expected);
}

TEST_F(SaveFile, AFailedSaveKeepsTheOldFileAndSaysSoOnce) {
    std::string path = folder + "besttimes.ppp";
    WriteWholeFile(path, "precious");
    saveFailureHook = FailEverySave;
    TStream stream = BeginSaveFile(path);
    WriteString(stream, "half a new fi");
    testing::internal::CaptureStderr();
    int done = FinishSaveFile(stream, path);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(done, 0);
    EXPECT_EQ(ReadWholeFile(path), "precious");
    EXPECT_EQ(PathKind(path + ".saving"), 0) << "the broken temporary file is removed";
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.find('\n'), errors.size() - 1) << "one line: " << errors;
    EXPECT_NE(errors.find(path), std::string::npos);
}

TEST_F(SaveFile, AFolderThatIsGoneFailsWithoutStoppingTheGame) {
    std::string path = folder + "gone/settings.txt";
    TStream stream = BeginSaveFile(path);
    EXPECT_EQ(stream, nullptr);
    WriteLine(stream, "1");
    testing::internal::CaptureStderr();
    EXPECT_EQ(FinishSaveFile(stream, path), 0);
    EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
    EXPECT_EQ(PathKind(path), 0);
}

TEST_F(SaveFile, TheSettingsSurviveAFailedSave) {
    DriverOptions options;
    options.settings = "0\r\n11\r\n22\r\n-1\r\n0\r\n5\r\n1\r\n";
    ASSERT_EQ(DriverStart(options), 1);
    musicVolume = 99;
    saveFailureHook = FailEverySave;
    testing::internal::CaptureStderr();
    SaveSettings(0);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(ReadWholeFile(saveFolder + "settings.txt"), options.settings);
    saveFailureHook = nullptr;
    SaveSettings(0);
    EXPECT_EQ(ReadWholeFile(saveFolder + "settings.txt"), "0\r\n99\r\n22\r\n-1\r\n0\r\n5\r\n1\r\n");
    DriverStop();
}
