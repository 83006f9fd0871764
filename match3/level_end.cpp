// The results of a won level, driven by levelEndTimer: fireworks, a panel
// whose lines are paid into the score, the continue button, then the
// bookkeeping at 920 and the way on to the next position, the map or the
// ending. A stage's puzzle runs inside the same sequence, from 540 to 900.
#include "match3/level_end.h"

#include <string>

#include "audio/audio.h"
#include "effects/effects.h"
#include "map/best_times.h"
#include "map/puzzle.h"
#include "match3/fish_orders.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "menus/profiles.h"
#include "platform/platform.h"
#include "shell/shell.h"
#include "tables/game_tables.h"
#include "tables/level_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "text/text.h"

namespace {

constexpr int WAIT_FOR_CONTINUE = 499;
constexpr int PANEL_GONE = 520;
constexpr int PUZZLE_START = 540;
constexpr int LABEL_X = 312, VALUE_X = 712;

int OnOrdinaryLevel() {
    return positionKind[mapPosition] == POSITION_LEVEL;
}

// Serving the orders and clearing the moss are the only goals of a level.
void TestForWin() {
    // Once the results run the player's progress may already stand past the
    // last position, outside the level list.
    if (levelEndTimer != 0) return;
    const TPlayerProfile& player = CurrentProfile();
    if (positionKind[player.playerProgress] != POSITION_LEVEL) return;
    if (player.playerOrdersServed >= ordersNeeded && mossLeft <= 0 && endingShown == 0)
        levelEndTimer = 1;
}

void LaunchFireworks() {
    if (levelEndTimer >= 80) return;
    if (framesPerSecond < 30 && framesPerSecond >= 20 && frameCount % 2 != 0) return;
    if (framesPerSecond < 20 && frameCount % 4 != 0) return;
    const int colour = RandomInt(1, 9);
    const float x = static_cast<float>(RandomInt(0, 1024)), y = static_cast<float>(RandomInt(0, 768));
    SpawnParticle(x, y, 300 + colour, 0.0f, 0.0f);
    for (int i = 0; i < framesPerSecond / 10; i++)
        SpawnParticle(x, y, 100 + colour, static_cast<float>(RandomInt(-7, 7)), static_cast<float>(RandomInt(-7, 7)));
}

void AdvanceTimer() {
    if (levelEndTimer < WAIT_FOR_CONTINUE) levelEndTimer++;
    else if (levelEndTimer >= 500 && levelEndTimer <= 888) levelEndTimer++;
    else if (levelEndTimer >= 889 && levelEndTimer <= 899) {
        if (puzzleRewardKind == 0) levelEndTimer++;
    } else if (levelEndTimer >= 900) {
        levelEndTimer++;
    }
}

float PanelAlpha() {
    float alpha = levelEndTimer > 500 ? (PANEL_GONE - levelEndTimer) * 0.05f : (levelEndTimer - 40) * 0.1f;
    return alpha < 0.0f ? 0.0f : (alpha > 1.0f ? 1.0f : alpha);
}

// Fixed once, at the panel's first line: the faster, the more.
void FixTimeBonus(int seconds) {
    static const int below[9] = {120, 180, 240, 300, 360, 420, 480, 540, 600};
    static const int bonus[9] = {2000, 1500, 1000, 800, 600, 400, 200, 100, 50};
    timeBonus = timeLimitMinutes = 0;
    for (int i = 0; i < 9 && timeBonus == 0; i++) {
        if (seconds < below[i]) {
            timeBonus = bonus[i];
            timeLimitMinutes = i + 2;
        }
    }
}

void FixResults() {
    TPlayerProfile& player = CurrentProfile();
    FixTimeBonus(player.playerLevelSeconds);
    recordBonus = newRecord = 0;
    if (OnOrdinaryLevel() &&
        OfferBestTime(mapPosition, player.playerLevelSeconds, NarrowToLatin1(player.playerName))) {
        recordBonus = 2000;
        newRecord = 1;
    }
}

// Pays a bonus into the score in steps of `big` while more than `bigAbove`
// is left, then one point at a time.
int PayBonus(int& left, int bigAbove, int big, int bigPoints, int smallPoints) {
    if (left <= 0) return 0;
    if (left > bigAbove) {
        left -= big;
        score += bigPoints;
    }
    if (left > 0 && left <= bigAbove) {
        left--;
        score += smallPoints;
    }
    if (left < 0) left = 0;
    return 1;
}

void PayResults() {
    TPlayerProfile& player = CurrentProfile();
    int paying = 0;
    if (levelEndTimer > 140) paying |= PayBonus(recordBonus, 60, 50, 50, 1);
    if (levelEndTimer > 150) paying |= PayBonus(timeBonus, 60, 50, 50, 1);
    if (levelEndTimer > 160) paying |= PayBonus(player.playerItemsCleared, 25, 20, 100, 5);
    if (levelEndTimer > 170 && OnOrdinaryLevel()) paying |= PayBonus(player.playerMossCleared, 10, 5, 100, 20);
    if (levelEndTimer > 180) paying |= PayBonus(player.playerOrdersServed, 10, 5, 100, 20);
    if (paying && frameCount % 3 == 0) PlaySound(46, 512);
}

// One result line, fading in from its start frame.
void DrawResultLine(int start, float y, const std::string& label, const std::string& value, int font, float panel) {
    if (levelEndTimer <= start) return;
    if (levelEndTimer == start + 1) PlaySound(33, 512);
    float alpha = (levelEndTimer - start) * 0.1f;
    SetAlpha((alpha > 1.0f ? 1.0f : alpha) * panel);
    DrawGlyphText(label, LABEL_X, y, ALIGN_LEFT, font);
    if (!value.empty()) DrawGlyphText(value, VALUE_X, y, ALIGN_RIGHT, font);
}

std::string Tally(int count, int each) {
    return TextFromInt(count) + "x" + TextFromInt(each) + "=" + TextFromInt(count * each);
}

void DrawResultLines(float panel) {
    const TPlayerProfile& player = CurrentProfile();
    float c = newRecord ? -150.0f : -130.0f;
    if (newRecord) {
        DrawResultLine(80, c + 384, codeTexts[346], TextFromInt(recordBonus), FONT_HIGHLIGHT, panel);
        c += 40;
    }
    std::string timeLabel = codeTexts[120] + ":";
    if (timeLimitMinutes > 0)
        timeLabel = codeTexts[120] + " (<" + TextFromInt(timeLimitMinutes) + " " + codeTexts[113] + "):";
    DrawResultLine(90, c + 384, timeLabel, TextFromInt(timeBonus), FONT_HIGHLIGHT, panel);
    DrawResultLine(100, c + 424, codeTexts[117], Tally(player.playerItemsCleared, 5), FONT_HIGHLIGHT, panel);
    if (OnOrdinaryLevel()) {
        DrawResultLine(110, c + 464, codeTexts[118], Tally(player.playerMossCleared, 20), FONT_HIGHLIGHT, panel);
        c += 120;
    } else {
        c += 80;
    }
    DrawResultLine(120, c + 384, codeTexts[119], Tally(player.playerOrdersServed, 20), FONT_HIGHLIGHT, panel);
    c += 40;
    if (levelEndTimer > 130) {
        float alpha = (levelEndTimer - 130) * 0.1f;
        SetAlpha((alpha > 1.0f ? 1.0f : alpha) * panel);
        DrawGlyphText("-----------------------------------------", 512, c + 384, ALIGN_CENTRE, FONT_NORMAL);
    }
    DrawResultLine(140, c + 424, codeTexts[123], TextFromInt(score), FONT_NORMAL, panel);
}

void RunContinueButton() {
    if (levelEndTimer <= 200) return;
    if (DrawButton(512, 560, 3, LAYER_SCREEN, codeTexts[5]) != 3 && keyEnter != 1 && keyEscape != 1) return;
    if (levelEndTimer >= 500) return;
    levelEndTimer = 500;
    if (CurrentProfile().playerProgress == stageEnd[currentStage]) {
        continueToLevel = 0;
    } else {
        continueToLevel = 1;
        puzzleRewardKind = 0;
    }
}

void DrawPanel() {
    const float alpha = CurrentAlpha();
    const float panel = PanelAlpha();
    SetAlpha(panel);
    float s = levelEndTimer > 80 ? 2.0f : (levelEndTimer - 40) * 0.05f;
    if (pauseGlowImage && s > 0.0f) {
        SetDrawScale(1.7f * s, 1.7f * s);
        SetDrawRotation(static_cast<float>(frameCount));
        PaintImage(pauseGlowImage, 512, 384, 0);
        SetDrawRotation(0.0f);
    }
    SetDrawScale(1.0f, 1.0f);
    if (mediumPopupImage) PaintImage(mediumPopupImage, 512, 384, 0);
    DrawGlyphText(codeTexts[121], 512, 164.0f, ALIGN_CENTRE, FONT_HEAD);
    if (levelEndTimer == 81) FixResults();
    if (levelEndTimer >= 81) DrawResultLines(panel);
    SetAlpha(panel);
    PayResults();
    RunContinueButton();
    SetAlpha(alpha);
}

// The bookkeeping: the level's score goes to the player, the frontier moves
// on when the newest level was won, and the profile is saved.
void FinishLevel() {
    TPlayerProfile& player = CurrentProfile();
    ClearFishOrders();
    player.playerOrdersServed = player.playerLevelSeconds = 0;
    player.savedLevelFlag = player.puzzlePending = player.savedLevelScore = 0;
    player.playerScore += score;
    score = 0;
    player.playerItemsCleared = player.playerMossCleared = player.playerStonesCollected = 0;
    player.playerHelpSetting = 3;
    if (player.playerUnlocked == player.playerProgress) {
        mapPosition++;
        player.playerProgress++;
        player.playerUnlocked++;
    }
    SaveProfile(currentPlayer);
    continueToLevel = 0;
    int next = SCREEN_MAP;
    if (puzzleRewardKind != 0) next = player.playerProgress > 119 ? SCREEN_ENDING : SCREEN_MAP;
    else if (player.playerUnlocked == player.playerProgress) next = SCREEN_MATCH3;
    BeginScreenChange(next, 0);
}

void RunPuzzleSteps() {
    if (levelEndTimer == PUZZLE_START && continueToLevel == 0) {
        for (int k = 1; k <= STAGE_COUNT; k++)
            if (mapPosition == stageEnd[k]) SetUpPuzzle(k);
    }
    if (levelEndTimer == 580 && puzzleRewardKind > 0) OpenDialog(445);
    if (levelEndTimer > PUZZLE_START && puzzleRewardKind > 0) RunPuzzlePhase();
}

}  // namespace

void RunLevelEnd() {
    TestForWin();
    if (levelEndTimer <= 0) return;
    static const int cheers[5] = {3, 18, 33, 48, 63};
    for (int frame : cheers)
        if (levelEndTimer == frame) PlaySound(32, 512);
    LaunchFireworks();
    const int playing = pauseOverlay == -1;
    if (playing) AdvanceTimer();
    if (playing && levelEndTimer == 2) PlayMusic("story.wav");
    if (playing && levelEndTimer < PANEL_GONE) DrawPanel();
    RunPuzzleSteps();
    if (levelEndTimer == 521 && continueToLevel == 1) levelEndTimer = LEVEL_DONE;
    // The bookkeeping runs once: a pause (the window losing the focus) holds
    // the timer where it is, and at 920 that would move the frontier on by a
    // position in every paused frame.
    if (levelEndTimer == LEVEL_DONE) {
        FinishLevel();
        levelEndTimer = LEVEL_DONE + 1;
    }
}
