// The picture puzzle of a stage's tenth position, played through the real
// loop with the scripted pointer: the shuffle, the two-click swap, pieces
// locking in their places, the solved puzzle opening the next stage, and a
// puzzle left half done taken up again after the program starts anew.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/writers/writers.h"
#include "shell/shell.h"
#include "tables/dialog_tables.h"
#include "tables/game_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/puzzle_tables.h"
#include "tables/shell_tables.h"
#include "tests/driver.h"
#include "tests/test_support.h"

namespace {

constexpr int MODE_SWAP_PLAY = 3;

// Each piece of the stand-in stage picture is one flat colour of its own.
uint32_t CellColour(int n) {
    return 0xFF000000u | static_cast<uint32_t>(n * 12) << 16 | static_cast<uint32_t>(250 - n * 9) << 8 |
           static_cast<uint32_t>(40 + n * 7);
}

// A working folder whose stage 1 and 6 pictures are the stand-in, so the
// checks hold whatever the real stage pictures show. The other stages have
// none, as a stage picture that fails to load leaves the puzzle playable.
std::string PuzzleWorkFolder() {
    std::string work = DriverMakeWorkFolder({"puzzles/m1", "puzzles/m6", "puzzles/m12"});
    const int w = PUZZLE_COLUMNS * PIECE_WIDTH, h = PUZZLE_ROWS * PIECE_HEIGHT;
    std::vector<uint32_t> picture(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++)
            picture[static_cast<size_t>(y) * w + x] = CellColour(PUZZLE_COLUMNS * (y / PIECE_HEIGHT) + x / PIECE_WIDTH + 1);
    std::vector<uint32_t> thumb(static_cast<size_t>(PUZZLE_THUMB_WIDTH) * PUZZLE_THUMB_HEIGHT, 0xFF3060A0u);
    for (const char* stage : {"m1", "m6"}) {
        MakeFolder(work + "data/puzzles/" + stage, 1);
        SavePng(work + "data/puzzles/" + stage + "/0bg.png", w, h, picture);
        SavePng(work + "data/puzzles/" + stage + "/preview2.png", PUZZLE_THUMB_WIDTH, PUZZLE_THUMB_HEIGHT, thumb);
    }
    return work;
}

// Player 1 enters the tenth position of a stage from the map and the frames
// run until the puzzle is set up (the results sequence's first step).
int EnterPuzzle(int position, int restart, const std::string& work = "", void (*prepare)(TPlayerProfile&) = nullptr) {
    DriverOptions options;
    options.workFolder = work.empty() ? PuzzleWorkFolder() : work;
    options.keepSaveFolder = restart;
    options.seed = 5;
    if (DriverStart(options) != 1) return 0;
    currentPlayer = 1;
    TPlayerProfile& player = players[1];
    if (!restart) {
        player.playerName = u"Tester";
        player.playerGameMode = MODE_SWAP_PLAY;
        player.playerUnlocked = position;
    }
    player.playerProgress = position;
    if (prepare) prepare(player);
    mapPosition = position;
    playStarted = 1;
    inputEnabled = 1;
    DriverPointer(1000, 100);
    BeginScreenChange(SCREEN_MATCH3, 0);
    for (int frame = 0; frame < 80 && puzzleRewardKind == 0; frame++) DriverFrames(1);
    return gameScreen == SCREEN_MATCH3 && puzzleRewardKind == 2;
}

TPuzzlePiece& Piece(int n) {
    static TPuzzlePiece none;
    if (n < 1 || n > PUZZLE_PIECE_COUNT) return none;
    return CurrentProfile().puzzlePieces[n];
}

int AtHome(int n) {
    return Piece(n).x == pieceHomeX[n] && Piece(n).y == pieceHomeY[n];
}

// The piece lying on piece n's own place.
int PieceOnHomeOf(int n) {
    for (int k = 1; k <= PUZZLE_PIECE_COUNT; k++)
        if (Piece(k).x == pieceHomeX[n] && Piece(k).y == pieceHomeY[n]) return k;
    return 0;
}

void PressKey(int key) {
    DriverKey(key, 1);
    DriverFrames(1);
    DriverKey(key, 0);
    DriverFrames(1);
}

// The help opens by itself; once it is closed and the puzzle has been shown
// long enough, the pieces take clicks.
void CloseHelpAndWait() {
    for (int guard = 0; guard < 200 && !(dialogKind == DIALOG_PUZZLE_HELP && dialogOpenLevel == DIALOG_FULLY_OPEN); guard++)
        DriverFrames(1);
    ASSERT_EQ(dialogKind, DIALOG_PUZZLE_HELP);
    PressKey(KEY_ENTER);
    for (int guard = 0; guard < 300 && (dialogOpenLevel > 0 || levelFrame <= 141); guard++) DriverFrames(1);
    ASSERT_EQ(dialogOpenLevel, 0);
}

void ClickPiece(int n) {
    DriverClick(puzzleLeft + Piece(n).x + PIECE_WIDTH / 2, puzzleTop + Piece(n).y + PIECE_HEIGHT / 2);
}

int Settled() {
    const TPlayerProfile& player = CurrentProfile();
    if (player.firstPick != 0 || player.secondPick != 0) return 0;
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++)
        if (Piece(n).lift != 0 || Piece(n).x != Piece(n).targetX || Piece(n).y != Piece(n).targetY) return 0;
    return 1;
}

void WaitUntilSettled() {
    for (int guard = 0; guard < 200 && !Settled(); guard++) DriverFrames(1);
    DriverPointer(1000, 100);
    DriverFrames(1);
}

// Swaps piece n with the piece on its place, so that n locks there.
void SendHome(int n) {
    const int other = PieceOnHomeOf(n);
    ClickPiece(n);
    ClickPiece(other);
    WaitUntilSettled();
}

// The done dialog opens once the solved puzzle has been shown; the results
// wait for it, and closing it leaves the level.
void CloseDoneDialog() {
    for (int guard = 0; guard < 260 && dialogKind != DIALOG_PUZZLE_DONE; guard++) DriverFrames(1);
    EXPECT_EQ(dialogKind, DIALOG_PUZZLE_DONE);
    EXPECT_EQ(levelEndTimer, 891) << "the results wait for the dialog";
    for (int guard = 0; guard < 20 && dialogOpenLevel < DIALOG_FULLY_OPEN; guard++) DriverFrames(1);
    PressKey(KEY_ENTER);
    for (int guard = 0; guard < 100 && gameScreen == SCREEN_MATCH3; guard++) DriverFrames(1);
}

int SameRecord(const TPuzzlePiece& a, const TPuzzlePiece& b) {
    return a.targetX == b.targetX && a.targetY == b.targetY && a.x == b.x && a.y == b.y && a.hoverGlow == b.hoverGlow &&
           a.lift == b.lift && a.motion == b.motion && a.placed == b.placed;
}

// A fresh puzzle, and a stored one that could never be finished (every
// piece bound for one place) which is not taken up but shuffled anew: every
// piece lies off its own place, one on each of the 20 places, and once faded
// in shows its own cell of the picture where it lies.
TEST(Puzzle, TheShuffleLeavesEveryPieceOffItsPlaceAndDrawsEachPieceFromItsCell) {
    for (void (*prepare)(TPlayerProfile&) : {static_cast<void (*)(TPlayerProfile&)>(nullptr), +[](TPlayerProfile& player) {
             player.puzzlePending = 1;
             for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) player.puzzlePieces[n] = TPuzzlePiece{};
         }}) {
        SCOPED_TRACE(prepare ? "stored" : "fresh");
        ASSERT_TRUE(EnterPuzzle(10, 0, "", prepare));
        std::set<std::pair<int, int>> homes, places;
        for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
            homes.insert({pieceHomeX[n], pieceHomeY[n]});
            places.insert({Piece(n).x, Piece(n).y});
            EXPECT_FALSE(AtHome(n)) << "piece " << n << " was left in its own place";
            EXPECT_TRUE(Piece(n).targetX == Piece(n).x && Piece(n).targetY == Piece(n).y && !Piece(n).placed) << n;
        }
        EXPECT_EQ(places, homes);
        for (int guard = 0; guard < 40 && levelEndTimer < 565; guard++) DriverFrames(1);
        for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++)
            EXPECT_EQ(DriverPixel(PUZZLE_LEFT + Piece(n).x + PIECE_WIDTH / 2, PUZZLE_TOP + Piece(n).y + PIECE_HEIGHT / 2),
                      CellColour(n))
                << "piece " << n;
        DriverStop();
    }
}

TEST(Puzzle, TwoPicksSwapAndOnlyAPieceLandingOnItsOwnPlaceLocks) {
    ASSERT_TRUE(EnterPuzzle(10, 0));
    CloseHelpAndWait();
    TPlayerProfile& player = CurrentProfile();

    // The same piece twice: it rises, is put back and nothing has moved.
    std::vector<std::pair<int, int>> before;
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) before.push_back({Piece(n).x, Piece(n).y});
    ClickPiece(3);
    EXPECT_EQ(player.firstPick, 3);
    DriverFrames(4);
    ClickPiece(3);
    DriverFrames(5);
    EXPECT_TRUE(player.firstPick == 0 && player.secondPick == 0 && Piece(3).lift == 0);
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) EXPECT_EQ(std::make_pair(Piece(n).x, Piece(n).y), before[n - 1]) << n;

    // A swap sending piece a home, with a piece b that lies on a's place.
    const int a = 1, b = PieceOnHomeOf(1);
    const TPuzzlePiece oldA = Piece(a), oldB = Piece(b);
    ClickPiece(a);
    ClickPiece(b);
    EXPECT_EQ(player.secondPick, b);
    WaitUntilSettled();
    EXPECT_TRUE(Piece(a).x == oldB.x && Piece(a).y == oldB.y && Piece(b).x == oldA.x && Piece(b).y == oldA.y);
    EXPECT_EQ(Piece(a).placed, 1);
    EXPECT_EQ(Piece(b).placed, AtHome(b)) << "the other piece locks only on its own place";
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++)
        if (n != a && n != b) {
            EXPECT_EQ(Piece(n).placed, 0) << n;
        }

    // A locked piece takes no more clicks.
    ClickPiece(a);
    EXPECT_EQ(player.firstPick, 0);
    DriverStop();
}

TEST(Puzzle, SolvingItOpensTheDoneDialogAndTheNextStage) {
    ASSERT_TRUE(EnterPuzzle(60, 0));
    // All but the last two pieces locked; those two lie on each other's place.
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
        TPuzzlePiece& p = Piece(n);
        const int home = n == 19 ? 20 : (n == 20 ? 19 : n);
        p.x = p.targetX = pieceHomeX[home];
        p.y = p.targetY = pieceHomeY[home];
        p.placed = home == n;
    }
    CloseHelpAndWait();
    TPlayerProfile& player = CurrentProfile();
    ClickPiece(19);
    ClickPiece(20);
    for (int guard = 0; guard < 200 && !(Piece(19).placed && Piece(20).placed); guard++) DriverFrames(1);
    ASSERT_EQ(Piece(19).placed, 1);
    ASSERT_EQ(Piece(20).placed, 1) << "both pieces of the swap lock";
    DriverFrames(1);
    EXPECT_EQ(levelEndTimer, 891) << "solved in the frame the 20 locked pieces are counted";
    CloseDoneDialog();
    EXPECT_EQ(gameScreen, SCREEN_MAP);
    EXPECT_TRUE(player.playerUnlocked == 61 && player.playerProgress == 61) << "stage 7 is open";
    EXPECT_EQ(player.puzzlePending, 0);

    // The last stage's puzzle, solved with the developer key, leads to the
    // closing story.
    ASSERT_TRUE(EnterPuzzle(120, 0));
    DriverFrames(5);
    developerMode = 1;
    DriverKey(KEY_F3, 1);
    DriverFrames(1);
    DriverKey(KEY_F3, 0);
    CloseDoneDialog();
    EXPECT_EQ(gameScreen, SCREEN_ENDING);
    EXPECT_EQ(CurrentProfile().playerUnlocked, 121);
    DriverStop();
}

TEST(Puzzle, APuzzleLeftHalfDoneIsTakenUpAsItWasAfterARestart) {
    const std::string work = PuzzleWorkFolder();
    ASSERT_TRUE(EnterPuzzle(10, 0, work));
    CloseHelpAndWait();
    std::vector<int> locked;
    for (int n = 1; n <= PUZZLE_PIECE_COUNT && locked.size() < 2; n++) {
        if (Piece(n).placed) continue;
        SendHome(n);
        locked.push_back(n);
    }
    int waiting = 1;
    while (waiting < PUZZLE_PIECE_COUNT && Piece(waiting).placed) waiting++;
    ClickPiece(waiting);     // a first pick left waiting in the air
    DriverPointer(1000, 100);
    DriverFrames(20);
    ASSERT_EQ(CurrentProfile().firstPick, waiting);

    // Leave for the map through the in-game menu, which saves the profile.
    DriverClick(87, 743);
    for (int guard = 0; guard < 30 && dialogOpenLevel < DIALOG_FULLY_OPEN; guard++) DriverFrames(1);
    ASSERT_EQ(dialogKind, DIALOG_GAME_MENU);
    DriverPointer(432, 424);
    DriverButton(1, 1);
    DriverFrames(1);
    DriverButton(1, 0);
    ASSERT_EQ(nextScreen, SCREEN_MAP);
    const TPlayerProfile left = CurrentProfile();
    EXPECT_EQ(left.puzzlePending, 1);
    for (int guard = 0; guard < 60 && gameScreen != SCREEN_MAP; guard++) DriverFrames(1);

    // The program starts again and the player enters the same position.
    ASSERT_TRUE(EnterPuzzle(10, 1, work));
    const TPlayerProfile& back = CurrentProfile();
    EXPECT_EQ(back.firstPick, waiting);
    EXPECT_EQ(back.secondPick, 0);
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++)
        EXPECT_TRUE(SameRecord(back.puzzlePieces[n], left.puzzlePieces[n])) << "piece " << n;
    for (int n : locked) EXPECT_EQ(back.puzzlePieces[n].placed, 1) << n;
    EXPECT_EQ(back.puzzlePending, 0) << "taking the puzzle up clears the mark";

    // The waiting pick goes on where it was left.
    CloseHelpAndWait();
    ClickPiece(PieceOnHomeOf(waiting));
    WaitUntilSettled();
    EXPECT_EQ(Piece(waiting).placed, 1);
    DriverStop();
}

}  // namespace
