// From process start to the first frame: the single-instance guard, the save
// folder, the settings, the profiles, the display, the assets, the first page.
#include <chrono>

#include "map/best_times.h"
#include "menus/champions.h"
#include "menus/profiles.h"
#include "shell/assets.h"
#include "shell/settings.h"
#include "shell/shell.h"
#include "shell/splash.h"
#include "tables/shell_tables.h"
#include "text/text.h"

static const char* SAVE_FOLDER_BELOW_BASE = "Orvane/Glimmerdeep-v-0-0-2/";

int CheckSingleInstance() {
    return AcquireInstanceLock("GLD");
}

// The per-user data folder (XDG_DATA_HOME, else ~/.local/share); with neither
// the save folder lies below the working folder.
static std::string SaveFolderBase() {
    std::string base = EnvironmentValue("XDG_DATA_HOME");
    if (base.empty()) {
        std::string home = EnvironmentValue("HOME");
        while (!home.empty() && home.back() == '/') home.pop_back();
        if (!home.empty()) base = home + "/.local/share";
    }
    if (!base.empty() && base.back() != '/') base += '/';
    return base;
}

void FindSaveFolder() {
    firstRun = 0;
    saveFolder = SaveFolderBase() + SAVE_FOLDER_BELOW_BASE;
    if (PathKind(saveFolder) == 0) {
        MakeFolder(saveFolder, 1);
        firstRun = 1;
    }
}

// The seed: milliseconds of the machine's steady clock (time since boot).
static uint32_t MachineMilliseconds() {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(since).count());
}

int StartUp() {
    if (firstRun == 1) SaveSettings(1);
    ReadSettings();
    ReadProfiles();
    LoadChampions();
    ReadBestTimes();
    pauseOverlay = -1;
    frameCount = 0;
    inputEnabled = 0;
    SeedRandom(MachineMilliseconds());
    if (!OpenGameDisplay()) return GAME_NO_DISPLAY;
    ClearGlyphQueue();
    fadeLevel = 0;
    fpsLastTick = Ticks(fpsTimer);
    LoadShellImages();
    if (!LoadAllAssets()) return GAME_BROKEN;
    EnterSplashPage(1);
    return GAME_READY;
}
