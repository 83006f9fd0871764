// The input snapshot: pointer scaling, buttons, keys, F5, the close box, and
// the pause after the window loses the focus.
#include <gtest/gtest.h>

#include <string>

#include "map/map.h"
#include "menus/menu.h"
#include "platform/platform.h"
#include "shell/shell.h"
#include "tables/dialog_tables.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"
#include "tests/test_support.h"
#include "text/text.h"

static const char* WINDOW_SETTINGS = "0\r\n280\r\n280\r\n-1\r\n0\r\n5\r\n1\r\n";

// A started game on a screen that reads the mouse and asks for no change.
static void StartOnQuietScreen(const char* settings) {
    DriverOptions options;
    options.settings = settings;
    ASSERT_EQ(DriverStart(options), 1);
    EnterMap();
    DriverFrames(20);
    ASSERT_EQ(inputEnabled, 1);
}

// In a window the 800 x 600 pointer is scaled to the 1024 x 768 screen, its
// corner to the last logical pixels; full screen uses it as read.
TEST(PointerScaling, TheWindowScalesThePointerAndFullScreenDoesNot) {
    const struct { int fullScreen, inX, inY, outX, outY; } cases[] = {
        {0, 799, 599, 1022, 766}, {0, 400, 300, 512, 384}, {1, 1000, 700, 1000, 700}};
    for (const auto& c : cases) {
        std::string settings = WINDOW_SETTINGS;
        settings[0] = static_cast<char>('0' + c.fullScreen);
        StartOnQuietScreen(settings.c_str());
        InjectPointer(c.inX, c.inY);
        DriverFrames(1);
        EXPECT_EQ(mouseX, c.outX) << c.inX;
        EXPECT_EQ(mouseY, c.outY) << c.inY;
        DriverStop();
    }
}

TEST(MouseSnapshot, IsNotReadWhileInputIsDisabled) {
    StartOnQuietScreen(WINDOW_SETTINGS);
    InjectPointer(100, 100);
    DriverFrames(1);
    inputEnabled = 0;
    InjectPointer(700, 500);
    DriverButton(1, 1);
    DriverFrames(1);
    EXPECT_EQ(mouseX, 128);
    EXPECT_EQ(mouseDownLeft, 0);
    EXPECT_EQ(mouseHitLeft, 0);
    DriverStop();
}

TEST(MouseSnapshot, CountsPressesAndHeldFrames) {
    StartOnQuietScreen(WINDOW_SETTINGS);
    DriverButton(1, 1);
    DriverFrames(1);
    EXPECT_EQ(mouseHitLeft, 1);
    EXPECT_EQ(mouseDownLeft, 1);
    EXPECT_EQ(mouseHeldFrames, 1);
    DriverFrames(2);
    EXPECT_EQ(mouseHitLeft, 0) << "a press is seen in one frame only";
    EXPECT_EQ(mouseHeldFrames, 3);
    DriverButton(1, 0);
    DriverButton(2, 1);
    DriverFrames(1);
    EXPECT_EQ(mouseHeldFrames, 0);
    EXPECT_EQ(mouseDownLeft, 0);
    EXPECT_EQ(mouseHitRight, 1);
    EXPECT_EQ(mouseDownRight, 1);
    DriverButton(2, 0);
    DriverFrames(1);
    EXPECT_EQ(mouseDownRight, 0);
    DriverStop();
}

TEST(KeySnapshot, HoldsEachKeyWhileItIsDown) {
    StartOnQuietScreen(WINDOW_SETTINGS);
    const int keys[] = {KEY_ENTER, KEY_ESCAPE, KEY_SPACE, KEY_F1, KEY_F2, KEY_F3, KEY_F4};
    int* values[] = {&keyEnter, &keyEscape, &keySpace, &keyF1, &keyF2, &keyF3, &keyF4};
    for (int i = 0; i < 7; i++) {
        DriverKey(keys[i], 1);
        DriverFrames(1);
        for (int j = 0; j < 7; j++) EXPECT_EQ(*values[j], i == j ? 1 : 0) << "key " << keys[i];
        DriverFrames(1);
        EXPECT_EQ(*values[i], 1);
        DriverKey(keys[i], 0);
        DriverFrames(1);
        EXPECT_EQ(*values[i], 0);
    }
    DriverStop();
}

// A text table of our own, so the reload can be seen.
static std::string TextFile(const std::string& word) {
    std::string file;
    for (int i = 1; i <= 100; i++) file += "text " + std::to_string(1000 + i) + "       :" + word + std::to_string(i) + "\r\n";
    return file;
}

TEST(TextReload, F5ReloadsTheTextTableOnlyAfterFrame100) {
    DriverOptions options;
    options.workFolder = DriverMakeWorkFolder({"texts"});
    const std::string file = options.workFolder + "data/texts/codetexts.txt";
    MakeFolder(options.workFolder + "data/texts", 1);
    WriteWholeFile(file, TextFile("first"));
    ASSERT_EQ(DriverStart(options), 1);
    ASSERT_EQ(codeTexts[92], "first92");
    WriteWholeFile(file, TextFile("second"));
    DriverKey(KEY_F5, 1);
    while (frameCount < 100) {
        DriverFrames(1);
        ASSERT_EQ(codeTexts[92], "first92") << "reloaded at frame " << frameCount;
    }
    DriverFrames(1);   // the poll of frame 101 still sees frameCount 100
    EXPECT_EQ(codeTexts[92], "first92");
    DriverFrames(1);
    EXPECT_EQ(codeTexts[92], "second92");
    DriverStop();
}

class Suspension : public testing::Test {
protected:
    std::string settingsPath;
    void SetUp() override {
        StartOnQuietScreen(WINDOW_SETTINGS);
        settingsPath = saveFolder + "settings.txt";
        ASSERT_EQ(pauseOverlay, -1);
        DeleteFile(settingsPath);
    }
    void TearDown() override { DriverStop(); }
};

TEST_F(Suspension, LosingTheFocusRaisesTheOverlayAndSavesTheSettings) {
    musicVolume = 123;
    DriverFocus(0);
    DriverFrames(1);
    EXPECT_EQ(appSuspended, 2);
    EXPECT_EQ(pauseOverlay, 1);
    EXPECT_EQ(ReadWholeFile(settingsPath), "0\r\n123\r\n280\r\n-1\r\n0\r\n5\r\n1\r\n");
}

// Of a suspend and a resume in one frame the later one counts.
TEST_F(Suspension, TheLaterFocusEventOfAFrameCounts) {
    DriverFocus(0);
    DriverFocus(1);
    DriverFrames(1);
    EXPECT_EQ(appSuspended, 0);
    EXPECT_EQ(pauseOverlay, -1);
    EXPECT_EQ(PathKind(settingsPath), 0) << "nothing is saved when the later event resumes";
    DriverFocus(1);
    DriverFocus(0);
    DriverFrames(1);
    EXPECT_EQ(appSuspended, 2);
    EXPECT_EQ(pauseOverlay, 1);
}

TEST_F(Suspension, ASuspendWhileTheOverlayIsUpSavesNothing) {
    pauseOverlay = 1;
    DriverFocus(0);
    DriverFrames(3);
    EXPECT_EQ(appSuspended, 1) << "stays unhandled until a resume";
    EXPECT_EQ(PathKind(settingsPath), 0);
    DriverFocus(1);
    DriverFrames(1);
    EXPECT_EQ(appSuspended, 0);
}

TEST_F(Suspension, OnlyAClickAfterTheResumeClearsTheOverlay) {
    DriverFocus(0);
    DriverFrames(1);
    ASSERT_EQ(pauseOverlay, 1);
    DriverClick(512, 384);
    EXPECT_EQ(pauseOverlay, 1) << "the overlay waits while the window is away";
    DriverFocus(1);
    DriverFrames(3);
    EXPECT_EQ(appSuspended, 0);
    EXPECT_EQ(pauseOverlay, 1);
    DriverClick(512, 384);
    EXPECT_EQ(pauseOverlay, -1);
}

TEST_F(Suspension, TheCloseBoxGoesThroughTheCloseDialog) {
    DriverCloseBox();
    DriverFrames(1);
    // The close-window dialog writes the settings before anything else.
    EXPECT_EQ(PathKind(settingsPath), 1);
    EXPECT_EQ(dialogKind, 99);
    DriverFrames(20);
    EXPECT_EQ(quitRequested, 0) << "the question waits for an answer";
    DriverClick(597, 494);
    DriverFrames(20);
    EXPECT_EQ(quitRequested, 1);
}

// The title runs the dialogs itself: closing the window there asks too.
TEST(CloseBox, OverTheTitleTheQuestionIsAskedToo) {
    ASSERT_EQ(DriverStart(), 1);
    DriverFrames(3);
    ASSERT_EQ(gameScreen, SCREEN_TITLE);
    DriverCloseBox();
    DriverFrames(20);
    EXPECT_EQ(dialogKind, 99);
    EXPECT_EQ(quitRequested, 0);
    DriverKey(KEY_ENTER, 1);
    DriverFrames(20);
    DriverKey(KEY_ENTER, 0);
    EXPECT_EQ(quitRequested, 1);
    DriverStop();
}
