// Figures of the game: the time from process start to the first shown frame,
// the CPU time of one frame on the menu and on a level with a full board, the
// pacing of the frames, the resident memory at 10 s and the time of one
// profile save, written and skipped.
//   glimmerdeep_bench window [run folder]    in a real window, in real time
//   glimmerdeep_bench headless [run folder]  SDL's dummy drivers, virtual time
// A third argument gives the number of menu frames.
// In the window the pictures are drawn the way the platform chooses for a
// real window; headless they go through the logical screen texture.
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "match3/board_draw.h"
#include "menus/menu.h"
#include "menus/profiles.h"
#include "platform/platform.h"
#include "shell/assets.h"
#include "shell/shell.h"
#include "tables/board_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/bench/bench_measure.h"
#include "tests/board_driver.h"
#include "tests/test_support.h"

namespace {

int MENU_FRAMES = 2000;          // 50 s at 40 frames per second
const int LEVEL_FRAMES = 400;
const int WARM_FRAMES = 60;      // the board fades in first

TImage levelBackground = nullptr;

// One save of a changed profile (through the synced writer), and one of an
// unchanged profile, which the menu repeats on every frame and which writes
// nothing.
void PrintProfileSaveFigures(const char* mode) {
    const int written = 100, skipped = 10000;
    players[1].playerName = u"Bench";
    double start = ClockSeconds(CLOCK_MONOTONIC);
    for (int i = 0; i < written; i++) {
        players[1].playerScore = i + 1;
        SaveProfile(1);
    }
    double writtenMs = 1000.0 * (ClockSeconds(CLOCK_MONOTONIC) - start) / written;
    start = ClockSeconds(CLOCK_MONOTONIC);
    for (int i = 0; i < skipped; i++) SaveProfile(1);
    double skippedMs = 1000.0 * (ClockSeconds(CLOCK_MONOTONIC) - start) / skipped;
    std::printf("%s: profile save %.3f ms written, %.4f ms skipped (unchanged)\n", mode, writtenMs, skippedMs);
}

// The level position whose board has the most cells.
int FullestLevel() {
    int best = 1, bestCells = 0;
    for (int position = 1; position <= 120; position++) {
        if (position % 10 == 0) continue;   // the stages' picture puzzles
        int cells = BoardLoadLevel(position);
        if (cells > bestCells) {
            best = position;
            bestCells = cells;
        }
    }
    return best;
}

// The board of that level in swap mode, with its stage background, ready to draw.
int StartBenchLevel() {
    int position = FullestLevel();
    BoardStart(MODE_SWAP, 1, position, 1);
    int cells = BoardLoadLevel(position);
    ComposeBoardImage();
    levelBackground = LoadPicture("data/bg/bg" + TextFromInt((position - 1) / 10 + 1) + ".jpg");
    std::printf("level: position %d, %d cells, background and board drawn by RunBoardFrame\n", position, cells);
    return position;
}

// One pass as the game screen would run it: the background, the board, shown.
void LevelPass(int sync) {
    Cls();
    PumpEvents();
    SetViewport(0, 0, 1024, 768);
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    SetBlend(BLEND_SOLID);
    DrawPicture(levelBackground, 0, 0);
    BoardFrame();
    Flip(sync);
    Wait(frameTimer);
}

void WriteWindowSettings(const std::string& saveBase) {
    std::string folder = saveBase + "/Orvane/Glimmerdeep-v-0-0-2/";
    MakeFolder(folder, 1);
    // The 800 x 600 window, sound at full volume, no player, the game's pointer.
    WriteWholeFile(folder + "settings.txt", "0\r\n280\r\n280\r\n-1\r\n0\r\n5\r\n1\r\n");
}

}  // namespace

int main(int argc, char** argv) {
    SinceProcessStartMs();   // reads the process start once
    int window = argc > 1 && std::strcmp(argv[1], "window") == 0;
    if (!window) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_RENDER_DRIVER", "software", 0);
    }
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    char pattern[] = "/tmp/gld-bench-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    setenv("XDG_DATA_HOME", pattern, 1);
    WriteWindowSettings(pattern);
    if (chdir(argc > 2 ? argv[2] : GLD_RUN_DIR) != 0) std::printf("note: no run folder, pictures will be missing\n");
    const char* mode = window ? "window" : "headless";
    if (argc > 3) MENU_FRAMES = std::max(1, std::atoi(argv[3]));

    if (!window) UseVirtualTime(1);
    double beforeStartUp = SinceProcessStartMs();
    int ready = PrepareGame();
    double afterStartUp = SinceProcessStartMs();
    if (ready != GAME_READY) {
        std::printf("start-up did not finish (result %d); is the data folder built?\n", ready);
        std::error_code ignored;
        std::filesystem::remove_all(pattern, ignored);
        return 1;
    }
    RunLoopPass(window);
    std::printf("%s, renderer %s, %s: process start to first shown frame %.1f ms\n", mode, RendererName().c_str(),
                ScreenPath() == SCREEN_PATH_WINDOW ? "straight to the window" : "through the screen texture",
                SinceProcessStartMs());
    std::printf("%s: of which before main %.1f ms, the game's start-up %.1f ms\n", mode, beforeStartUp,
                afterStartUp - beforeStartUp);

    EnterMainMenu();
    TFrameFigures menu;
    double memoryAt10 = -1.0;
    for (int i = 0; i <= MENU_FRAMES || (window && memoryAt10 < 0.0); i++) {
        RunLoopPass(window);
        if (i <= MENU_FRAMES) CountShownFrame(menu);
        if (window && memoryAt10 < 0.0 && SinceProcessStartMs() >= 10000.0) memoryAt10 = ResidentMegabytes();
    }
    PrintFrameFigures(std::string(mode) + " menu", menu, window);
    if (window) std::printf("%s: resident memory at 10 s %.1f MB\n", mode, memoryAt10);
    else std::printf("%s: resident memory after the menu %.1f MB\n", mode, ResidentMegabytes());

    PrintProfileSaveFigures(mode);

    StartBenchLevel();
    TFrameFigures level;
    for (int i = 0; i < WARM_FRAMES; i++) LevelPass(window);
    for (int i = 0; i <= LEVEL_FRAMES; i++) {
        LevelPass(window);
        CountShownFrame(level);
    }
    PrintFrameFigures(std::string(mode) + " level with a full board", level, window);
    PlatformShutdown();
    std::error_code ignored;
    std::filesystem::remove_all(pattern, ignored);
    return 0;
}
