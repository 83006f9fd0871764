// The champions list: places by score, the 200-byte file, the list read
// back by the next run of the program and shown on its page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <string>
#include <vector>

#include "menus/champions.h"
#include "menus/menu.h"
#include "tables/champion_tables.h"
#include "tables/dialog_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "platform/platform.h"
#include "tables/text_tables.h"
#include "tests/driver.h"
#include "tests/test_support.h"

namespace {

std::string ChampionsFile() {
    return saveFolder + "adchampions.ppp";
}

int RestartOnTheSameFolder() {
    DriverStop();
    DriverOptions again;
    again.keepSaveFolder = 1;
    return DriverStart(again);
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
    ASSERT_EQ(FileSize(ChampionsFile()), 200) << "a score of 0 enters nowhere, the file is written all the same";
    EXPECT_EQ(champScore[1], 0);

    Finish(1, u"Mia", 500, 120);
    Finish(2, u"Ole", 900, 119);
    EXPECT_EQ(champName[1], u"Ole");
    EXPECT_EQ(champName[2], u"Mia");
    Finish(3, u"Ida", 300, 120);
    Finish(4, u"Tom", 300, 120);
    EXPECT_EQ(champName[3], u"Ida");
    EXPECT_EQ(champName[4], u"Tom") << "an equal score goes below the older one";
    ASSERT_EQ(RestartOnTheSameFolder(), 1);
    EXPECT_TRUE(champScore[1] == 900 && champProgress[1] == 119 && champName[1] == u"Ole");
    EXPECT_TRUE(champName[4] == u"Tom" && champScore[5] == 0);
    playStarted = 1;
    Finish(5, u"Eve", 400, 120);
    EXPECT_EQ(champName[3], u"Eve") << "the next run's finisher joins the kept list";
    EXPECT_EQ(champName[5], u"Tom");
    DriverStop();
}

TEST(Champions, ABrokenFileGivesAnEmptyList) {
    ASSERT_EQ(DriverStart(), 1);
    WriteWholeFile(ChampionsFile(), std::string(150, 'x'));
    ASSERT_EQ(RestartOnTheSameFolder(), 1);
    for (int place = 1; place <= 10; place++) EXPECT_TRUE(champScore[place] == 0 && champName[place].empty()) << place;
    DriverStop();
}

// The lines of glyphs one frame paints, each read back into its characters
// through the fonts' own glyph tables (blanks only move the pen, so they are
// not among them), top to bottom.
std::vector<std::pair<int, std::pair<float, char>>> paintedGlyphs;     // row, x, character

std::vector<std::string> LinesOfNextFrame() {
    paintedGlyphs.clear();
    glyphPaintHook = [](int font, int cell, float x, float y) {
        char shown = '?';
        for (int code = 255; code >= 33; code--)
            if (glyphCell[font][code] == cell) shown = static_cast<char>(code);
        paintedGlyphs.push_back({static_cast<int>(std::lround(y)), {x, shown}});
    };
    DriverFrames(1);
    glyphPaintHook = nullptr;
    std::sort(paintedGlyphs.begin(), paintedGlyphs.end());
    std::vector<std::string> lines;
    for (size_t i = 0; i < paintedGlyphs.size(); i++) {
        if (i == 0 || paintedGlyphs[i].first != paintedGlyphs[i - 1].first) lines.emplace_back();
        lines.back().push_back(paintedGlyphs[i].second.second);
    }
    return lines;
}

std::string WithoutBlanks(std::string text) {
    text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
    return text;
}

int HasLine(const std::vector<std::string>& lines, const std::string& part) {
    for (const std::string& line : lines)
        if (line.find(part) != std::string::npos) return 1;
    return 0;
}

const int INFO_X = 780, INFO_Y = 741;              // the menu's information button
const int CHAMPIONS_X = 427, CHAMPIONS_Y = 584;    // the information dialog's way to the list
const int BACK_X = 512, BACK_Y = 569;

void OpenChampionsPage() {
    EnterMainMenu();
    DriverFrames(40);
    DriverClick(INFO_X, INFO_Y);
    DriverFrames(20);
    ASSERT_EQ(dialogKind, DIALOG_INFO);
    DriverClick(CHAMPIONS_X, CHAMPIONS_Y);
    ASSERT_EQ(dialogKind, DIALOG_CHAMPIONS);
}

TEST(Champions, ThePageOfTheInformationDialogShowsTheListKeptFromTheLastRun) {
    DriverOptions options;
    options.settings = "0\r\n200\r\n200\r\n-1\r\n0\r\n5\r\n1\r\n";
    ASSERT_EQ(DriverStart(options), 1);
    OpenChampionsPage();
    std::vector<std::string> lines = LinesOfNextFrame();
    EXPECT_TRUE(HasLine(lines, WithoutBlanks(codeTexts[461]))) << "no champions yet";
    playStarted = 1;
    Finish(2, u"Marlin", 4321, 120);
    ASSERT_EQ(RestartOnTheSameFolder(), 1);
    OpenChampionsPage();
    lines = LinesOfNextFrame();
    EXPECT_TRUE(HasLine(lines, WithoutBlanks("1. Marlin " + codeTexts[106] + " 120 4321 " + codeTexts[107])))
        << "the first place: its number, name, position and total";
    EXPECT_FALSE(HasLine(lines, WithoutBlanks(codeTexts[461])));
    EXPECT_FALSE(HasLine(lines, "2.")) << "empty places are not shown";
    DriverClick(BACK_X, BACK_Y);
    EXPECT_EQ(dialogKind, DIALOG_INFO) << "back to the information page";
    DriverStop();
}

}  // namespace
