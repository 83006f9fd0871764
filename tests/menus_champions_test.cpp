// The champions list: places by score, the 200-byte file, and the list read
// back by the next run of the program.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "menus/champions.h"
#include "tables/champion_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"
#include "tests/test_support.h"

namespace {

std::string ChampionsFile() {
    return saveFolder + "adchampions.ppp";
}

int IntAt(const std::string& bytes, int offset) {
    uint32_t v = 0;
    for (int b = 0; b < 4; b++) v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[offset + b])) << (8 * b);
    return static_cast<int>(v);
}

void Finish(int slot, const std::u16string& name, int total, int progress) {
    currentPlayer = slot;
    players[slot].playerName = name;
    players[slot].playerScore = total;
    players[slot].playerProgress = progress;
    AddChampion();
}

TEST(Champions, PlacesGoByScoreAndTheFileHoldsTenRecords) {
    ASSERT_EQ(DriverStart(), 1);
    playStarted = 1;
    Finish(2, u"Nobody", 0, 120);
    std::string bytes = ReadWholeFile(ChampionsFile());
    ASSERT_EQ(bytes.size(), 200u) << "a score of 0 enters nowhere, the file is written all the same";
    EXPECT_EQ(champScore[1], 0);

    Finish(1, u"Mia", 500, 120);
    bytes = ReadWholeFile(ChampionsFile());
    ASSERT_EQ(bytes.size(), 200u);
    EXPECT_EQ(IntAt(bytes, 0), 500);
    EXPECT_EQ(IntAt(bytes, 4), 120);
    EXPECT_EQ(bytes.substr(8, 12), "Mia         ");
    for (int place = 2; place <= 10; place++) {
        EXPECT_EQ(IntAt(bytes, 20 * (place - 1)), 0);
        EXPECT_EQ(IntAt(bytes, 20 * (place - 1) + 4), 0);
        EXPECT_EQ(bytes.substr(20 * (place - 1) + 8, 12), std::string(12, ' '));
    }

    Finish(2, u"Ole", 900, 119);
    EXPECT_EQ(champName[1], u"Ole");
    EXPECT_EQ(champName[2], u"Mia");
    Finish(3, u"Ida", 300, 120);
    Finish(4, u"Tom", 300, 120);
    EXPECT_EQ(champName[3], u"Ida");
    EXPECT_EQ(champName[4], u"Tom") << "an equal score goes below the older one";

    DriverStop();
    DriverOptions again;
    again.keepSaveFolder = 1;
    ASSERT_EQ(DriverStart(again), 1);
    EXPECT_EQ(champScore[1], 900);
    EXPECT_EQ(champProgress[1], 119);
    EXPECT_EQ(champName[1], u"Ole");
    EXPECT_EQ(champName[4], u"Tom");
    EXPECT_EQ(champScore[5], 0);
    playStarted = 1;
    Finish(5, u"Eve", 400, 120);
    EXPECT_EQ(champName[3], u"Eve") << "the next run's finisher joins the kept list";
    EXPECT_EQ(champName[5], u"Tom");
    DriverStop();
}

TEST(Champions, ABrokenFileGivesAnEmptyList) {
    ASSERT_EQ(DriverStart(), 1);
    WriteWholeFile(ChampionsFile(), std::string(150, 'x'));
    DriverStop();
    DriverOptions again;
    again.keepSaveFolder = 1;
    ASSERT_EQ(DriverStart(again), 1);
    for (int place = 1; place <= 10; place++) {
        EXPECT_EQ(champScore[place], 0);
        EXPECT_TRUE(champName[place].empty());
    }
    DriverStop();
}

}  // namespace
