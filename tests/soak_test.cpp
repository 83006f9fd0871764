// A long run of the whole game with a random player: clicks and drags
// anywhere, on the buttons and on the board, typed names, Escape, Enter, the
// developer keys, the close box and the focus lost and regained. It must not
// crash, must never index a table out of range, and must keep its memory flat.
// `make test` runs a short fixed game; `make soak` a long one
// (GLD_SOAK_FRAMES, GLD_SOAK_SEED; GLD_SOAK_REPORT frames between the memory
// figures, 10 000 by default).
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

#include "platform/platform.h"
#include "tables/board_geometry.h"
#include "tables/shell_tables.h"
#include "tables/sizes.h"
#include "tables/table.h"
#include "tests/driver.h"

namespace {

int EnvironmentNumber(const char* name, int otherwise) {
    const char* text = std::getenv(name);
    int value = text ? std::atoi(text) : 0;
    return value > 0 ? value : otherwise;
}

long ResidentKilobytes() {
    FILE* file = std::fopen("/proc/self/statm", "r");
    if (!file) return -1;
    long size = 0, resident = 0;
    int read = std::fscanf(file, "%ld %ld", &size, &resident);
    std::fclose(file);
    return read == 2 ? resident * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

// Where a player's clicks land most: the buttons of the dialogs, the menu's
// play button and bottom row (but its quit: the close box and random clicks
// quit often enough), the player list's rows.
const int BUTTON_SPOTS[][2] = {
    {422, 494}, {427, 494}, {512, 494}, {597, 494}, {602, 494}, {512, 480}, {88, 741},  {244, 741},
    {780, 741}, {671, 569}, {400, 230}, {400, 290}, {512, 384}, {900, 60},  {120, 700},
};

struct TRandomPlayer {
    std::mt19937 chance;
    int dragFrames = 0;     // frames left of a press being held
    int dragStepX = 0, dragStepY = 0;
    int x = 512, y = 384;
    int keyFrames = 0, heldKey = 0;
    int awayFrames = 0;     // frames left without the focus

    int Roll(int low, int high) { return std::uniform_int_distribution<int>(low, high)(chance); }

    void PressAt(int px, int py, int frames, int stepX, int stepY) {
        DriverPointer(x = px, y = py);
        DriverButton(1, 1);
        dragFrames = frames, dragStepX = stepX, dragStepY = stepY;
    }
    void HoldKey(int key, int frames) {
        DriverKey(heldKey = key, 1);
        keyFrames = frames;
    }

    // One frame's worth of input: goes on with what is under way, or starts
    // something new.
    void Act() {
        if (dragFrames > 0) {
            x = std::clamp(x + dragStepX, 0, 1023);
            y = std::clamp(y + dragStepY, 0, 767);
            DriverPointer(x, y);
            if (--dragFrames == 0) DriverButton(1, 0);
            return;
        }
        if (keyFrames > 0) {
            if (--keyFrames == 0) DriverKey(heldKey, 0);
        } else if (awayFrames > 0) {
            if (--awayFrames == 0) DriverFocus(1);
        } else {
            StartSomething();
        }
    }

    void StartSomething() {
        int roll = Roll(0, 999);
        if (roll < 200) return;
        if (roll < 420) {
            PressAt(Roll(0, 1023), Roll(0, 767), 1, 0, 0);
        } else if (roll < 500) {
            PressAt(Roll(0, 1023), Roll(0, 767), Roll(2, 30), Roll(-40, 40), Roll(-40, 40));
        } else if (roll < 680) {
            // in a story mostly the skip button: its menu button would end
            // most stories long before their end
            if (gameScreen == SCREEN_STORY && Roll(0, 3) > 0) {
                PressAt(937 + Roll(-12, 12), 741 + Roll(-8, 8), 1, 0, 0);
                return;
            }
            const int* spot = BUTTON_SPOTS[Roll(0, sizeof BUTTON_SPOTS / sizeof *BUTTON_SPOTS - 1)];
            PressAt(spot[0] + Roll(-12, 12), spot[1] + Roll(-8, 8), 1, 0, 0);
        } else if (roll < 860) {
            // a cell of the board, clicked or dragged a cell or two along
            int cx = CellCentreX(Roll(1, LEVEL_COLS)), cy = CellCentreY(Roll(1, LEVEL_ROWS));
            if (Roll(0, 1)) PressAt(cx, cy, 1, 0, 0);
            else PressAt(cx, cy, Roll(2, 12), Roll(-1, 1) * CELL_SPACING / 4, Roll(-1, 1) * CELL_SPACING / 4);
        } else if (roll < 885) {
            std::u16string name;
            for (int n = Roll(1, 15); n > 0; n--) name.push_back(static_cast<char16_t>(Roll(0, 9) ? Roll('a', 'z') : Roll(1, 255)));
            DriverType(name);
        } else if (roll < 900) {
            DriverType(u"\b");
        } else if (roll < 920) {
            HoldKey(KEY_ESCAPE, Roll(1, 3));
        } else if (roll < 940) {
            HoldKey(KEY_ENTER, Roll(1, 3));
        } else if (roll < 945) {
            HoldKey(KEY_SPACE, 1);
        } else if (roll < 955) {
            DriverFocus(0);
            awayFrames = Roll(1, 80);
        } else if (roll < 975) {
            HoldKey(KEY_F3, Roll(1, 60));   // developer mode on the title, a won level in play
        } else if (roll < 977) {
            HoldKey(KEY_F4, 1);
        } else if (roll < 980) {
            HoldKey(KEY_F1, Roll(1, 20));
        } else if (roll < 981) {
            DriverCloseBox();
        } else if (roll < 990) {
            DriverPointer(Roll(0, 1023), Roll(0, 767));
            DriverButton(2, 1);
            DriverFrames(1);
            DriverButton(2, 0);
        }
    }
};

const char* WINDOW_SETTINGS = "0\r\n200\r\n200\r\n-1\r\n0\r\n5\r\n1\r\n";

}  // namespace

TEST(Soak, ARandomPlayerNeverCrashesNorIndexesATableOutOfRange) {
    const int frames = EnvironmentNumber("GLD_SOAK_FRAMES", 3000);
    const uint32_t seed = static_cast<uint32_t>(EnvironmentNumber("GLD_SOAK_SEED", 1));
    const int reportEvery = EnvironmentNumber("GLD_SOAK_REPORT", 10000);
    DriverOptions options;
    options.settings = WINDOW_SETTINGS;
    options.seed = seed;
    options.showSplash = 1;   // every start goes through the branding pages, as a player's does
    ASSERT_EQ(DriverStart(options), 1);
    TRandomPlayer player;
    player.chance.seed(seed);
    std::map<int, int> screenFrames;
    long outOfRangeBefore = tableOutOfRangeCount;
    long residentEarly = -1, residentLast = -1;
    int starts = 1;
    for (int frame = 1; frame <= frames; frame++) {
        player.Act();
        DriverFrames(1);
        screenFrames[gameScreen]++;
        if (quitRequested == 1) {   // quit: started again on the same save folder
            DriverOptions again;
            again.seed = seed + static_cast<uint32_t>(frame);
            again.keepSaveFolder = 1;
            again.showSplash = 1;
            ASSERT_EQ(DriverStart(again), 1) << "the game did not start again at frame " << frame;
            player.dragFrames = player.keyFrames = player.awayFrames = 0;
            starts++;
        }
        ASSERT_EQ(tableOutOfRangeCount, outOfRangeBefore) << "a table was indexed out of range at frame " << frame;
        if (frame % reportEvery == 0) {
            residentLast = ResidentKilobytes();
            if (frame == 20000) residentEarly = residentLast;
            std::printf("frame %d: resident %ld kB, screen %d, %d starts\n", frame, residentLast, gameScreen, starts);
            std::fflush(stdout);
        }
    }
    DriverStop();
    std::string seen;
    for (const auto& [screen, count] : screenFrames) seen += " " + std::to_string(screen) + ":" + std::to_string(count);
    std::printf("%d frames, %d starts; frames per screen:%s\n", frames, starts, seen.c_str());
    // Once every screen's pictures are loaded the memory stays flat: the last
    // figure within a few pictures' worth of the one at 20 000 frames.
    if (residentEarly > 0) {
        EXPECT_LT(residentLast - residentEarly, 32 * 1024) << "the resident memory keeps growing";
    }
}
