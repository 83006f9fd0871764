// The picture puzzle: set-up and shuffle, the two-click swap with its lift,
// flight and landing, the pieces that lock in their own places, the solved
// flash, and the puzzle's two dialogs. It runs inside the results sequence of
// the game screen (levelEndTimer 540 to 900); the pieces live in the player's
// profile so that a puzzle left half done is taken up again as it was.
#include "map/puzzle.h"

#include <string>

#include "audio/audio.h"
#include "effects/degrees.h"
#include "effects/effects.h"
#include "map/level_clock.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "shell/pictures.h"
#include "tables/dialog_tables.h"
#include "tables/game_tables.h"
#include "tables/map_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/puzzle_tables.h"
#include "tables/shell_tables.h"
#include "tables/text_tables.h"
#include "text/text.h"

namespace {

constexpr int PICTURE_PUZZLE = 2;       // puzzleRewardKind while the puzzle runs
// levelEndTimer: the phase starts at 540, the help opens at 580 and clicks
// count from then on; 891 marks the puzzle solved, 900 lets the results go on.
constexpr int PHASE_START = 540;
constexpr int HELP_OPENS = 580;
constexpr int LAST_PLAYING = 890;
constexpr int SOLVED = 891;
constexpr int DONE = 900;
constexpr int CLICKS_FROM_FRAME = 140;  // levelFrame above which the pieces take clicks
constexpr int CLOCK_FROM_FRAME = 150;

constexpr int LIFT_WAITING = 5;         // the first pick waits raised this high
constexpr int LIFT_MOVING = 6;          // both picks fly at this height
constexpr int LIFT_LANDING = 4;         // frames of landing after the flight
constexpr int MOTION_RESTING = 0, MOTION_RISING = 1, MOTION_LANDING = 2;
constexpr float FLIGHT_SHARE = 0.15f;   // of the remaining way, per frame
constexpr float FLIGHT_TOP_SPEED = 20.0f;
constexpr int SNAP_DISTANCE = 12;
constexpr int HOVER_GLOW = 10;
constexpr int LOCK_SPARKLES = 30;

constexpr int FLASH_FRAMES = 45, SPARKLE_FRAMES = 90, DONE_DIALOG_FRAME = 200;
constexpr int SPARKLE_KIND = 4000;      // plus a colour 1..9

constexpr int SOUND_PUT_BACK = 3, SOUND_PICK = 4, SOUND_SWAP = 5, SOUND_SOLVED = 8, SOUND_LOCKED = 20;
constexpr const char* SOLVED_MUSIC = "story.wav";

// The last stage's puzzle closes the game; its dialog says so.
constexpr int LAST_STAGE_FROM = 119;

TPuzzlePiece& Piece(int n) {
    static TPuzzlePiece outside;
    if (n < 1 || n >= PUZZLE_PIECES) {
        outside = TPuzzlePiece{};
        return outside;
    }
    return CurrentProfile().puzzlePieces[n];
}

int AtHome(const TPuzzlePiece& p, int n) {
    return p.x == pieceHomeX[n] && p.y == pieceHomeY[n];
}

// A stored puzzle is taken up only when it can still be finished: its targets
// are the 20 places, each once; a piece away from its target is one of the
// picks on its way there; a locked piece rests at home. A damaged profile
// would otherwise leave pieces that never settle, and the puzzle stuck.
int StoredPuzzleFinishable(const TPlayerProfile& player) {
    if (player.firstPick < 0 || player.firstPick > PUZZLE_PIECE_COUNT) return 0;
    if (player.secondPick < 0 || player.secondPick > PUZZLE_PIECE_COUNT) return 0;
    if (player.secondPick > 0 && (player.firstPick == 0 || player.firstPick == player.secondPick)) return 0;
    int placeTaken[PUZZLE_PIECE_COUNT + 1] = {};
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
        const TPuzzlePiece& p = player.puzzlePieces[n];
        if (p.lift < 0 || p.lift > LIFT_MOVING || p.motion < MOTION_RESTING || p.motion > MOTION_LANDING) return 0;
        int place = 0;
        for (int k = 1; k <= PUZZLE_PIECE_COUNT; k++)
            if (p.targetX == pieceHomeX[k] && p.targetY == pieceHomeY[k]) place = k;
        if (place == 0 || placeTaken[place]) return 0;
        placeTaken[place] = 1;
        const int picked = n == player.firstPick || n == player.secondPick;
        if ((p.x != p.targetX || p.y != p.targetY) && !(picked && p.lift > 0 && p.motion == MOTION_RISING)) return 0;
        if (p.placed && (!AtHome(p, n) || p.targetX != p.x || p.targetY != p.y)) return 0;
    }
    return 1;
}

// Random exchanges of two pieces' places until no piece is in its own place.
void ShufflePieces() {
    const int count = PUZZLE_PIECE_COUNT;
    int someAtHome = 1;
    while (someAtHome) {
        const int a = RandomInt(count, 1);
        int b = RandomInt(count, 1);
        while (b == a) b = RandomInt(count, 1);
        TPuzzlePiece& pa = Piece(a);
        TPuzzlePiece& pb = Piece(b);
        const int x = pa.x, y = pa.y;
        pa.x = pb.x;
        pa.y = pb.y;
        pb.x = x;
        pb.y = y;
        someAtHome = 0;
        for (int n = 1; n <= count; n++)
            if (AtHome(Piece(n), n)) someAtHome = 1;
    }
    for (int n = 1; n <= count; n++) {
        TPuzzlePiece& p = Piece(n);
        p.targetX = p.x;
        p.targetY = p.y;
    }
}

void DrawPiece(int n, float x, float y) {
    DrawPictureFrame(puzzleTiles, x, y, n - 1, PUZZLE_PIECE_COUNT - 1);
}

float PlaceX(const TPuzzlePiece& p) { return static_cast<float>(puzzleLeft + p.x); }
float PlaceY(const TPuzzlePiece& p) { return static_cast<float>(puzzleTop + p.y); }

// Whether anything in the puzzle moves: a swap under way, a piece away from
// its target or landing, or more than the one waiting pick raised.
void FindRest() {
    const TPlayerProfile& player = CurrentProfile();
    puzzleAtRest = 1;
    if (player.secondPick > 0) puzzleAtRest = 0;
    int raised = 0;
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
        const TPuzzlePiece& p = Piece(n);
        if (p.x != p.targetX || p.y != p.targetY) puzzleAtRest = 0;
        if (p.motion == MOTION_LANDING) puzzleAtRest = 0;
        if (p.lift > 0) raised++;
    }
    if (raised > 1) puzzleAtRest = 0;
}

int UnderPointer(const TPuzzlePiece& p) {
    const TPlayerProfile& player = CurrentProfile();
    if (player.secondPick != 0 || p.placed != 0) return 0;
    const int left = puzzleLeft + p.x, top = puzzleTop + p.y;
    if (!(mouseX > left && mouseY > top && mouseX < left + pieceWidth && mouseY < top + pieceHeight)) return 0;
    return puzzleAtRest == 1 && dialogOpenLevel == 0 && pauseOverlay == -1 && levelEndTimer > HELP_OPENS &&
           levelFrame > CLICKS_FROM_FRAME;
}

// A click takes the first piece, exchanges the targets of the two picks with
// the second, or puts the first back down when it is clicked again.
void PickPiece(int n) {
    TPlayerProfile& player = CurrentProfile();
    TPuzzlePiece& p = Piece(n);
    if (player.firstPick == 0) {
        player.firstPick = n;
        p.lift = 1;
        p.motion = MOTION_RISING;
        PlaySound(SOUND_PICK, mouseX);
    } else if (player.firstPick != n) {
        TPuzzlePiece& f = Piece(player.firstPick);
        player.secondPick = n;
        p.lift = 1;
        p.motion = MOTION_RISING;
        p.targetX = f.x;
        p.targetY = f.y;
        f.targetX = p.x;
        f.targetY = p.y;
        PlaySound(SOUND_PICK, mouseX);
        PlaySound(SOUND_SWAP, mouseX);
    } else {
        p.lift = LIFT_WAITING;
        p.motion = MOTION_LANDING;
        player.secondPick = 0;
        PlaySound(SOUND_PUT_BACK, mouseX);
    }
}

void TakeClicks() {
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
        TPuzzlePiece& p = Piece(n);
        if (!UnderPointer(p)) continue;
        p.hoverGlow = HOVER_GLOW;
        if (mouseHitLeft != 1) continue;
        mouseHitLeft = 0;   // one piece takes the click
        PickPiece(n);
    }
}

int DrawPlacedPieces() {
    int placed = 0;
    SetDrawScale(1.0f, 1.0f);
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
        const TPuzzlePiece& p = Piece(n);
        if (p.lift != 0 || p.placed != 1) continue;
        DrawPiece(n, PlaceX(p), PlaceY(p));
        placed++;
    }
    return placed;
}

// The bevel and shadow pictures are cut for pieces of 128 x 120 only.
int TileArtFits() {
    return pieceWidth == PIECE_WIDTH;
}

void DrawLoosePieces(float alpha) {
    SetAlpha(alpha * 0.8f);
    SetDrawScale(1.025f, 1.025f);
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
        const TPuzzlePiece& p = Piece(n);
        if (p.lift == 0 && p.placed == 0 && TileArtFits()) DrawPicture(pieceShadowImage, PlaceX(p) - 5, PlaceY(p) - 5);
    }
    SetAlpha(alpha);
    SetDrawScale(1.0f, 1.0f);
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
        TPuzzlePiece& p = Piece(n);
        if (p.lift != 0 || p.placed != 0) continue;
        DrawPiece(n, PlaceX(p), PlaceY(p));
        if (TileArtFits()) DrawPicture(pieceBevelImage, PlaceX(p), PlaceY(p));
        if (p.hoverGlow > 0) {
            p.hoverGlow--;
            SetBlend(BLEND_LIGHT);
            SetAlpha(alpha * p.hoverGlow * 0.1f);
            DrawPiece(n, PlaceX(p), PlaceY(p));
            SetBlend(BLEND_ALPHA);
            SetAlpha(alpha);
        }
    }
}

// A landed piece is free again; on its own place it locks for good.
void Land(int n) {
    TPlayerProfile& player = CurrentProfile();
    TPuzzlePiece& p = Piece(n);
    p.lift = 0;
    p.motion = MOTION_RESTING;
    if (player.firstPick == n) player.firstPick = 0;
    if (player.secondPick == n) player.secondPick = 0;
    if (!AtHome(p, n)) return;
    p.placed = 1;
    PlaySound(SOUND_LOCKED, mouseX);
    for (int i = 0; i < LOCK_SPARKLES; i++) {
        const int x = puzzleLeft + p.x + RandomInt(0, pieceWidth);
        const int y = puzzleTop + p.y + RandomInt(0, pieceHeight);
        SpawnParticle(static_cast<float>(x), static_cast<float>(y), SPARKLE_KIND + RandomInt(1, 9), 0.0f, 0.0f);
    }
}

int FlightStep(int from, int to) {
    float d = (to - from) * FLIGHT_SHARE;
    if (d > FLIGHT_TOP_SPEED) d = FLIGHT_TOP_SPEED;
    if (d < -FLIGHT_TOP_SPEED) d = -FLIGHT_TOP_SPEED;
    return static_cast<int>(from + d);
}

void Fly(TPuzzlePiece& p) {
    p.x = FlightStep(p.x, p.targetX);
    p.y = FlightStep(p.y, p.targetY);
    if (p.targetX - SNAP_DISTANCE < p.x && p.x < p.targetX + SNAP_DISTANCE && p.targetY - SNAP_DISTANCE < p.y &&
        p.y < p.targetY + SNAP_DISTANCE) {
        p.x = p.targetX;
        p.y = p.targetY;
        p.lift = LIFT_LANDING;
        p.motion = MOTION_LANDING;
    }
}

// Raised pieces in number order: rising, landing, flying, then drawn. The
// second pick reaching its height sends the first one off as well, so when
// the first has the higher number both start in the same frame, otherwise
// the second starts one frame earlier.
void MoveRaisedPieces(float alpha) {
    TPlayerProfile& player = CurrentProfile();
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
        TPuzzlePiece& p = Piece(n);
        if (p.lift <= 0) continue;
        if (p.motion == MOTION_RISING) {
            if (n == player.firstPick && p.lift < LIFT_WAITING) p.lift++;
            if (n == player.secondPick && p.lift < LIFT_MOVING) {
                p.lift++;
                if (p.lift == LIFT_MOVING) Piece(player.firstPick).lift = LIFT_MOVING;
            }
        } else if (p.motion == MOTION_LANDING) {
            p.lift--;
            if (p.lift <= 0) Land(n);
        }
        if (p.lift == LIFT_MOVING) Fly(p);
        SetAlpha(alpha * p.lift * 0.4f);
        if (TileArtFits()) DrawPicture(pieceShadowImage, PlaceX(p) + 2 * p.lift, PlaceY(p) + 2 * p.lift);
        SetAlpha(alpha);
        DrawPiece(n, PlaceX(p) + p.lift, PlaceY(p) + p.lift);
        if (TileArtFits()) DrawPicture(pieceBevelImage, PlaceX(p) + p.lift, PlaceY(p) + p.lift);
    }
}

void DrawAllPieces() {
    for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
        const TPuzzlePiece& p = Piece(n);
        DrawPiece(n, PlaceX(p), PlaceY(p));
    }
}

// Sparkles rising along the four sides of the frame, denser near it.
void SparkleAroundFrame() {
    const int right = PUZZLE_LEFT + PUZZLE_COLUMNS * PIECE_WIDTH;
    const int bottom = PUZZLE_TOP + PUZZLE_ROWS * PIECE_HEIGHT;
    auto sparkle = [](int x, int y) {
        SpawnParticle(static_cast<float>(x), static_cast<float>(y), SPARKLE_KIND + RandomInt(1, 9), 0.0f, 0.0f);
    };
    for (int i = 1; i <= 10; i++) {
        if (RandomInt(1, 4) != 1) continue;
        const int chance = i / 2 + 1;   // the nearer the frame, the likelier
        if (RandomInt(1, chance) == 1) sparkle(RandomInt(PUZZLE_LEFT, right), PUZZLE_TOP - 2 * i);
        if (RandomInt(1, chance) == 1) sparkle(RandomInt(PUZZLE_LEFT, right), bottom + 2 * i);
        if (RandomInt(1, chance) == 1) sparkle(PUZZLE_LEFT - 2 * i, RandomInt(PUZZLE_TOP, bottom));
        if (RandomInt(1, chance) == 1) sparkle(right + 2 * i, RandomInt(PUZZLE_TOP, bottom));
    }
}

void RunSolvedPuzzle() {
    if (puzzleSolvedFrames == 0) {
        PlayMusic(SOLVED_MUSIC);
        PlaySound(SOUND_SOLVED, 512);
    }
    puzzleSolvedFrames++;
    DrawAllPieces();
    if (puzzleSolvedFrames < FLASH_FRAMES) {
        SetBlend(BLEND_LIGHT);
        SetAlpha(SinDeg(4.0f * puzzleSolvedFrames));
        DrawAllPieces();
        SetBlend(BLEND_ALPHA);
    }
    if (puzzleSolvedFrames < SPARKLE_FRAMES) SparkleAroundFrame();
    SetAlpha(1.0f);
    if (puzzleSolvedFrames == DONE_DIALOG_FRAME) OpenDialog(DIALOG_PUZZLE_DONE);
}

// The backdrop both puzzle dialogs share.
void DrawPuzzleDialogBack() {
    SetDrawScale(2.0f, 2.0f);
    DrawPicture(pauseGlowImage, 512, 384);
    SetDrawScale(1.0f, 1.0f);
    DrawPicture(mediumPopupImage, 512, 384);
}

// A heading at y 166 and its lines at the heights given.
void DrawPuzzleDialogText(int heading, int firstLine, const float* lineY, int lines) {
    DrawGlyphText(codeTexts[heading], 512, 166.0f, ALIGN_CENTRE, FONT_HEAD);
    for (int i = 0; i < lines; i++) DrawGlyphText(codeTexts[firstLine + i], 512, lineY[i], ALIGN_CENTRE, FONT_NORMAL);
}

// The OK button, Enter or Escape, once the dialog is fully open.
int PuzzleDialogClosed() {
    const int clicked = DrawButton(512, 560, 3, LAYER_DIALOG, codeTexts[5]) == 3;
    if ((clicked || keyEscape == 1 || keyEnter == 1) && dialogOpenLevel == DIALOG_FULLY_OPEN) {
        dialogDirection = DIALOG_CLOSING;
        return 1;
    }
    return 0;
}

}  // namespace

void LoadPuzzleFrame() {
    FreeImage(puzzleFrameImage);
    puzzleFrameImage = LoadPicture("data/puzzles/puzzleframe.png");
    SetImageAnchor(puzzleFrameImage, 0.0f, 0.0f);
}

void FreePuzzleFrame() {
    FreeImage(puzzleFrameImage);
}

void FreePuzzleTiles() {
    FreeImage(puzzleTiles);
    FreeImage(puzzleThumbImage);
}

void SetUpPuzzle(int stage) {
    levelFrame = 0;
    int red, green, blue;
    CurrentMaskKey(red, green, blue);
    FreePuzzleFrame();
    LoadPuzzleFrame();
    // The stage pictures are masked with yellow where they have no alpha.
    SetMaskKey(255, 255, 0);
    FreePuzzleTiles();
    puzzleTiles = LoadPictureStrip(StagePicturePath(stage, "0bg.png"), PIECE_WIDTH, PIECE_HEIGHT, PUZZLE_PIECE_COUNT);
    SetImageAnchor(puzzleTiles, 0.0f, 0.0f);
    puzzleThumbImage = LoadPicture(StagePicturePath(stage, "preview2.png"));
    SetImageAnchor(puzzleThumbImage, 0.0f, 0.0f);
    SetMaskKey(red, green, blue);

    puzzleAtRest = 1;
    puzzleColumns = PUZZLE_COLUMNS;
    puzzleRows = PUZZLE_ROWS;
    pieceWidth = PIECE_WIDTH;
    pieceHeight = PIECE_HEIGHT;
    for (int r = 0; r < PUZZLE_ROWS; r++) {
        for (int c = 0; c < PUZZLE_COLUMNS; c++) {
            const int n = PUZZLE_COLUMNS * r + c + 1;
            pieceHomeX[n] = PIECE_WIDTH * c;
            pieceHomeY[n] = PIECE_HEIGHT * r;
        }
    }
    TPlayerProfile& player = CurrentProfile();
    const int resuming = player.puzzlePending != 0 && StoredPuzzleFinishable(player);
    if (!resuming) {
        player.firstPick = player.secondPick = 0;
        for (int n = 1; n <= PUZZLE_PIECE_COUNT; n++) {
            TPuzzlePiece& p = Piece(n);
            p = TPuzzlePiece{};
            p.targetX = p.x = pieceHomeX[n];
            p.targetY = p.y = pieceHomeY[n];
        }
        ShufflePieces();
    }
    puzzleRewardKind = PICTURE_PUZZLE;
    puzzleSolvedFrames = 0;
    player.puzzlePending = 0;
}

void RunPuzzlePhase() {
    const float alphaBefore = CurrentAlpha();
    SetDrawScale(1.0f, 1.0f);
    DrawPicture(puzzleFrameImage, 0, 0);
    SetDrawScale(-1.0f, 1.0f);
    DrawPicture(puzzleFrameImage, 1024, 0);
    SetDrawScale(1.0f, 1.0f);
    puzzleLeft = PUZZLE_LEFT;
    puzzleTop = PUZZLE_TOP;
    float fadeIn = (levelEndTimer - PHASE_START) * 0.05f;
    if (fadeIn > 1.0f) fadeIn = 1.0f;
    SetAlpha(fadeIn);
    if (levelEndTimer <= LAST_PLAYING) {
        if (puzzleRewardKind == PICTURE_PUZZLE) PlayPuzzle();
        // Developer test key: the puzzle counts as solved at once.
        if (developerMode == 1 && keyF3 == 1) levelEndTimer = SOLVED;
    }
    DrawPicture(puzzleThumbImage, PUZZLE_THUMB_X, PUZZLE_THUMB_Y);
    SetDrawScale(1.0f, 1.0f);
    if (levelEndTimer >= SOLVED) RunSolvedPuzzle();
    if (levelFrame > CLOCK_FROM_FRAME && pauseOverlay == -1 && dialogOpenLevel == 0) TickLevelClock();
    SetAlpha(alphaBefore);
}

void PlayPuzzle() {
    const float alpha = CurrentAlpha();
    FindRest();
    TakeClicks();
    const int placed = DrawPlacedPieces();
    DrawLoosePieces(alpha);
    MoveRaisedPieces(alpha);
    if (placed >= PUZZLE_PIECE_COUNT) levelEndTimer = SOLVED;
    SetDrawScale(1.0f, 1.0f);
}

void DrawPuzzleHelp() {
    DrawPuzzleDialogBack();
    // the last line stands apart: it is the goal
    static const float lineY[6] = {246.0f, 316.0f, 346.0f, 376.0f, 406.0f, 456.0f};
    if (puzzleRewardKind == PICTURE_PUZZLE) DrawPuzzleDialogText(351, 352, lineY, 6);
    PuzzleDialogClosed();
}

void DrawPuzzleDone() {
    DrawPuzzleDialogBack();
    static const float lineY[6] = {246.0f, 316.0f, 346.0f, 376.0f, 406.0f, 436.0f};
    if (mapPosition >= LAST_STAGE_FROM) DrawPuzzleDialogText(372, 373, lineY, 6);
    else DrawPuzzleDialogText(365, 366, lineY, 6);
    if (PuzzleDialogClosed()) levelEndTimer = DONE;
}
