// The four power-ups under the board: their shells fill with charge from the
// stones, blink when ready, and once clicked are aimed and fired. What their
// projectiles do when they land is in ProjectileLanded, the one place the
// flying particles hand back to the board.
#include <cmath>

#include "audio/audio.h"
#include "effects/effects.h"
#include "map/floating_texts.h"
#include "map/powerup_art.h"
#include "match3/board.h"
#include "match3/fish_orders.h"
#include "match3/game_screen.h"
#include "match3/rules.h"
#include "match3/specials.h"
#include "platform/platform.h"
#include "tables/board_tables.h"
#include "tables/effect_tables.h"
#include "tables/game_tables.h"
#include "tables/level_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tables/text_tables.h"

namespace {

constexpr int SHELL_X[POWERUP_SLOTS] = {0, 106, 268, 756, 918};
constexpr int SHELL_REST_Y = 701;
constexpr int SHELL_START_Y = 838;      // below the screen when a level begins
constexpr int SHELL_DRAW_DROP = 12;     // the shells are drawn this much below their centre
constexpr int FILL_GROWN = 50;          // the charge picture has grown in; it pulses from here
constexpr int FILL_LAST = 74;           // a charge above this makes the power-up ready
constexpr int BLINK_END = 10050;
constexpr int BLINK_EYES_LAST = 10012;
constexpr int FADE_LAST = 9;
constexpr int RUN_ORDER[4] = {4, 3, 1, 2};
// The glow colour of each power-up while it fills and when it is ready.
constexpr int GLOW_COLOUR[POWERUP_SLOTS] = {0, 3, 1, 9, 2};

constexpr int PU_AIMED_SHOT = 1, PU_SHUFFLE = 2, PU_MOSS_SWEEP = 3, PU_RANDOM_STRIKE = 4;
constexpr int AIMED_SPENT = 50;
constexpr int MOSS_SWEEP_SPENT = 120;
constexpr int STRIKE_AIM = 15, STRIKE_SPENT = 50;
constexpr int SHUFFLE_RISE_FROM = 200;
constexpr int STAR = 4000;
constexpr int HOLDER_FLASH = 22000;
constexpr int NO_MOSS_TEXT = 103;

float Rad(float degrees) { return degrees * 3.14159265f / 180.0f; }

int OnOrdinaryLevel() { return positionKind[levelPosition] == POSITION_LEVEL; }

float ShellY(int p) { return powerupY[p]; }

int PointerOnShell(int p) {
    const float x = static_cast<float>(powerupX[p]), y = ShellY(p);
    return x - 50 < mouseX && mouseX < x + 50 && y - 60 < mouseY && mouseY < y + 50;
}

int OtherPowerupBusy(int p) {
    for (int q = 1; q <= 4; q++) {
        if (q != p && powerupState[q] > 0) return 1;
    }
    return 0;
}

// Sends a projectile from (x, y) to its target. When the pool has no room for
// it, it lands at once: a power-up once fired is never lost.
void Launch(int kind, float x, float y, float vx, float vy, int target, float tx, float ty) {
    const int shot = SpawnParticle(x, y, kind, vx, vy);
    if (shot > 0) SetProjectileTarget(shot, target);
    else ProjectileLanded(kind, target, tx, ty);
}

void Spend(int p) {
    powerupCharge[p] = 0;
    CurrentProfile().powerupTarget[p] = 0;
    powerupState[p] = 0;
    powerupFade[p] = 1;
}

// The item the aimed shot would hit: the last under the pointer, not the
// floor and not a stone of the first kind, which the shot passes.
int AimedItem() {
    int found = 0;
    for (int i = 1; i <= itemsHigh; i++) {
        if (IsAimedShotKind(items[i].kind) && ItemUnderPointer(i)) found = i;
    }
    return found;
}

void DrawBeam(int p, int item) {
    if (!glowStarImage || item <= 0) return;
    int step = 1;
    if (framesPerSecond < 30) step = 4;
    if (framesPerSecond < 20) step = 8;
    if (framesPerSecond < 10) step = 16;
    const float sx = static_cast<float>(powerupX[p]), sy = ShellY(p);
    const float dx = items[item].x - sx, dy = items[item].y - sy;
    const int length = static_cast<int>(std::sqrt(dx * dx + dy * dy));
    if (length <= 0) return;
    SetBlend(BLEND_LIGHT);
    SetDrawScale(0.3f, 0.3f);
    for (int d = 0; d < length; d += step) {
        PaintImage(glowStarImage, sx + dx * d / length, sy + dy * d / length, 0);
    }
    SetDrawScale(1.0f, 1.0f);
    SetBlend(BLEND_ALPHA);
}

void RunAimedShot(int p) {
    if (powerupState[p] == 1) {
        const int item = AimedItem();
        DrawBeam(p, item);
        if (mouseHitLeft != 1) return;
        mouseHitLeft = 0;
        if (PointerOnShell(p)) {
            powerupState[p] = 0;    // aimed back at the shell: the shot is kept
            return;
        }
        if (item <= 0) return;
        const float sx = powerupX[p] + 22.0f, sy = ShellY(p) - 55.0f;
        const float tx = static_cast<float>(items[item].x), ty = static_cast<float>(items[item].y);
        Launch(SHOT_AIMED, sx, sy, (tx - sx) * 0.02f, (ty - sy) * 0.02f, item, tx, ty);
        powerupState[p] = 2;
        return;
    }
    powerupState[p]++;
    if (powerupState[p] == 3) PlaySound(34, powerupX[p]);
    if (powerupState[p] >= AIMED_SPENT) Spend(p);
}

void RunShuffle(int p) {
    powerupState[p] += 10;
    const int rise = powerupState[p] - SHUFFLE_RISE_FROM;
    if (rise >= 0 && rise < 10) PlaySound(34, powerupX[p]);
    if (rise > 0) {
        for (int s = 0; s < 3; s++) {
            SpawnParticle(static_cast<float>(powerupX[p] + RandomInt(-10, 10)), ShellY(p) - rise + RandomInt(-10, 10),
                          STAR, 0.0f, RandomInt(-20, 0) * 0.1f);
        }
    }
    if (rise < static_cast<int>(ShellY(p)) - 384 - 50) return;
    shuffleWave = 1;
    SpawnParticle(512.0f, 384.0f, 300 + GLOW_COLOUR[p], 0.0f, 0.0f);
    for (int i = 1; i <= 60; i++) {
        const float speed = static_cast<float>(RandomInt(4, 8));
        SpawnParticle(512.0f, 384.0f, 100 + RandomInt(1, 9), std::cos(Rad(6.0f * i)) * speed,
                      std::sin(Rad(6.0f * i)) * speed);
    }
    Spend(p);
}

void RunMossSweep(int p) {
    powerupState[p]++;
    int mossCells = 0;
    for (int c = 1; c <= BOARD_LAST_SLOT; c++) {
        if (cells[c].exists && cells[c].isMoss) mossCells++;
    }
    const int column = 12 * powerupState[p] + 44;
    const float sx = static_cast<float>(powerupX[p]), sy = ShellY(p);
    for (int c = 1; c <= BOARD_LAST_SLOT; c++) {
        if (!cells[c].exists || !cells[c].isMoss || cells[c].x != column) continue;
        if (mossCells >= 8 && RandomInt(1, 2) != 1) continue;
        const float tx = static_cast<float>(cells[c].x), ty = static_cast<float>(cells[c].y);
        Launch(SHOT_MOSS, sx, sy, (tx - sx) * 0.04f, (ty - sy) * 0.04f, c, tx, ty);
        PlaySound(34, cells[c].x);
    }
    if (powerupState[p] >= MOSS_SWEEP_SPENT) Spend(p);
}

int StrikeCandidate(int i) {
    const TItem& it = items[i];
    return Falls(it.kind) && it.x > 30 && it.y > 50 && it.cellIndex > 0;
}

// Sweeps the items in slot order, accepting each candidate 1 time in 150; the
// last accepted in a sweep is the target.
int ChooseStrikeTarget() {
    int any = 0;
    for (int i = 1; i <= itemsHigh; i++) any |= StrikeCandidate(i);
    if (!any) return 0;
    for (;;) {
        int found = 0;
        for (int i = 1; i <= itemsHigh; i++) {
            if (StrikeCandidate(i) && RandomInt(1, 150) == 1) found = i;
        }
        if (found) return found;
    }
}

void RunRandomStrike(int p) {
    powerupState[p]++;
    if (powerupState[p] == STRIKE_AIM) {
        const int target = ChooseStrikeTarget();
        if (target > 0) {
            const float sx = powerupX[p] - 49.0f, sy = ShellY(p) + 15.0f;
            const float tx = static_cast<float>(items[target].x), ty = static_cast<float>(items[target].y);
            PlaySound(5, powerupX[p]);
            Launch(SHOT_DYNAMITE, sx, sy, (tx - sx) * 0.03f, (ty - sy) * 0.03f, target, tx, ty);
        }
    }
    if (powerupState[p] >= STRIKE_SPENT) Spend(p);
}

// A click on a ready shell. Power-ups that only make sense on a board stay
// ready elsewhere; the moss sweep stays ready on a board without moss.
void StartPowerup(int p) {
    const int x = powerupX[p];
    if (p != PU_SHUFFLE && !OnOrdinaryLevel()) return;
    if (p == PU_MOSS_SWEEP && mossDrawn == 0) {
        PlaySound(45, x);
        AddFloatingText(x, static_cast<int>(ShellY(p)) - 70, codeTexts[NO_MOSS_TEXT]);
        return;
    }
    powerupState[p] = 1;
    if (p != PU_RANDOM_STRIKE) PlaySound(5, x);
    SpawnParticle(static_cast<float>(x), ShellY(p) + SHELL_DRAW_DROP, HOLDER_FLASH + p, 0.0f, 0.0f);
}

void ShowCharge(int p) {
    int& charge = powerupCharge[p];
    const int target = CurrentProfile().powerupTarget[p];
    if (charge < POWERUP_READY) {
        if (charge < target) charge++;
        else if (charge > target) charge--;
        if (charge >= 1 && charge <= FILL_LAST && levelFrame > 100) {
            SpawnGlow(static_cast<float>(powerupX[p] + RandomInt(-50, 50)), ShellY(p) + RandomInt(-60, 60),
                      RandomInt(100, 200), GLOW_COLOUR[p]);
        }
        if (charge > FILL_LAST) charge = POWERUP_READY;
        return;
    }
    if (charge == POWERUP_READY) {
        if (RandomInt(1, 200) == 1) charge = POWERUP_READY + 1;
    } else if (++charge >= BLINK_END) {
        charge = POWERUP_READY;
    }
}

int MayStart(int p) {
    return powerupCharge[p] >= POWERUP_READY && powerupState[p] == 0 && !OtherPowerupBusy(p) &&
           dialogOpenLevel == 0 && pauseOverlay != 1 && levelEndTimer == 0 && shuffleWave == 0;
}

void Highlight(int p) {
    if (!shellImage[p]) return;
    const float alpha = CurrentAlpha();
    SetBlend(BLEND_LIGHT);
    SetAlpha(0.4f);
    PaintImage(shellImage[p], static_cast<float>(powerupX[p]), ShellY(p) + SHELL_DRAW_DROP, 0);
    SetBlend(BLEND_ALPHA);
    SetAlpha(alpha);
}

void RunPowerup(int p) {
    ShowCharge(p);
    if (MayStart(p) && PointerOnShell(p)) {
        Highlight(p);
        if (mouseHitLeft == 1) {
            mouseHitLeft = 0;
            StartPowerup(p);
            return;
        }
    }
    if (powerupState[p] > 0) {
        if (p == PU_AIMED_SHOT) RunAimedShot(p);
        if (p == PU_SHUFFLE) RunShuffle(p);
        if (p == PU_MOSS_SWEEP) RunMossSweep(p);
        if (p == PU_RANDOM_STRIKE) RunRandomStrike(p);
    }
    if (powerupFade[p] > 0 && ++powerupFade[p] > FADE_LAST) powerupFade[p] = 0;
}

}  // namespace

void ResetPowerups() {
    for (int p = 1; p <= 4; p++) {
        powerupX[p] = SHELL_X[p];
        powerupY[p] = static_cast<float>(SHELL_START_Y);
        powerupCharge[p] = CurrentProfile().powerupTarget[p];
        powerupState[p] = 0;
        powerupFade[p] = 0;
    }
}

int PowerUpBusy() {
    for (int p = 1; p <= 4; p++) {
        if (powerupState[p] > 0) return 1;
    }
    return 0;
}

void UpdatePowerups() {
    if (developerMode == 1 && keyF2 == 1) {
        for (int p = 1; p <= 4; p++) powerupCharge[p] = POWERUP_READY;
    }
    for (int p = 1; p <= 4; p++) powerupY[p] += (SHELL_REST_Y - powerupY[p]) * 0.1f;
    for (int p : RUN_ORDER) RunPowerup(p);
}

void DrawPowerupShells() {
    const float alpha = CurrentAlpha();
    for (int p = 1; p <= 4; p++) {
        const float x = static_cast<float>(powerupX[p]), y = ShellY(p) + SHELL_DRAW_DROP;
        const int charge = powerupCharge[p];
        TImage holder = holderImage[p];
        if (charge > POWERUP_READY && charge <= BLINK_EYES_LAST) {
            holder = holderEyesImage[p][charge <= POWERUP_READY + 6 ? 1 : 2];
        }
        if (holder) PaintImage(holder, x, y, 0);
        if (!shellImage[p] || charge <= 0) continue;
        float scale = 1.0f;
        if (charge < FILL_GROWN) scale = static_cast<float>(charge) / FILL_GROWN;
        else if (charge <= FILL_LAST) scale = 1.0f + 0.08f * std::sin(Rad(24.0f * charge));
        SetDrawScale(scale, scale);
        PaintImage(shellImage[p], x, y, 0);
        SetDrawScale(1.0f, 1.0f);
        // A ready shell glows; after use the glow fades over powerupFade.
        float glow = 0.0f;
        if (charge >= POWERUP_READY) glow = 0.5f * std::fabs(std::sin(Rad(5.0f * levelFrame)));
        if (glow > 0.0f) {
            SetBlend(BLEND_LIGHT);
            SetAlpha(alpha * glow);
            PaintImage(shellImage[p], x, y, 0);
            SetBlend(BLEND_ALPHA);
            SetAlpha(alpha);
        }
    }
    for (int p = 1; p <= 4; p++) {
        if (powerupFade[p] <= 0 || !shellImage[p]) continue;
        SetBlend(BLEND_LIGHT);
        SetAlpha(alpha * 0.5f * (1.0f - powerupFade[p] / 10.0f));
        PaintImage(shellImage[p], static_cast<float>(powerupX[p]), ShellY(p) + SHELL_DRAW_DROP, 0);
        SetBlend(BLEND_ALPHA);
        SetAlpha(alpha);
    }
}

void ProjectileLanded(int kind, int target, float x, float y) {
    if (kind == SHOT_MOSS) {
        ClearMossAtCell(target);
        return;
    }
    if (target < 1 || target > BOARD_LAST_SLOT) return;
    TItem& it = items[target];
    if (kind == SHOT_AIMED) {
        if (it.kind <= 0) return;
        const int ix = it.x, iy = it.y, was = it.kind;
        PlaySound(5, ix);
        PlaySound(20, ix);
        ServeOrder(ix, iy, was);
        ClearMossAtCell(CellUnderItem(target));
        ExplodeBomb(target);
        const int turned = BreakPillar(target);
        if (it.kind <= 0 || turned) return;
        AddScore(ix - 5, iy - 7, 30);
        AddItem(ix, -20, NewItemKind(0));
        SpawnParticle(static_cast<float>(ix), static_cast<float>(iy), it.kind + 10000, 0.0f, 0.0f);
        CurrentProfile().playerItemsCleared++;
        const int cell = CellUnderItem(target);
        if (cell > 0 && cells[cell].itemOnCell == target) cells[cell].itemOnCell = 0;
        RemoveItemSlot(target);
        return;
    }
    if (kind == SHOT_DYNAMITE) {
        if (it.kind > 0 && it.kind < ITEM_FLOOR) {
            it.kind = ITEM_BOMB;
            ExplodeBomb(target);
            AddItem(it.x, -20, NewItemKind(0));
            RemoveItemSlot(target);
        }
        for (int i = 1; i <= 20; i++) {
            const float u = static_cast<float>(RandomInt(1, 7)), v = static_cast<float>(RandomInt(1, 7));
            SpawnParticle(x, y, 101, std::cos(Rad(36.0f * i)) * u, std::sin(Rad(36.0f * i)) * v);
        }
    }
}
