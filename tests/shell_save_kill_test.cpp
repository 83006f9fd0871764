// Saves survive being killed: a child process saves the settings, a profile,
// the best times and the champions in a loop through the game's own save
// functions and is killed with SIGKILL at random moments. After every kill
// each file must read whole and hold a single generation of the loop, never
// an older one than the kill before found.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

#include "map/best_times.h"
#include "menus/champions.h"
#include "menus/profiles.h"
#include "platform/platform.h"
#include "shell/settings.h"
#include "tables/best_time_tables.h"
#include "tables/champion_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/test_support.h"

namespace {

constexpr int KILL_SLOT = 1;   // the profile slot the loop saves

std::u16string Wide(const std::string& text) { return std::u16string(text.begin(), text.end()); }
std::string NameOf(int generation) { return "g" + std::to_string(generation); }

// Generation g of every file: each value the file holds says g, so a file
// that mixed two saves or lost its end is told apart from a whole one.
void SaveGeneration(int g) {
    fullScreen = musicVolume = soundVolume = settingsLine5 = settingsLine6 = customPointer = g;
    currentPlayer = KILL_SLOT;
    SaveSettings(0);
    TPlayerProfile& player = players[KILL_SLOT];
    player.playerScore = player.playerItemsCleared = player.powerupTarget[7] = g;
    player.playerName = Wide(NameOf(g));
    SaveProfile(KILL_SLOT);
    for (int i = 1; i <= BEST_TIME_RECORDS; i++) {
        bestTime[i] = g;
        bestTimeName[i] = NameOf(g);
    }
    SaveBestTimes();
    for (int place = 1; place <= CHAMPION_PLACES; place++) {
        champScore[place] = champProgress[place] = g;
        champName[place] = player.playerName;
    }
    SaveChampions();
}

// The generation each file holds; -1 when a file is not whole or mixes two.
int SettingsGeneration() {
    ReadSettings();
    int g = fullScreen;
    for (int value : {musicVolume, soundVolume, settingsLine5, settingsLine6, customPointer})
        if (value != g) return -1;
    return currentPlayer == KILL_SLOT ? g : -1;
}

int ProfileGeneration() {
    TPlayerProfile player;
    if (!ReadProfileFile(ProfilePath(KILL_SLOT), player)) return -1;
    int g = player.playerScore;
    if (player.playerItemsCleared != g || player.powerupTarget[7] != g || player.playerName != Wide(NameOf(g))) return -1;
    return g;
}

int BestTimesGeneration() {
    if (!LoadBestTimes()) return -1;
    int g = bestTime[1];
    for (int i = 1; i <= BEST_TIME_RECORDS; i++)
        if (bestTime[i] != g || bestTimeName[i] != NameOf(g)) return -1;
    return g;
}

int ChampionsGeneration() {
    champScore[1] = -1;
    LoadChampions();
    int g = champScore[1];
    for (int place = 1; place <= CHAMPION_PLACES; place++)
        if (champScore[place] != g || champProgress[place] != g || champName[place] != Wide(NameOf(g))) return -1;
    return g;
}

int KillCount() {
    const char* text = std::getenv("GLD_SAVE_KILLS");
    return text && std::atoi(text) > 0 ? std::atoi(text) : 50;
}

}  // namespace

TEST(SaveKill, EveryFileIsWholeAfterEveryKill) {
    std::string folder = MakeTempFolder("savekill");
    std::string keptFolder = saveFolder;
    saveFolder = folder;
    gameScreen = SCREEN_MENU;
    playStarted = 0;
    ResetProfile(KILL_SLOT);
    profileFileBytes[KILL_SLOT].clear();
    SaveGeneration(1);

    const char* names[] = {"settings", "profile", "best times", "champions"};
    int (*readers[])() = {SettingsGeneration, ProfileGeneration, BestTimesGeneration, ChampionsGeneration};
    int last[4] = {1, 1, 1, 1};
    std::random_device device;
    unsigned seed = device();
    std::mt19937 chance(seed);
    std::uniform_int_distribution<int> pause(0, 30000);   // microseconds before the kill
    int kills = KillCount(), midSave = 0, next = 2;
    for (int k = 1; k <= kills; k++) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0)
            for (int g = next;; g++) SaveGeneration(g);
        usleep(static_cast<useconds_t>(pause(chance)));
        kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended on its own";
        int halfWritten = 0;
        for (const std::string& file : {SettingsPath(), ProfilePath(KILL_SLOT), BestTimesPath(), ChampionsPath()})
            if (PathKind(file + ".saving") == 1) halfWritten = 1;
        midSave += halfWritten;
        for (int f = 0; f < 4; f++) {
            int g = readers[f]();
            ASSERT_GE(g, last[f]) << "kill " << k << " (seed " << seed << ") left the " << names[f]
                                  << " file broken or older than before";
            last[f] = g;
            if (g + 1 > next) next = g + 1;
        }
    }
    std::printf("%d kills, %d of them in the middle of a save; %d generations saved\n", kills, midSave, next - 2);
    EXPECT_GT(midSave, 0) << "no kill came while a save was being written";
    saveFolder = keptFolder;
    std::filesystem::remove_all(folder);
}
