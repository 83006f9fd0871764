// Figures of the game: the time from process start to the first shown frame,
// the CPU time of one frame on the menu, the stage map and a level with a
// full board, the pacing of the frames, the resident memory at 10 s and at
// its peak, the time of one profile save, written and skipped, and a
// worst-case frame: the level with every cell mossed and the particle, glow
// and fish pools full.
//   glimmerdeep_bench window [run folder]    in a real window, in real time
//   glimmerdeep_bench headless [run folder]  SDL's dummy drivers, virtual time
// A third argument gives the number of menu frames, a fourth that of the
// level's, the stage map's and the worst case's frames (short runs under a
// profiler; 0: the menu only).
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
#include <utility>

#include "effects/effects.h"
#include "match3/board_draw.h"
#include "menus/menu.h"
#include "map/map.h"
#include "menus/profiles.h"
#include "platform/platform.h"
#include "shell/assets.h"
#include "shell/shell.h"
#include "tables/board_art_tables.h"
#include "tables/board_tables.h"
#include "tables/effect_tables.h"
#include "tables/game_tables.h"
#include "tables/map_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/bench/bench_measure.h"
#include "tests/board_driver.h"
#include "tests/test_support.h"

namespace {

int MENU_FRAMES = 2000;          // 50 s at 40 frames per second
int LEVEL_FRAMES = 400;
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

// The start of a pass on the level: the input and the stage background.
void BeginLevelPass() {
    Cls();
    PumpEvents();
    SetViewport(0, 0, 1024, 768);
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    SetBlend(BLEND_SOLID);
    DrawPicture(levelBackground, 0, 0);
}

// One pass as the game screen would run it: the background, the board, shown.
void LevelPass(int sync) {
    BeginLevelPass();
    BoardFrame();
    Flip(sync);
    Wait(frameTimer);
}

// ---- the stage map, as a player a third of the way through sees it

void MeasureMap(const std::string& mode, int window) {
    ResetProfile(1);
    players[1].playerName = u"Bench";
    players[1].playerUnlocked = 40;
    currentPlayer = 1;
    EnterMap();
    for (int i = 0; i < WARM_FRAMES; i++) RunLoopPass(window);   // the map fades in first
    TFrameFigures map;
    for (int i = 0; i <= LEVEL_FRAMES; i++) {
        RunLoopPass(window);
        CountShownFrame(map);
    }
    if (gameScreen != SCREEN_MAP) std::printf("note: the map was left during the run (screen %d)\n", gameScreen);
    PrintFrameFigures(mode + " stage map", map, window);
}

// ---- the worst case: every pool full, every cell mossed

int WORST_FRAMES = 400;

// Fills whatever the last frame freed: a mix of every kind that only moves
// and fades, glows rising from the bottom and fish from both sides.
void TopUpPools() {
    static const int kinds[] = {PK_SPARKLE + 3, PK_SPARK + 5, PK_BIG_SPARK + 2, PK_GLOW_FADE + 7, PK_FLASH + 1,
                                PK_DIRT + 3, PK_PULSE + 9, PK_BOMB_FLARE, PK_STAR + 4, PK_VANISH + 2,
                                PK_HOLDER_FLASH + 1};
    for (int n = 0;; n++) {
        const int kind = kinds[n % (sizeof kinds / sizeof kinds[0])];
        if (SpawnParticle(static_cast<float>(RandomInt(100, 924)), static_cast<float>(RandomInt(100, 668)), kind,
                          RandomInt(-30, 30) * 0.1f, RandomInt(-30, 30) * 0.1f) == 0)
            break;
    }
    while (SpawnGlow(static_cast<float>(RandomInt(0, 1024)), 768.0f, RandomInt(300, 1500), RandomInt(1, 9)) > 0) {
    }
    for (int i = 1; i < FLYER_SLOTS; i++) {
        if (flyers[i].kind != 0) continue;
        const int left = RandomInt(0, 1);
        SpawnFlyer(static_cast<float>(left ? RandomInt(-200, -100) : RandomInt(1100, 1200)),
                   static_cast<float>(RandomInt(200, 600)), static_cast<float>(RandomInt(7, 10)), RandomInt(13, 16));
    }
}

void MossEveryCell() {
    for (int c = 1; c < BOARD_SLOTS; c++) {
        if (cells[c].exists) cells[c].isMoss = 1;
    }
}

// One pass of the worst case; the board's own frame flies the particles.
void WorstPass(int sync) {
    BeginLevelPass();
    SetBlend(BLEND_ALPHA);
    UpdateFlyers();
    TopUpPools();
    MossEveryCell();
    BoardFrame();
    UpdateGlows(1.0f);
    Flip(sync);
    Wait(frameTimer);
}

// The pictures the effects draw, taken away and given back, so that the same
// frames measure the game's logic alone.
struct TEffectPictures {
    Table<TImage, EFFECT_COLOURS> sparkle, glowBlob, dirt;
    TImage bombFlare = nullptr, glowStar = nullptr, dynamite = nullptr;
    Table<Table<TImage, FISH_FRAMES>, FISH_KINDS> fish;
    Table<TImage, POWERUP_IMAGES> holder;
    Table<Table<TImage, ITEM_ART_KINDS>, ITEM_SETS> itemArt;
};

void SwapEffectPictures(TEffectPictures& kept) {
    std::swap(kept.sparkle, sparkleImages);
    std::swap(kept.glowBlob, glowBlobImages);
    std::swap(kept.dirt, dirtImages);
    std::swap(kept.bombFlare, bombFlareImage);
    std::swap(kept.glowStar, glowStarImage);
    std::swap(kept.dynamite, dynamiteImage);
    std::swap(kept.fish, fishImage);
    std::swap(kept.holder, holderImage);
    std::swap(kept.itemArt, itemArtImage);
}

void MeasureWorstCase(const std::string& mode, int window) {
    MossEveryCell();
    // Logic: the board's rules without drawing, the effects with no pictures.
    TEffectPictures none;
    SwapEffectPictures(none);
    boardDrawn = 0;
    double logicCpu = 0.0;
    for (int i = 0; i < WORST_FRAMES; i++) {
        double before = CpuSeconds();
        UpdateFlyers();
        TopUpPools();
        MossEveryCell();
        BoardFrame();
        UpdateGlows(1.0f);
        logicCpu += CpuSeconds() - before;
    }
    SwapEffectPictures(none);
    boardDrawn = 1;
    std::printf("%s worst case: game logic %.3f ms/frame (%d particles, glows and fish topped up each frame)\n",
                mode.c_str(), logicCpu * 1000.0 / WORST_FRAMES, PARTICLE_LAST_SLOT);
    TFrameFigures worst;
    for (int i = 0; i <= WORST_FRAMES; i++) {
        WorstPass(window);
        CountShownFrame(worst);
    }
    PrintFrameFigures(mode + " worst case, whole frame", worst, window);
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
    if (argc > 4) LEVEL_FRAMES = WORST_FRAMES = std::max(0, std::atoi(argv[4]));

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
    SeedRandom(1);   // the same glows, fish and particles in every run, so runs compare
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
    if (LEVEL_FRAMES == 0) {
        PlatformShutdown();
        std::error_code ignored;
        std::filesystem::remove_all(pattern, ignored);
        return 0;
    }

    MeasureMap(std::string(mode), window);
    StartBenchLevel();
    TFrameFigures level;
    for (int i = 0; i < WARM_FRAMES; i++) LevelPass(window);
    for (int i = 0; i <= LEVEL_FRAMES; i++) {
        LevelPass(window);
        CountShownFrame(level);
    }
    PrintFrameFigures(std::string(mode) + " level with a full board", level, window);
    MeasureWorstCase(mode, window);
    std::printf("%s: peak resident memory %.1f MB\n", mode, PeakResidentMegabytes());
    PlatformShutdown();
    std::error_code ignored;
    std::filesystem::remove_all(pattern, ignored);
    return 0;
}
