// The picture loader, the background rule, the frame guard and the order in
// which start-up loads everything.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "map/map.h"
#include "platform/platform.h"
#include "platform/writers/writers.h"
#include "shell/assets.h"
#include "shell/pictures.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"
#include "tests/test_support.h"

// Runs the test inside its own working folder and comes back afterwards.
class InFolder : public testing::Test {
protected:
    std::string folder, oldFolder;
    void SetUp() override {
        UseHeadlessPlatform();
        char here[4096];
        oldFolder = getcwd(here, sizeof here) ? here : ".";
        folder = MakeTempFolder("assets");
        ASSERT_EQ(chdir(folder.c_str()), 0);
    }
    void TearDown() override { ASSERT_EQ(chdir(oldFolder.c_str()), 0); }
    // A one-colour picture of width x height.
    static void WritePicture(const std::string& path, int width, int height, int jpeg) {
        std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, 0xFF4080C0u);
        MakeFolder(path.substr(0, path.rfind('/')), 1);
        if (jpeg) SaveJpeg(path, width, height, pixels);
        else SavePng(path, width, height, pixels);
    }
};

TEST_F(InFolder, AMissingPictureIsReportedOnceAndStaysEmpty) {
    testing::internal::CaptureStdout();
    TImage image = LoadPicture("data/UI/nothing.png");
    TImage strip = LoadPictureStrip("data/UI/nostrip.png", 2, 42, 148);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(image, nullptr);
    EXPECT_EQ(strip, nullptr);
    EXPECT_EQ(out, "error LoadIm data/UI/nothing.png\nerror LoadAnimIm data/UI/nostrip.png\n");
}

TEST_F(InFolder, TheBackgroundFollowsTheFurthestOpenPosition) {
    WritePicture("data/bg/menubgalt.jpg", 30, 8, 1);
    WritePicture("data/bg/bg1.jpg", 10, 8, 1);
    WritePicture("data/bg/bg2.jpg", 20, 8, 1);
    WritePicture("data/bg/bg12.jpg", 120, 8, 1);
    struct { int player, unlocked, width; } cases[] = {
        {-1, 50, 30}, {2, 0, 30}, {2, 1, 10}, {2, 10, 10}, {2, 11, 20}, {2, 20, 20},
        {2, 111, 120}, {2, 120, 120}, {2, 121, 30},
    };
    for (const auto& c : cases) {
        currentPlayer = c.player;
        players[2].playerUnlocked = c.unlocked;
        LoadBackgroundImage();
        ASSERT_NE(screenBackground, nullptr) << "unlocked " << c.unlocked;
        EXPECT_EQ(ImageWidth(screenBackground), c.width) << "player " << c.player << " unlocked " << c.unlocked;
        EXPECT_EQ(ImageHandleX(screenBackground), 0.0f);
    }
    currentPlayer = -1;
    players[2] = TPlayerProfile{};
    FreeImage(screenBackground);
}

TEST_F(InFolder, AFrameBeyondTheLastIsNotDrawn) {
    TImage strip = MakeImage(2, 2, 149);
    ASSERT_NE(strip, nullptr);
    for (int frame = 146; frame <= 148; frame++)
        for (int y = 0; y < 2; y++)
            for (int x = 0; x < 2; x++) SetImagePixel(strip, frame, x, y, 0xFFFFFFFFu);
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    SetBlend(BLEND_SOLID);
    SetDrawScale(1, 1);
    SetDrawRotation(0);
    SetClearColor(0, 0, 0);
    Cls();
    DrawPictureFrame(strip, 100, 100, 148, 147);
    DrawPictureFrame(strip, 200, 100, -1, 147);
    DrawPictureFrame(strip, 300, 100, 147, 147);
    std::vector<uint32_t> pixels;
    int width = 0, height = 0;
    ASSERT_EQ(ReadScreenPixels(pixels, width, height), 1);
    EXPECT_EQ(pixels[100 * width + 100] & 0xFFFFFFu, 0u) << "frame 148 of 0..147";
    EXPECT_EQ(pixels[100 * width + 200] & 0xFFFFFFu, 0u) << "frame -1";
    EXPECT_EQ(pixels[100 * width + 300] & 0xFFFFFFu, 0xFFFFFFu) << "frame 147 is drawn";
    FreeImage(strip);
}

static std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

static int Says(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// With every picture folder gone the game still starts; the interface and
// menu pictures are optional and stay quiet, and the power-up pictures must
// not leave auto-centring on for the pictures loaded after them.
TEST(AssetOrder, WithNoPicturesAtAllTheGameStillStarts) {
    std::string work = DriverMakeWorkFolder({"UI", "ui", "bg", "effects", "fishes", "pu", "puzzles", "match3", "texts"});
    DriverOptions options;
    options.workFolder = work;
    testing::internal::CaptureStdout();
    int started = DriverStart(options);
    std::vector<std::string> lines = Lines(testing::internal::GetCapturedStdout());
    ASSERT_EQ(started, 1);
    EXPECT_TRUE(Says(lines, "error LoadIm data/UI/cursor.png"));
    EXPECT_FALSE(Says(lines, "error LoadIm data/UI/coll2.png")) << "interface pictures load silently";
    EXPECT_FALSE(Says(lines, "error LoadIm data/ui/menuborderleft.png")) << "menu pictures load silently";
    EXPECT_EQ(AutoCentre(), 0) << "auto-centring is off after the power-up pictures";
    DriverStop();
}

// The big pictures decoded ahead are the ones the start-up loads: a list out of
// step with the loaders would decode for nothing.
TEST(AssetOrder, TheStartUpLoadsEveryPictureItDecodesAhead) {
    DriverOptions options;
    options.showSplash = 1;
    ASSERT_EQ(DriverStart(options), 1);
    EXPECT_EQ(StartUpPicturesUnused(), 0);
    EXPECT_EQ(gameScreen, SCREEN_SPLASH);
    DriverStop();
}

TEST(AssetOrder, WithoutThePointerPictureTheGameRunsAndSaysSoOnce) {
    std::string work = DriverMakeWorkFolder({"UI/cursor.png", "ui/cursor.png"});
    DriverOptions options;
    options.workFolder = work;
    testing::internal::CaptureStdout();
    int started = DriverStart(options);
    EnterMap();
    DriverFrames(40);
    std::vector<std::string> lines = Lines(testing::internal::GetCapturedStdout());
    ASSERT_EQ(started, 1);
    int count = 0;
    for (const std::string& line : lines) count += line == "error LoadIm data/UI/cursor.png";
    EXPECT_EQ(count, 1);
    EXPECT_EQ(pointerImage, nullptr);
    EXPECT_EQ(gameScreen, SCREEN_MAP);
    EXPECT_EQ(quitRequested, 0);
    DriverStop();
}
