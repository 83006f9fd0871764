#include "match3/board_frame.h"

#include "match3/board_draw.h"
#include "match3/rules.h"
#include "match3/specials.h"
#include "menus/dialogs.h"
#include "platform/platform.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"

int CurrentGameMode() {
    int mode = CurrentProfile().playerGameMode;
    return mode >= MODE_CHAIN && mode <= MODE_SWAP ? mode : MODE_SWAP;
}

void BeginBoardFrame() {
    if (comboTimer > 0) comboTimer--;
    if (comboTimer == 0) comboCount = 0;
    if (dialogOpenLevel == 0 && pauseOverlay != 1) levelFrame++;
    itemsHigh = 150;
}

void UpdateBoardAlpha() {
    float alpha = CurrentProfile().playerProgress <= 7 ? (levelFrame - 52) * 0.025f : levelFrame * 0.025f;
    if (levelEndTimer > 0) alpha = 1.0f - levelEndTimer * 0.025f;
    boardAlpha = alpha < 0.0f ? 0.0f : (alpha > 1.0f ? 1.0f : alpha);
}

void RunBoardRules() {
    int mode = CurrentGameMode();
    ApplyGravity();
    if (mode == MODE_CHAIN) ChainInput();
    if (mode == MODE_GROUP) GroupInput();
    if (mode == MODE_SWAP) SwapInput();
    if (mode == MODE_SWAP) {
        FindHintSwap();
        AnimateSwap();
    } else {
        FindHintGroup();
    }
    RunShuffleWave();
    ResolveSelection();
}

void DrawBoard() {
    DrawCells();
    DrawItems();
    DrawSwapPair();
}

void AdvanceMossGlint() {
    glintX += 24;
    if (glintX > 5000) glintX = -256 - 24 * RandomInt(20, 190);
}

void RunBoardFrame() {
    BeginBoardFrame();
    if (CurrentGameMode() == MODE_SWAP && levelFrame == 5) BreakInitialLines();
    UpdateBoardAlpha();
    SetDrawScale(1.0f, 1.0f);
    SetBlend(BLEND_ALPHA);
    if (levelEndTimer < 520 && pauseOverlay == -1) {
        RunBoardRules();
        if (boardDrawn && dialogOpenLevel == 0 && levelEndTimer <= 40) DrawBoard();
    }
    AdvanceMossGlint();
}
