#include "tests/driver.h"

#include <unistd.h>

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "platform/platform.h"
#include "shell/replay.h"
#include "shell/shell.h"
#include "shell/title.h"
#include "tables/shell_tables.h"
#include "tests/test_support.h"

namespace fs = std::filesystem;

static std::string runSaveBase;
static std::string originalFolder;
static int gameRunning = 0;

static std::string LevelFile(int level) {
    char name[64];
    std::snprintf(name, sizeof name, "data/levelz/m3/lvla%03d.lvl", level);
    return name;
}

// A working folder that sees the run folder's data; blank level files stand in
// when the real ones are not built. Made once per test program.
static std::string DefaultWorkFolder() {
    static std::string folder;
    if (!folder.empty()) return folder;
    std::string run = std::string(GLD_RUN_DIR) + "/";
    int built = 1;
    for (int level = 1; level <= 108; level++) built = built && FileSize(run + LevelFile(level)) >= 1200;
    if (built) return folder = run;
    folder = MakeTempFolder("work");
    std::error_code ignored;
    fs::create_directories(folder + "data/levelz/m3", ignored);
    if (fs::is_directory(run + "data")) {
        for (const auto& entry : fs::directory_iterator(run + "data", ignored)) {
            std::string name = entry.path().filename().string();
            if (name == "levelz") continue;
            fs::create_directory_symlink(entry.path(), folder + "data/" + name, ignored);
        }
    }
    if (fs::exists(run + "icon32.ico")) fs::create_symlink(run + "icon32.ico", folder + "icon32.ico", ignored);
    for (int level = 1; level <= 108; level++) WriteWholeFile(folder + LevelFile(level), std::string(1200, '\0'));
    return folder;
}

static std::string Lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

static int IsHidden(const std::vector<std::string>& hidden, const std::string& name) {
    for (const std::string& entry : hidden)
        if (Lowered(entry) == Lowered(name)) return 1;
    return 0;
}

std::string DriverMakeWorkFolder(const std::vector<std::string>& hidden) {
    std::string base = DefaultWorkFolder();
    std::string folder = MakeTempFolder("work");
    std::error_code ignored;
    fs::create_directories(folder + "data", ignored);
    if (fs::exists(base + "icon32.ico")) fs::create_symlink(base + "icon32.ico", folder + "icon32.ico", ignored);
    for (const auto& top : fs::directory_iterator(base + "data", ignored)) {
        std::string name = top.path().filename().string();
        if (IsHidden(hidden, name)) continue;
        if (!fs::is_directory(top.path())) {
            fs::create_symlink(fs::canonical(top.path(), ignored), folder + "data/" + name, ignored);
            continue;
        }
        fs::create_directories(folder + "data/" + name, ignored);
        for (const auto& entry : fs::directory_iterator(top.path(), ignored)) {
            std::string inner = entry.path().filename().string();
            if (IsHidden(hidden, name + "/" + inner)) continue;
            fs::create_symlink(fs::canonical(entry.path(), ignored), folder + "data/" + name + "/" + inner, ignored);
        }
    }
    return folder;
}

// Forgets input left over from an earlier run.
static void ResetPlatformInput() {
    SetInputRecorder(nullptr);
    for (int button = 1; button <= 3; button++) InjectMouseButton(button, 0);
    ClearKeys();
    while (NextAppEvent() != 0) {}
    AppCloseRequested();
    while (NextTypedChar() != 0) {}
}

int DriverStart(const DriverOptions& options) {
    if (gameRunning) DriverStop();
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("SDL_RENDER_DRIVER", "software", 0);
    if (!options.keepSaveFolder || runSaveBase.empty()) {
        std::error_code ignored;
        if (!runSaveBase.empty()) fs::remove_all(runSaveBase, ignored);
        runSaveBase = MakeTempFolder("driver-save");
    }
    setenv("XDG_DATA_HOME", runSaveBase.c_str(), 1);
    if (!options.settings.empty()) {
        std::string folder = runSaveBase + "Orvane/Glimmerdeep-v-0-0-2/";
        MakeFolder(folder, 1);
        WriteWholeFile(folder + "settings.txt", options.settings);
    }
    char here[4096];
    originalFolder = getcwd(here, sizeof here) ? here : ".";
    std::string work = options.workFolder.empty() ? DefaultWorkFolder() : options.workFolder;
    if (chdir(work.c_str()) != 0) PrintError("driver: no working folder " + work);
    PlatformInit();
    UseVirtualTime(1);
    ResetPlatformInput();
    gameRunning = 1;
    int result = PrepareGame();
    if (!options.showSplash && gameScreen == SCREEN_SPLASH) EnterTitle();
    // Every run starts on a whole second of the process-long timers, so the
    // frame-rate count is the same in every run, alone or after other tests.
    Wait(secondsTimer);
    Wait(secondsTimer);
    Wait(frameTimer);
    SeedRandom(options.seed);
    return result;
}

// Music decoded in the background is in before the next frame, so a
// scripted game hears the same at the same frame on any machine.
void DriverFrames(int n) {
    for (int i = 0; i < n; i++) {
        RunLoopPass(0);
        WaitForSounds();
    }
}

// The window pixel that the shell reads back as logical x (window mode).
static int WindowCoordinate(int logical) {
    int best = static_cast<int>(std::ceil(logical / 1.28));
    for (int candidate = best - 1; candidate <= best + 1; candidate++)
        if (static_cast<int>(candidate * 1.28) == logical) return candidate;
    return best;
}

void DriverPointer(int logicalX, int logicalY) {
    if (fullScreen == 1) InjectPointer(logicalX, logicalY);
    else InjectPointer(WindowCoordinate(logicalX), WindowCoordinate(logicalY));
}

void DriverButton(int button, int down) { InjectMouseButton(button, down); }

void DriverClick(int logicalX, int logicalY) {
    DriverPointer(logicalX, logicalY);
    InjectMouseButton(1, 1);
    DriverFrames(1);
    InjectMouseButton(1, 0);
    DriverFrames(1);
}

void DriverKey(int vk, int down) { InjectKey(vk, down); }
void DriverType(const std::u16string& text) { for (char16_t code : text) InjectTypedChar(code); }
void DriverFocus(int gained) { InjectAppEvent(gained ? APP_RESUME : APP_SUSPEND); }
void DriverCloseBox() { InjectCloseRequest(); }

uint32_t DriverPixel(int x, int y) {
    std::vector<uint32_t> pixels;
    int width = 0, height = 0;
    if (!ReadScreenPixels(pixels, width, height)) return 0;
    if (x < 0 || y < 0 || x >= width || y >= height) return 0;
    return pixels[static_cast<size_t>(y) * width + x];
}

void DriverStop() {
    if (!gameRunning) return;
    gameRunning = 0;
    StopReplay();
    ResetPlatformInput();
    CloseDisplay();
    ReleaseInstanceLock();
    UseVirtualTime(0);
    if (chdir(originalFolder.c_str()) != 0) PrintError("driver: cannot return to " + originalFolder);
}
