// The save folder, "settings.txt" and the display mode chosen from it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "audio/audio.h"
#include "platform/platform.h"
#include "shell/shell.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"
#include "tests/test_support.h"

static const std::string SAVE_BELOW_BASE = "Orvane/Glimmerdeep-v-0-0-2/";

static DriverOptions WithSettings(const std::string& text) {
    DriverOptions options;
    options.settings = text;
    return options;
}

TEST(Settings, TheFirstRunWritesTheDefaultsAndOpensFullScreen) {
    ASSERT_EQ(DriverStart(), 1);
    EXPECT_EQ(firstRun, 1);
    EXPECT_EQ(ReadWholeFile(saveFolder + "settings.txt"), "1\r\n280\r\n280\r\n-1\r\n0\r\n5\r\n1\r\n");
    EXPECT_EQ(fullScreen, 1);
    EXPECT_EQ(musicLevel, 280) << "the music starts at the volume read";
    EXPECT_TRUE(DisplayIsOpen());
    DriverStop();
}

// Each file as read: missing lines read as zero, values are not validated
// (volumes stay as read), a player number no slot holds reads as no player,
// and any first line but 1 opens the window.
TEST(Settings, EachLineIsReadAsItStands) {
    const struct {
        std::string text;
        int fullScreen, music, sound, player, line6, pointer;
        int musicLevel;     // the volume the music starts at; -1: not looked at
    } cases[] = {
        {"0\r\n100\r\n", 0, 100, 0, 0, 0, 0, 100},
        {"0\nabc\n-7\n3\n", 0, 0, -7, 3, 0, 0, -1},
        {"7\r\n280\r\n280\r\n-1\r\n0\r\n5\r\n1\r\n", 0, 280, 280, -1, 5, 1, 280},
        {"0\r\n999\r\n-40\r\n11\r\n0\r\n5\r\n1\r\n", 0, 999, -40, -1, 5, 1, -1},
        {"0\r\n999\r\n-40\r\n-2\r\n0\r\n5\r\n1\r\n", 0, 999, -40, -1, 5, 1, -1},
        {"0\r\n999\r\n-40\r\n2147483647\r\n0\r\n5\r\n1\r\n", 0, 999, -40, -1, 5, 1, -1},
        {"0\r\n999\r\n-40\r\n10\r\n0\r\n5\r\n1\r\n", 0, 999, -40, 10, 5, 1, -1},
        {"0\r\n999\r\n-40\r\n1\r\n0\r\n5\r\n1\r\n", 0, 999, -40, 1, 5, 1, -1},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(DriverStart(WithSettings(c.text)), 1) << c.text;
        EXPECT_EQ(firstRun, 0) << c.text;
        EXPECT_TRUE(DisplayIsOpen()) << c.text;
        EXPECT_EQ(fullScreen, c.fullScreen) << c.text;
        EXPECT_EQ(musicVolume, c.music) << c.text;
        if (c.musicLevel >= 0) {
            EXPECT_EQ(musicLevel, c.musicLevel) << c.text << ": the music starts at the volume read";
        }
        EXPECT_EQ(soundVolume, c.sound) << c.text;
        EXPECT_EQ(currentPlayer, c.player) << c.text;
        EXPECT_EQ(settingsLine6, c.line6) << c.text;
        EXPECT_EQ(customPointer, c.pointer) << c.text;
        DriverStop();
    }
}

TEST(Settings, LineFiveIsWrittenAsZeroAndLineSixAsRead) {
    ASSERT_EQ(DriverStart(WithSettings("0\r\n10\r\n20\r\n-1\r\n77\r\n42\r\n-1\r\n")), 1);
    EXPECT_EQ(settingsLine5, 0) << "the game clears line 5 right after start-up";
    EXPECT_EQ(settingsLine6, 42);
    SaveSettings(0);
    EXPECT_EQ(ReadWholeFile(saveFolder + "settings.txt"), "0\r\n10\r\n20\r\n-1\r\n0\r\n42\r\n-1\r\n");
    DriverStop();
}

TEST(Settings, AMissingFileInAnExistingFolderGivesTheDefaults) {
    ASSERT_EQ(DriverStart(WithSettings("0\r\n1\r\n2\r\n-1\r\n0\r\n9\r\n-1\r\n")), 1);
    std::string path = saveFolder + "settings.txt";
    DriverStop();
    ASSERT_TRUE(DeleteFile(path));
    DriverOptions again;
    again.keepSaveFolder = 1;
    ASSERT_EQ(DriverStart(again), 1);
    EXPECT_EQ(firstRun, 0);
    EXPECT_EQ(fullScreen, 1);
    EXPECT_EQ(musicVolume, 280);
    EXPECT_EQ(settingsLine6, 5);
    EXPECT_EQ(customPointer, 1);
    DriverStop();
}

TEST(DisplayMode, TheToggleSwitchesModesAndWaitsForAClick) {
    ASSERT_EQ(DriverStart(WithSettings("0\r\n280\r\n280\r\n-1\r\n0\r\n5\r\n1\r\n")), 1);
    ASSERT_EQ(fullScreen, 0);
    ToggleFullScreen();
    EXPECT_EQ(fullScreen, 1);
    EXPECT_EQ(pauseOverlay, 1);
    EXPECT_TRUE(DisplayIsOpen());
    pauseOverlay = -1;
    ToggleFullScreen();
    EXPECT_EQ(fullScreen, 0);
    EXPECT_EQ(pauseOverlay, 1);
    EXPECT_TRUE(DisplayIsOpen());
    EXPECT_EQ(ReadWholeFile(saveFolder + "settings.txt"), "0\r\n280\r\n280\r\n-1\r\n0\r\n5\r\n1\r\n")
        << "the setting is written by the options dialog, not by the toggle";
    DriverStop();
}

// Runs FindSaveFolder with the given environment and working folder.
class SaveFolder : public testing::Test {
protected:
    std::string oldData, oldHome, oldFolder;
    void SetUp() override {
        oldData = EnvironmentValue("XDG_DATA_HOME");
        oldHome = EnvironmentValue("HOME");
        char here[4096];
        oldFolder = getcwd(here, sizeof here) ? here : ".";
    }
    void TearDown() override {
        setenv("XDG_DATA_HOME", oldData.c_str(), 1);
        setenv("HOME", oldHome.c_str(), 1);
        ASSERT_EQ(chdir(oldFolder.c_str()), 0);
    }
};

TEST_F(SaveFolder, IsCreatedWithItsParentsBelowTheDataHome) {
    std::string base = MakeTempFolder("xdg") + "deep/er";
    setenv("XDG_DATA_HOME", base.c_str(), 1);
    FindSaveFolder();
    EXPECT_EQ(saveFolder, base + "/" + SAVE_BELOW_BASE);
    EXPECT_EQ(PathKind(saveFolder), 2);
    EXPECT_EQ(firstRun, 1);
    FindSaveFolder();
    EXPECT_EQ(firstRun, 0) << "an existing folder marks a later start";
}

TEST_F(SaveFolder, FallsBackToTheHomeDataFolder) {
    std::string home = MakeTempFolder("home");
    setenv("XDG_DATA_HOME", "", 1);
    setenv("HOME", home.c_str(), 1);
    FindSaveFolder();
    EXPECT_EQ(saveFolder, home + ".local/share/" + SAVE_BELOW_BASE);
    EXPECT_EQ(PathKind(saveFolder), 2);
}

TEST_F(SaveFolder, LiesBelowTheWorkingFolderWithNoBase) {
    std::string work = MakeTempFolder("nobase");
    ASSERT_EQ(chdir(work.c_str()), 0);
    setenv("XDG_DATA_HOME", "", 1);
    setenv("HOME", "", 1);
    FindSaveFolder();
    EXPECT_EQ(saveFolder, SAVE_BELOW_BASE);
    EXPECT_EQ(PathKind(work + SAVE_BELOW_BASE), 2);
    EXPECT_EQ(firstRun, 1);
}
