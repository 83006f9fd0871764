// The main menu and its dialogs through the real loop with scripted input:
// making, choosing and deleting players, the name entry's limits, the fade
// that keeps a dialog deaf until it is open, the options and the help pages.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "match3/game_screen.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "platform/platform.h"
#include "tables/board_tables.h"
#include "tables/dialog_tables.h"
#include "tables/game_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"
#include "tests/game_driver.h"
#include "tests/test_support.h"
#include "text/text.h"

namespace {

const char* WINDOW_SETTINGS = "0\r\n200\r\n200\r\n-1\r\n0\r\n5\r\n1\r\n";

const int PLAY_X = 512, PLAY_Y = 480;
const int BOTTOM_Y = 741, PLAYERS_X = 88, OPTIONS_X = 244, INFO_X = 780, QUIT_X = 936;

// A fresh save folder and the menu fully faded in.
void StartOnMenu() {
    DriverOptions options;
    options.settings = WINDOW_SETTINGS;
    ASSERT_EQ(DriverStart(options), 1);
    EnterMainMenu();
    DriverFrames(40);
    ASSERT_EQ(gameScreen, SCREEN_MENU);
    ASSERT_EQ(fadeState, FADE_IN);
}

void Type(const std::u16string& text) {
    DriverType(text);
    DriverFrames(static_cast<int>(text.size()) + 1);    // one character a frame
}

// From the menu with no player: the play button opens the name entry.
void OpenFirstNameEntry() {
    DriverClick(PLAY_X, PLAY_Y);
    DriverFrames(20);
    ASSERT_EQ(dialogKind, DIALOG_NEW_PLAYER);
    ASSERT_EQ(dialogOpenLevel, DIALOG_FULLY_OPEN);
}

std::string SettingsLine(int line) {
    std::istringstream in(ReadWholeFile(saveFolder + "settings.txt"));
    std::string text;
    for (int i = 0; i < line && std::getline(in, text);) i++;
    return TrimText(text);
}

}  // namespace

TEST(MainMenu, CancellingTheFirstNameEntryLeavesNoPlayerChosen) {
    StartOnMenu();
    OpenFirstNameEntry();
    Type(u"Bo");
    DriverClick(422, 494);
    DriverFrames(20);
    EXPECT_EQ(dialogOpenLevel, 0);
    EXPECT_EQ(currentPlayer, -1);
    EXPECT_TRUE(players[1].playerName.empty());
    // The players button with no player chosen starts the first one too.
    DriverClick(PLAYERS_X, BOTTOM_Y);
    DriverFrames(20);
    EXPECT_EQ(dialogKind, DIALOG_NEW_PLAYER);
    EXPECT_EQ(currentPlayer, 1);
    DriverStop();
}

TEST(MainMenu, APlayerWhoHasPlayedIsAskedToContinueOrRestart) {
    StartOnMenu();
    currentPlayer = 2;
    players[2].playerName = u"Ada";
    players[2].playerProgress = 5;
    DriverClick(PLAY_X, PLAY_Y);
    DriverFrames(20);
    EXPECT_EQ(dialogKind, DIALOG_CONTINUE);
    DriverClick(427, 494);
    DriverFrames(1);
    EXPECT_EQ(dialogKind, DIALOG_RESTART) << "switched in place";
    EXPECT_EQ(dialogOpenLevel, DIALOG_FULLY_OPEN);
    DriverClick(597, 494);
    EXPECT_EQ(dialogKind, DIALOG_CONTINUE);
    DriverClick(597, 494);      // continue on the map
    DriverFrames(40);
    EXPECT_EQ(gameScreen, SCREEN_MAP);
    EXPECT_EQ(mapPosition, 5);
    DriverStop();
}

TEST(NameEntry, TheThirteenthCharacterAndTooWideANameAreRefusedAndBlanksTrimmed) {
    StartOnMenu();
    OpenFirstNameEntry();
    ASSERT_LT(TextPixelWidth(u"iiiiiiiiiiii", FONT_NORMAL), 140) << "narrow letters needed for the count";
    Type(u"iiiiiiiiiiiii");
    EXPECT_EQ(players[1].playerName, u"iiiiiiiiiiii");
    EXPECT_EQ(nameLength, 12);
    for (int i = 0; i < 12; i++) Type(u"\b");
    EXPECT_TRUE(players[1].playerName.empty());
    Type(u"\b");    // nothing left to remove
    EXPECT_EQ(nameLength, 0);

    Type(u"WWWWWWWWWWWW");
    const std::u16string wide = players[1].playerName;
    ASSERT_FALSE(wide.empty());
    EXPECT_LT(wide.size(), 12u) << "wide letters stop the name before twelve characters";
    EXPECT_GE(TextPixelWidth(wide, FONT_NORMAL), 140);
    EXPECT_LT(TextPixelWidth(wide.substr(0, wide.size() - 1), FONT_NORMAL), 140);

    players[1].playerName = u"  Bo \t";
    EXPECT_EQ(FinishName(), 1);
    EXPECT_EQ(players[1].playerName, u"Bo");
    players[1].playerName = u"   ";
    FinishName();
    EXPECT_EQ(NarrowToLatin1(players[1].playerName), TrimText(codeTexts[111]));
    EXPECT_FALSE(players[1].playerName.empty());
    DriverStop();
}

TEST(PlayerList, ShowsThePlayersByScoreAndDeletingPicksTheFirstLeft) {
    StartOnMenu();
    const char16_t* names[] = {u"", u"Ann", u"Ben", u"Cy"};
    const int scores[] = {0, 10, 300, 20};
    for (int slot = 1; slot <= 3; slot++) {
        players[slot].playerName = names[slot];
        players[slot].playerScore = scores[slot];
    }
    currentPlayer = 2;
    DriverClick(PLAYERS_X, BOTTOM_Y);
    DriverFrames(20);
    ASSERT_EQ(dialogKind, DIALOG_PLAYERS);
    DriverClick(400, 30 * 3 + 200);     // the third row chooses Ann
    EXPECT_EQ(currentPlayer, 1);
    DriverClick(671, 569);
    EXPECT_EQ(dialogKind, DIALOG_DELETE_PLAYER);
    DriverClick(602, 494);
    EXPECT_TRUE(players[1].playerName.empty());
    EXPECT_EQ(currentPlayer, 2) << "the first slot that still holds a player";
    EXPECT_EQ(dialogKind, DIALOG_PLAYERS);
    DriverStop();
}

TEST(Dialogs, ADialogIgnoresClicksUntilOpenAndTheMenuBehindIgnoresThePointer) {
    StartOnMenu();
    DriverClick(QUIT_X, BOTTOM_Y);
    ASSERT_EQ(dialogKind, DIALOG_QUIT);
    ASSERT_LT(dialogOpenLevel, DIALOG_FULLY_OPEN);
    DriverClick(427, 494);      // cancel while fading in
    EXPECT_EQ(dialogDirection, DIALOG_OPENING);
    DriverFrames(16);
    ASSERT_EQ(dialogOpenLevel, DIALOG_FULLY_OPEN);
    EXPECT_EQ(inputLayer, LAYER_DIALOG);
    DriverClick(OPTIONS_X, BOTTOM_Y);   // the menu's options button lies outside the dialog
    EXPECT_EQ(dialogKind, DIALOG_QUIT);
    DriverClick(427, 494);
    EXPECT_EQ(dialogDirection, DIALOG_CLOSING);
    DriverFrames(20);
    EXPECT_EQ(dialogOpenLevel, 0);
    EXPECT_EQ(inputLayer, LAYER_SCREEN);
    DriverClick(INFO_X, BOTTOM_Y);
    DriverFrames(20);
    EXPECT_EQ(dialogKind, DIALOG_INFO);
    DriverStop();
}

TEST(Options, TheKnobsSetTheVolumesClampedAndTheSettingsKeepThem) {
    StartOnMenu();
    DriverClick(OPTIONS_X, BOTTOM_Y);
    DriverFrames(20);
    ASSERT_EQ(dialogKind, DIALOG_OPTIONS);
    // The knob moves one volume step per pixel from x 372.
    auto drag = [](int from, int y, int to) {
        DriverPointer(from + 372, y);
        DriverButton(1, 1);
        DriverFrames(1);
        DriverPointer(372 + to, y);
        DriverFrames(2);
        DriverButton(1, 0);
        DriverFrames(2);
    };
    drag(soundVolume, 394, 500);
    EXPECT_EQ(soundDragging, 0);
    EXPECT_EQ(soundVolume, 280) << "clamped at the right end once the frame after the drag has run";
    drag(musicVolume, 299, -300);
    EXPECT_EQ(musicVolume, 0) << "clamped at the left end";
    EXPECT_EQ(soundVolume, 280) << "the other knob stayed";

    const int wasFull = fullScreen;
    DriverClick(446, 454);
    EXPECT_EQ(fullScreen, 1 - wasFull);
    DriverClick(446, 454);
    EXPECT_EQ(fullScreen, wasFull);

    DriverClick(512, 584);
    DriverFrames(20);
    EXPECT_EQ(dialogOpenLevel, 0);
    EXPECT_EQ(SettingsLine(2), "0");
    EXPECT_EQ(SettingsLine(3), "280");
    DriverStop();
}

TEST(HelpPages, FromTheInGameMenuPreviousStopsOnPageOneAndNextOnPageEight) {
    ASSERT_EQ(GameStartLevel(3, MODE_SWAP, 12), 1);
    DriverFrames(60);
    OpenDialog(DIALOG_GAME_MENU);
    DriverFrames(20);
    DriverClick(432, 354);
    ASSERT_EQ(dialogKind, DIALOG_HELP);
    EXPECT_EQ(helpPage, 1);
    DriverClick(312, 650);
    EXPECT_EQ(helpPage, 1) << "previous is disabled on the first page";
    for (int page = 2; page <= 8; page++) {
        DriverClick(712, 650);
        EXPECT_EQ(helpPage, page);
    }
    DriverClick(712, 650);
    EXPECT_EQ(helpPage, 8) << "next is disabled on the last page";
    DriverClick(512, 650);
    DriverFrames(20);
    EXPECT_EQ(dialogOpenLevel, 0);
    DriverStop();
}
