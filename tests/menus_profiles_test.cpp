// The player profiles: their files byte for byte, the slot rules, the ranking,
// and damaged files kept aside without touching the other players.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "menus/profiles.h"
#include "platform/platform.h"
#include "shell/screen_change.h"
#include "shell/shell.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"
#include "tests/test_support.h"

namespace {

constexpr long FIXED_BYTES = 11592;     // 2898 integers, the name's length the last

std::string ProfileFile(int slot) {
    return saveFolder + "players" + std::to_string(slot) + ".ppp";
}

int IntAt(const std::string& bytes, int index) {
    uint32_t v = 0;
    for (int b = 0; b < 4; b++) v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[4 * index + b])) << (8 * b);
    return static_cast<int>(v);
}

void SetIntAt(std::string& bytes, int index, int value) {
    uint32_t v = static_cast<uint32_t>(value);
    for (int b = 0; b < 4; b++) bytes[4 * index + b] = static_cast<char>((v >> (8 * b)) & 0xFF);
}

std::vector<std::string> AllFiles() {
    std::vector<std::string> files(11);
    for (int slot = 1; slot <= 10; slot++) files[slot] = ReadWholeFile(ProfileFile(slot));
    return files;
}

int RestartOnTheSameFolder() {
    DriverStop();
    DriverOptions again;
    again.keepSaveFolder = 1;
    return DriverStart(again);
}

void EnterLevel(int position) {
    playStarted = inputEnabled = 1;
    CurrentProfile().playerProgress = mapPosition = position;
    BeginScreenChange(SCREEN_MATCH3, 0);
    for (int frame = 0; frame < 40 && gameScreen != SCREEN_MATCH3; frame++) DriverFrames(1);
}

TEST(Profiles, EveryStoredIntegerSitsAtItsPlaceAndComesBackUnchanged) {
    ASSERT_EQ(DriverStart(), 1);
    std::string bytes(FIXED_BYTES, '\0');
    for (int i = 0; i < 2897; i++) SetIntAt(bytes, i, 5000 + i);
    SetIntAt(bytes, 2897, 3);
    bytes += "Ann";
    WriteWholeFile(ProfileFile(2), bytes);
    ASSERT_EQ(RestartOnTheSameFolder(), 1);
    const TPlayerProfile& p = players[2];
    // the first, nested and last records of the fixed part, then the name
    EXPECT_EQ(p.spare1, 5001);
    EXPECT_EQ(p.playerScore, 5015);
    EXPECT_EQ(p.fishOrders[1].wanted[1].wantedServed, 5069);
    EXPECT_EQ(p.savedSlots[200].savedItemSpare, 6787);
    EXPECT_EQ(p.puzzlePieces[100].motion, 7893);
    EXPECT_EQ(p.playerName, u"Ann");
    // Written back, then read and written once more below: a field written
    // somewhere other than where it is read changes the second file.
    profileFileBytes[2].clear();
    SaveProfile(2);
    std::string written = ReadWholeFile(ProfileFile(2));
    ASSERT_EQ(written.size(), bytes.size());
    EXPECT_EQ(IntAt(written, 0), 3) << "a game mode out of range reads as swap mode";
    EXPECT_EQ(IntAt(written, 2), 1) << "an item set out of range reads as the first";
    EXPECT_EQ(written.substr(FIXED_BYTES), bytes.substr(FIXED_BYTES));
    ASSERT_EQ(RestartOnTheSameFolder(), 1);
    profileFileBytes[2].clear();
    SaveProfile(2);
    EXPECT_EQ(ReadWholeFile(ProfileFile(2)), written) << "a second round trip changes nothing";
    // names are stored one byte a character: the low 8 bits, trimmed
    players[5].playerName = std::u16string(u"Z") + char16_t(0x141) + u"  ";
    SaveProfile(5);
    ASSERT_EQ(RestartOnTheSameFolder(), 1);
    EXPECT_EQ(players[5].playerName, std::u16string(u"Z") + char16_t(0x41));
    DriverStop();
}

TEST(Profiles, SavingOutsideALevelLeavesTheSavedLevelAlone) {
    ASSERT_EQ(DriverStart(), 1);
    currentPlayer = 1;
    playStarted = 1;
    players[1].playerName = u"Tess";
    players[1].savedLevelFlag = 1;
    players[1].savedLevelScore = 777;
    players[1].savedSlots[5].savedItemKind = 4;
    items[5].kind = 2;
    score = 1234;
    for (int screen : {SCREEN_MENU, SCREEN_MAP}) {
        gameScreen = screen;
        SaveProfile(1);
        EXPECT_TRUE(players[1].savedLevelFlag == 1 && players[1].savedLevelScore == 777 &&
                    players[1].savedSlots[5].savedItemKind == 4) << screen;
    }
    EXPECT_EQ(IntAt(ReadWholeFile(ProfileFile(1)), 21), 777);
    DriverStop();
}

TEST(Profiles, RankingRestartAndTheSlotRules) {
    ASSERT_EQ(DriverStart(), 1);
    players[1].playerScore = 50;
    players[3].playerScore = 50;
    SortPlayers();
    EXPECT_TRUE(playerOrder[1] == 1 && playerOrder[2] == 3 && playerOrder[3] == 2 && playerOrder[4] == 4);

    players[1].playerProgress = 100;
    RestartProfile(1);
    EXPECT_EQ(players[1].playerScore, 50);
    players[3].playerProgress = 99;
    players[3].playerName = u"Kim";
    players[3].playerGameMode = 1;
    RestartProfile(3);
    EXPECT_TRUE(players[3].playerScore == 0 && players[3].playerProgress == 0 && players[3].playerUnlocked == 1);
    EXPECT_TRUE(players[3].playerName == u"Kim" && players[3].playerGameMode == 1) << "name and mode stay";

    players[1] = TPlayerProfile{};
    players[10].playerName = u"Last";
    currentPlayer = 3;
    DeletePlayer(3);
    EXPECT_EQ(currentPlayer, 10);
    EXPECT_TRUE(players[3].playerName.empty());
    EXPECT_EQ(IntAt(ReadWholeFile(ProfileFile(3)), 2897), 0) << "the deleted player's file is rewritten empty";
    EXPECT_EQ(NewPlayerSlot(), 1);
    DeletePlayer(10);
    EXPECT_EQ(currentPlayer, -1);
    DriverStop();
}

// Damage of every kind costs the damaged slot only: it is kept aside, the
// slot starts empty, and a level played and saved for it leaves the other
// nine files as they were.
TEST(Profiles, ABrokenFileIsKeptAsideAndSpreadsNowhere) {
    struct TDamage {
        const char* what;
        int keepAside;
        std::string (*make)(const std::string& good);
    } damages[] = {
        {"empty", 1, [](const std::string&) { return std::string(); }},
        {"cut before the length", 1, [](const std::string& g) { return g.substr(0, FIXED_BYTES - 2); }},
        {"length beyond the end", 1, [](const std::string& g) { std::string b = g; SetIntAt(b, 2897, 5); return b + "ab"; }},
        {"largest length", 1, [](const std::string& g) { std::string b = g; SetIntAt(b, 2897, INT_MAX); return b; }},
        {"random bytes", 1, [](const std::string&) {
             std::string b;
             for (uint32_t i = 0, x = 12345; i < 11700; i++) b.push_back(static_cast<char>((x = x * 1103515245u + 12345u) >> 24));
             SetIntAt(b, 2897, 1 << 30);
             return b;
         }},
        {"length -5", 0, [](const std::string& g) { std::string b = g; SetIntAt(b, 2897, -5); return b + "xyz"; }},
        {"huge values", 0, [](const std::string& g) { std::string b = g; for (int i = 0; i < 2897; i++) SetIntAt(b, i, 1000000000); return b; }},
    };
    for (const TDamage& damage : damages) {
        SCOPED_TRACE(damage.what);
        ASSERT_EQ(DriverStart(), 1);
        const std::string bad = damage.make(ReadWholeFile(ProfileFile(3)));
        WriteWholeFile(ProfileFile(3), bad);
        std::vector<std::string> before = AllFiles();
        ASSERT_EQ(RestartOnTheSameFolder(), 1);
        EXPECT_EQ(PathKind(ProfileFile(3) + ".broken") == 1, damage.keepAside == 1);
        if (damage.keepAside) {
            EXPECT_EQ(ReadWholeFile(ProfileFile(3) + ".broken"), bad);
            EXPECT_EQ(players[3].playerGameMode, 3) << "the slot starts as a new player";
        }
        EXPECT_TRUE(players[3].playerName.empty());
        EXPECT_TRUE(players[3].playerGameMode >= 1 && players[3].playerGameMode <= 3 && players[3].playerUnlocked <= 121);

        currentPlayer = 3;
        players[3].playerName = u"Wreck";
        EnterLevel(2);
        ASSERT_EQ(gameScreen, SCREEN_MATCH3);
        DriverFrames(60);
        DriverFocus(0);
        DriverFrames(2);
        std::vector<std::string> after = AllFiles();
        for (int slot = 1; slot <= 10; slot++)
            if (slot != 3) {
                EXPECT_EQ(after[slot], before[slot]) << "slot " << slot;
            }
        EXPECT_EQ(IntAt(after[3], 8), 1) << "the level in progress was saved";
        if (damage.keepAside) {
            EXPECT_EQ(ReadWholeFile(ProfileFile(3) + ".broken"), bad);
        }
        DriverStop();
    }
}

// Lines of what the start-up printed on standard error that name a profile.
int ProfileLines(const std::string& printed) {
    int lines = 0;
    for (size_t at = printed.find("the profile "); at != std::string::npos; at = printed.find("the profile ", at + 1))
        lines++;
    return lines;
}

// A folder with settings but no profiles starts ten players quietly; then a
// damaged file and a missing one are reported on a line each.
TEST(Profiles, ADamagedFileAndAMissingOneAreReportedOnALineEach) {
    DriverOptions options;
    options.settings = "0\r\n200\r\n200\r\n-1\r\n0\r\n5\r\n1\r\n";
    testing::internal::CaptureStderr();
    ASSERT_EQ(DriverStart(options), 1);
    const std::string quiet = testing::internal::GetCapturedStderr();
    ASSERT_EQ(firstRun, 0) << "the folder was there before the start";
    EXPECT_EQ(ProfileLines(quiet), 0) << quiet;
    EXPECT_EQ(quiet.find("best times"), std::string::npos) << quiet;
    for (int slot = 1; slot <= 10; slot++) EXPECT_EQ(FileSize(ProfileFile(slot)), FIXED_BYTES) << "slot " << slot;
    WriteWholeFile(ProfileFile(4), "cut short");
    ASSERT_TRUE(DeleteFile(ProfileFile(9)));
    testing::internal::CaptureStderr();
    const int started = RestartOnTheSameFolder();
    const std::string printed = testing::internal::GetCapturedStderr();
    ASSERT_EQ(started, 1);
    EXPECT_EQ(ProfileLines(printed), 2) << printed;
    EXPECT_NE(printed.find("players4.ppp is damaged"), std::string::npos) << printed;
    EXPECT_NE(printed.find("players9.ppp is missing"), std::string::npos) << printed;
    EXPECT_EQ(PathKind(ProfileFile(9) + ".broken"), 0) << "nothing to keep aside";
    EXPECT_EQ(FileSize(ProfileFile(4)), FIXED_BYTES);
    EXPECT_EQ(FileSize(ProfileFile(9)), FIXED_BYTES);
    // a second damaged file of the slot is kept beside the first
    WriteWholeFile(ProfileFile(4), "cut again");
    ASSERT_EQ(RestartOnTheSameFolder(), 1);
    EXPECT_EQ(ReadWholeFile(ProfileFile(4) + ".broken"), "cut short");
    EXPECT_EQ(ReadWholeFile(ProfileFile(4) + ".broken2"), "cut again");
    EXPECT_EQ(FileSize(ProfileFile(4)), FIXED_BYTES);
    DriverStop();
}

TEST(Profiles, AnUnchangedProfileIsNotWrittenAgain) {
    ASSERT_EQ(DriverStart(), 1);
    players[6].playerName = u"Same";
    SaveProfile(6);
    std::string path = ProfileFile(6);
    ASSERT_TRUE(RenameFile(path, path + ".moved"));
    SaveProfile(6);
    EXPECT_EQ(PathKind(path), 0) << "the same bytes again: nothing written";
    players[6].playerScore = 1;
    SaveProfile(6);
    EXPECT_EQ(IntAt(ReadWholeFile(path), 15), 1);
    DriverStop();
}

}  // namespace
