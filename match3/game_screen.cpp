// The match-3 game screen. Its frame keeps one fixed order: counters, help and
// clock, the background, the shells, the board and its rules, the power-ups,
// the results, the banner, the effects, the status line and buttons, the
// dialogs, and last the sounds the frame asked for.
#include "match3/game_screen.h"

#include <cmath>

#include "audio/audio.h"
#include "effects/effects.h"
#include "map/floating_texts.h"
#include "map/level_clock.h"
#include "map/map.h"
#include "map/powerup_art.h"
#include "map/puzzle.h"
#include "match3/board_art.h"
#include "match3/board_draw.h"
#include "match3/board_frame.h"
#include "match3/fish_orders.h"
#include "match3/level_end.h"
#include "match3/level_files.h"
#include "match3/rules.h"
#include "match3/specials.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "platform/platform.h"
#include "shell/assets.h"
#include "shell/shell.h"
#include "tables/board_tables.h"
#include "tables/dialog_tables.h"
#include "tables/effect_tables.h"
#include "tables/game_tables.h"
#include "tables/level_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "text/text.h"

namespace {

constexpr int DIALOG_GAME_MENU = 298;
constexpr int DIALOG_PUZZLE_HELP = 445;
constexpr int DIALOG_HELP = 447;
constexpr int HELP_FRAME = 35;
constexpr int BUTTONS_LIVE_FRAME = 150;
constexpr int MENU_ENTRY_FRAME = 140;
constexpr int LAST_TEST_POSITION = 119;

// The three mode buttons from left to right: picture and the mode it picks.
struct TModeButton {
    int x, image, mode;
};
const TModeButton modeButtons[3] = {{402, 5, MODE_SWAP}, {512, 6, MODE_CHAIN}, {622, 7, MODE_GROUP}};

float SinDegrees(float degrees) {
    return std::sin(degrees * 3.14159265f / 180.0f);
}

int DialogShown() {
    return dialogOpenLevel > 0;
}

int OnOrdinaryLevel() {
    return positionKind[levelPosition] == POSITION_LEVEL;
}

int PlayingLevelPosition() {
    return positionKind[CurrentProfile().playerProgress] == POSITION_LEVEL;
}

// The first levels open their help page by themselves, once.
void OpenLevelHelp() {
    TPlayerProfile& player = CurrentProfile();
    if (levelFrame != HELP_FRAME || player.playerHelpSetting != 3) return;
    levelFrame = HELP_FRAME + 1;
    static const int pageOfProgress[8] = {0, 1, 3, 4, 5, 6, 7, 8};
    int progress = player.playerProgress;
    if (progress >= 1 && progress <= 7) {
        helpPage = pageOfProgress[progress];
        OpenDialog(DIALOG_HELP);
    }
}

void RunTestKeys() {
    if (developerMode != 1 || levelEndTimer != 0 || endingShown != 0) return;
    if (keyF3 == 1) levelEndTimer = 1;
    if (keyF4 == 1) {
        levelEndTimer = 1;
        TPlayerProfile& player = CurrentProfile();
        player.playerProgress = player.playerUnlocked = LAST_TEST_POSITION;
        mapPosition = LAST_TEST_POSITION;
    }
}

// Ambient fish swim by behind the board; fewer on a slow machine.
void SpawnAmbientFlyers() {
    int cap = 10;
    if (framesPerSecond < 30) cap = 5;
    if (framesPerSecond < 20) cap = 2;
    if (fishCount >= cap) return;
    for (int chance = 0; chance < 4; chance++) {
        if (RandomInt(1, 400) != 1) continue;
        const int fromLeft = chance % 2 == 0;
        int x = fromLeft ? RandomInt(-200, -100) : RandomInt(1100, 1200);
        int y = RandomInt(200, 600);
        int speed = RandomInt(7, 10);
        int kind = chance < 2 ? RandomInt(7, 8) : RandomInt(13, 16);
        SpawnFlyer(static_cast<float>(x), static_cast<float>(y), static_cast<float>(speed), kind);
    }
}

void DrawBackground() {
    SetColor(fadeLevel, fadeLevel, fadeLevel);
    SetBlend(BLEND_SOLID);
    DrawPicture(levelBackgroundImage, 0, 0);
    SetBlend(BLEND_ALPHA);
    UpdateFlyers();
    SpawnAmbientFlyers();
}

void RunBoardAndPowerups() {
    if (levelEndTimer >= 520 || pauseOverlay != -1) return;
    if (PlayingLevelPosition()) {
        RunBoardRules();
        if (!DialogShown() && levelEndTimer <= 40) {
            DrawBoard();
            if (levelEndTimer == 0) UpdateFishOrders();
        }
    }
    UpdatePowerups();
}

void DrawStartBanner() {
    float scale, alpha;
    StartBannerLook(levelFrame, scale, alpha);
    if (alpha <= 0.0f || !gameOnImage) return;
    const float oldAlpha = CurrentAlpha();
    SetDrawScale(scale, scale);
    SetAlpha(alpha);
    PaintImage(gameOnImage, 512, 384, 0);
    SetDrawScale(1.0f, 1.0f);
    SetAlpha(oldAlpha);
}

void DrawStatusBars() {
    if (!OnOrdinaryLevel()) return;
    DrawPicture(statusBarTopImage, 512, 44);
    DrawPicture(lowerBarImage, 512, 726);
}

void DrawLabelAndValue(int label, const std::string& value, int left, int right) {
    DrawGlyphText(codeTexts[label], left, 16.0f, ALIGN_LEFT, FONT_NORMAL);
    DrawGlyphText(value, right, 16.0f, ALIGN_RIGHT, FONT_NORMAL);
}

void DrawStatusLine() {
    if (puzzleRewardKind != 0) {
        DrawGlyphText(codeTexts[90], 512, 17.0f, ALIGN_CENTRE, FONT_NORMAL);
        return;
    }
    const TPlayerProfile& player = CurrentProfile();
    std::string title = codeTexts[68 + (levelPosition - 1) / 10] + " " + codeTexts[66] + " - " +
                        TextFromInt(positionInStage);
    DrawGlyphText(title, 512, 0.0f, ALIGN_CENTRE, FONT_NORMAL);
    const float alpha = CurrentAlpha();
    SetAlpha(alpha * 0.5f);
    DrawGlyphText(codeTexts[50], 512, 30.0f, ALIGN_CENTRE, FONT_NORMAL);
    SetAlpha(alpha);
    if (OnOrdinaryLevel()) {
        int ordersLeft = ordersNeeded - player.playerOrdersServed;
        DrawLabelAndValue(314, TextFromInt(mossLeft), 52, 162);
        DrawLabelAndValue(311, TextFromInt(ordersLeft > 0 ? ordersLeft : 0), 212, 322);
    }
    DrawLabelAndValue(312, TextFromInt(player.playerScore + score), 695, 809);
    DrawLabelAndValue(313, FormatMinutesSeconds(player.playerLevelSeconds), 855, 969);
}

void DrawModeButtons() {
    TPlayerProfile& player = CurrentProfile();
    const int disabled = levelEndTimer > 0 || levelFrame < BUTTONS_LIVE_FRAME;
    const int layer = disabled ? -1 : LAYER_SCREEN;
    for (const TModeButton& button : modeButtons) {
        if (DrawButton(button.x, 717, button.image, layer, "") != 3) continue;
        player.playerGameMode = button.mode;
        if (swapFirst != 0) swapFirst = swapSecond = 0;
    }
    for (const TModeButton& button : modeButtons) {
        if (button.mode != CurrentGameMode() || !buttonImage[button.image]) continue;
        const float alpha = CurrentAlpha();
        float glow = 0.3f + 0.3f * SinDegrees(7.0f * frameCount);
        if (disabled || DialogShown()) glow = 0.3f;
        SetBlend(BLEND_LIGHT);
        SetAlpha(alpha * glow);
        PaintImage(buttonImage[button.image], button.x, 717, 0);
        SetBlend(BLEND_ALPHA);
        SetAlpha(alpha);
    }
}

// The in-game menu opens from Escape or from its entry at the top.
void RunMenuEntry() {
    const int open = !DialogShown() && levelEndTimer == 0 && levelFrame > MENU_ENTRY_FRAME;
    if (keyEscape == 1 && open) OpenDialog(DIALOG_GAME_MENU);
    if (!open || pauseOverlay != -1) return;
    if (mouseX >= 473 && mouseX <= 551 && mouseY >= 31 && mouseY <= 61) {
        DrawGlyphText(codeTexts[50], 512, 30.0f, ALIGN_CENTRE, FONT_NORMAL);
        if (mouseHitLeft == 1) {
            mouseHitLeft = 0;
            OpenDialog(DIALOG_GAME_MENU);
        }
    }
}

void DrawPuzzleButtons() {
    const int menuLayer = levelEndTimer > 0 && levelEndTimer < 540 ? -1 : LAYER_SCREEN;
    if (DrawButton(87, 743, 3, menuLayer, codeTexts[50]) == 3) OpenDialog(DIALOG_GAME_MENU);
    if (DrawButton(937, 743, 3, LAYER_SCREEN, codeTexts[62]) == 3) OpenDialog(DIALOG_PUZZLE_HELP);
}

void DrawControls() {
    inputLayer = DialogShown() ? LAYER_DIALOG : LAYER_SCREEN;
    SetAlpha(1.0f);
    DrawStatusLine();
    if (puzzleRewardKind == 0) {
        DrawModeButtons();
        RunMenuEntry();
    } else {
        DrawPuzzleButtons();
    }
}

void PlayRequestedSounds() {
    if (pillarSoundX >= 0) {
        PlaySound(35, pillarSoundX);
        PlaySound(25, pillarSoundX);
    }
    if (mossSoundX >= 0) PlaySound(40, mossSoundX);
}

}  // namespace

void AddScore(int x, int y, int points) {
    score += points;
    if (score < 0) score = 0;
    if (x >= 0) AddFloatingText(x, y, TextFromInt(points));
}

void StartBannerLook(int frame, float& scale, float& alpha) {
    scale = 1.0f;
    alpha = 0.0f;
    if (frame > 50 && frame <= 140) {
        float a = (frame - 50) * 0.025f;
        alpha = a > 1.0f ? 1.0f : a;
        scale = 2.0f - alpha;
    } else if (frame > 140 && frame < 150) {
        alpha = (150 - frame) * 0.1f;
    }
}

void EnterGameScreen() {
    prevScreen = gameScreen;
    FreePuzzleFrame();
    FreePuzzleTiles();
    FreeMenuArt();
    if (prevScreen == SCREEN_MAP) FreeMapArt();
    FreeImage(levelBackgroundImage);
    FreeImage(screenBackground);
    currentStage = CurrentStage();
    levelBackgroundImage = LoadPicture("data/bg/bg" + TextFromInt(currentStage) + ".jpg");
    SetImageAnchor(levelBackgroundImage, 0.0f, 0.0f);
    ClearGlows();

    puzzleRewardKind = 0;
    score = 0;
    hintItem = 0;
    idleFrames = 0;
    shuffleWave = 0;
    comboTimer = comboCount = 0;
    levelFrame = 0;
    levelEndTimer = 0;
    TPlayerProfile& player = CurrentProfile();
    const int progress = player.playerProgress;
    if (progress == stageEnd[currentStage]) {
        // The stage's tenth position is its picture puzzle: no board.
        levelEndTimer = 539;
        continueToLevel = 0;
    } else if (positionKind[progress] == POSITION_LEVEL) {
        LoadLevel();
    }

    ClearFloatingTexts();
    ClearParticles();
    ResetPowerups();
    glintX = -496;
    dialogOpenLevel = 0;
    helpNavigation = 0;
    pauseOverlay = -1;
    player.savedLevelFlag = 0;
    levelPosition = mapPosition;
    if (positionKind[progress] == POSITION_LEVEL) ComposeBoardImage();
    musicLevel = 0;
    PlayMusic(LevelMusicFile(mapPosition));
    gameScreen = SCREEN_MATCH3;
    StartFadeIn();
}

void GameScreenFrame() {
    pillarSoundX = mossSoundX = -1;
    BeginBoardFrame();
    currentStage = CurrentStage();
    positionInStage = PositionInStage();
    OpenLevelHelp();
    if (CurrentGameMode() == MODE_SWAP && levelFrame == 5) BreakInitialLines();
    if (levelFrame > 150 && !DialogShown() && pauseOverlay == -1 && levelEndTimer == 0) TickLevelClock();
    RunTestKeys();

    DrawBackground();
    SetDrawScale(1.0f, 1.0f);
    SetBlend(BLEND_ALPHA);
    DrawPowerupShells();
    UpdateBoardAlpha();
    RunBoardAndPowerups();
    AdvanceMossGlint();

    SetAlpha(1.0f);
    RunLevelEnd();
    DrawStartBanner();
    UpdateParticles();
    UpdateGlows(1.0f);
    DrawStatusBars();
    DrawControls();
    UpdateFloatingTexts();
    if (!DialogShown() && pauseOverlay == 1 && mouseHitLeft == 1) {
        pauseOverlay = -1;
        CurrentProfile().savedLevelFlag = 0;
        CurrentProfile().puzzlePending = 0;
    }
    RunDialogs();
    PlayRequestedSounds();
}
