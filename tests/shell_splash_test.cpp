// The branding pages from "data/branding/splashconfig.txt" and the title
// animation that follows them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/writers/writers.h"
#include "shell/shell.h"
#include "shell/splash.h"
#include "shell/title.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"
#include "tests/test_support.h"

// A game whose branding folder holds `config` and two small pictures.
static int StartWithSplash(const std::string& config) {
    std::string work = DriverMakeWorkFolder({"branding"});
    MakeFolder(work + "data/branding", 1);
    std::vector<uint32_t> pixels(8 * 8, 0xFFFFFFFFu);
    SavePng(work + "data/branding/a.png", 8, 8, pixels);
    SavePng(work + "data/branding/b.png", 8, 8, pixels);
    if (!config.empty()) WriteWholeFile(work + "data/branding/splashconfig.txt", config);
    DriverOptions options;
    options.workFolder = work;
    options.showSplash = 1;
    return DriverStart(options);
}

static const char* TWO_PAGES =
    "page=1\r\nfile=a.png\r\ntime=80\r\nskip=false\r\n;---\r\n"
    "page=2\r\nfile=b.png\r\ntime=0\r\nskip=true\r\n;---\r\n"
    "page=3\r\nfile=none\r\n";

// Two pages read from the configuration, then played through: F3 switches
// developer mode on, the timed page ends by itself and cannot be skipped, the
// skippable one waits for the first skip key and the title follows.
TEST(Splash, ThePagesAreReadAndEndByTimeOrSkipKeyAndTheTitleFollows) {
    ASSERT_EQ(StartWithSplash(TWO_PAGES), 1);
    EXPECT_EQ(gameScreen, SCREEN_SPLASH);
    EXPECT_EQ(splashPage, 1);
    EXPECT_EQ(splashPageCount, 2) << "only pages with a picture count";
    ASSERT_NE(splashImages[1], nullptr);
    EXPECT_EQ(ImageHandleX(splashImages[1]), 4.0f);
    EXPECT_NE(splashImages[2], nullptr);
    EXPECT_EQ(splashImages[3], nullptr);

    DriverFrames(5);
    EXPECT_EQ(developerMode, 0);
    DriverKey(KEY_F3, 1);
    DriverFrames(1);
    EXPECT_EQ(developerMode, 1);
    DriverKey(KEY_F3, 0);

    DriverKey(KEY_ESCAPE, 1);
    DriverFrames(73);
    EXPECT_EQ(fadeState, FADE_IN) << "page 1 has no skip";
    DriverKey(KEY_ESCAPE, 0);
    DriverFrames(1);
    EXPECT_EQ(fadeState, FADE_OUT) << "frame 80 ends the page";
    DriverFrames(17);
    EXPECT_EQ(gameScreen, SCREEN_SPLASH);
    EXPECT_EQ(splashPage, 2);

    DriverFrames(200);
    EXPECT_EQ(gameScreen, SCREEN_SPLASH) << "time 0 never ends by itself";
    DriverKey(KEY_SPACE, 1);
    DriverFrames(1);
    EXPECT_EQ(nextScreen, SCREEN_TITLE);
    DriverKey(KEY_SPACE, 0);
    DriverFrames(17);
    EXPECT_EQ(gameScreen, SCREEN_TITLE);
    DriverStop();
}

TEST(Splash, LinesAfterTheTwentyNinthAreIgnored) {
    std::string config = "file=a.png\r\n";
    for (int i = 2; i <= 28; i++) config += "note=filler\r\n";
    config += "skip=true\r\n";      // line 29
    config += "time=3\r\n";         // line 30
    ASSERT_EQ(StartWithSplash(config), 1);
    EXPECT_EQ(splashPages[1].skip, 1);
    DriverFrames(20);
    EXPECT_EQ(fadeState, FADE_IN);
    DriverStop();
}

// The pages shown until the title comes, each page number once.
static std::vector<int> PagesUntilTheTitle(int frames) {
    std::vector<int> pages;
    for (int i = 0; i < frames && gameScreen == SCREEN_SPLASH; i++) {
        if (pages.empty() || pages.back() != splashPage) pages.push_back(splashPage);
        DriverFrames(1);
    }
    return pages;
}

TEST(Splash, NobodyIsHeldOnAPageThatCannotBeShownOrEnded) {
    std::string sevenPages;
    for (int p = 1; p <= 7; p++) sevenPages += "file=a.png\r\ntime=2\r\n;---\r\n";
    // The seventh page has no slot; the page after a trailing ";---" has no
    // time and no skip.
    const struct { std::string config; std::vector<int> pages; } cases[] = {
        {sevenPages, {1, 2, 3, 4, 5, 6}},
        {"file=a.png\r\ntime=2\r\n;---\r\nfile=b.png\r\ntime=2\r\n;---\r\n", {1, 2}},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(StartWithSplash(c.config), 1);
        EXPECT_EQ(splashPageCount, static_cast<int>(c.pages.size()));
        EXPECT_EQ(PagesUntilTheTitle(400), c.pages);
        EXPECT_EQ(gameScreen, SCREEN_TITLE);
        DriverStop();
    }

    // Such a page in the middle is passed over, like a page set to "none".
    ASSERT_EQ(StartWithSplash("file=a.png\r\ntime=2\r\n;---\r\nfile=b.png\r\n;---\r\n"
                              "file=none\r\ntime=2\r\n;---\r\nfile=b.png\r\nskip=true\r\n"), 1);
    EXPECT_EQ(splashPageCount, 2);
    DriverFrames(30);
    EXPECT_EQ(splashPage, 4);
    DriverKey(KEY_ENTER, 1);
    EXPECT_EQ(PagesUntilTheTitle(100), std::vector<int>({4}));
    EXPECT_EQ(gameScreen, SCREEN_TITLE);
    DriverKey(KEY_ENTER, 0);
    DriverStop();
}

TEST(Splash, WithoutAConfigurationTheTitleComesFirst) {
    ASSERT_EQ(StartWithSplash(""), 1);
    EXPECT_EQ(gameScreen, SCREEN_TITLE);
    EXPECT_EQ(fadeState, FADE_IN);
    DriverStop();
}

// Neither keys nor clicks shorten the title's 430 frames or reach the menu,
// which comes without a fade and releases the loading pictures.
TEST(Title, TheMenuFollowsAt430AndNoTitleInputReachesIt) {
    ASSERT_EQ(StartWithSplash(""), 1);
    DriverKey(KEY_ESCAPE, 1);
    DriverClick(512, 384);
    while (titleFrame < 200) DriverFrames(1);
    for (int i = 0; i < 3; i++) {
        DriverButton(1, 1);
        DriverButton(1, 0);
    }
    DriverFrames(229);
    EXPECT_EQ(gameScreen, SCREEN_TITLE);
    EXPECT_EQ(titleFrame, 429);
    // Stand-ins, so that their release can be seen whatever the data holds.
    for (TImage* image : {&loadBackImage, &loadFillImage, &loadBarImage}) {
        FreeImage(*image);
        *image = MakeImage(2, 2, 1);
    }
    DriverFrames(1);
    EXPECT_EQ(gameScreen, SCREEN_MENU);
    EXPECT_EQ(prevScreen, SCREEN_TITLE);
    EXPECT_EQ(fadeLevel, 256) << "no fade into the menu";
    EXPECT_EQ(loadBackImage, nullptr);
    EXPECT_EQ(loadFillImage, nullptr);
    EXPECT_EQ(loadBarImage, nullptr);
    EXPECT_EQ(inputEnabled, 1);
    DriverKey(KEY_ESCAPE, 0);
    DriverFrames(1);
    EXPECT_EQ(mouseHitLeft, 0) << "no click of the title reaches the menu";
    DriverButton(1, 1);
    DriverFrames(1);
    EXPECT_EQ(mouseHitLeft, 1) << "the menu hears its own clicks";
    DriverButton(1, 0);
    DriverStop();
}
