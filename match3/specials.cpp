// The special items on the board: moss cleared by matches and blasts, bombs
// and their chain reactions, pillars broken storey by storey, stones that
// charge the power-ups when they reach the floor, and the shuffle wave.
#include "match3/specials.h"

#include <cmath>

#include "audio/audio.h"
#include "effects/effects.h"
#include "match3/board.h"
#include "match3/fish_orders.h"
#include "match3/game_screen.h"
#include "match3/rules.h"
#include "platform/platform.h"
#include "tables/board_geometry.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"

namespace {

constexpr int MOSS_BURST = 1003;     // dirt picture 3: the moss's own green
constexpr int PILLAR_BURST = 1008;   // dirt picture 8: the pillar's stone grey
constexpr int BOMB_FLARE = 2000;
constexpr int BLAST_REACH = 110;     // pixels from the bomb within which items go
constexpr int BLAST_POINTS = 30;
constexpr int PILLAR_POINTS = 500;
constexpr int STONE_POINTS = 500;
constexpr int MAX_SHAKE = 30;
constexpr int SHUFFLE_STEP = 15;
constexpr int SHUFFLE_END = 600;
constexpr int SHUFFLE_BAND = 50;
constexpr int SCREEN_CENTRE_X = 512, SCREEN_CENTRE_Y = 384;

float Rad(float degrees) { return degrees * 3.14159265f / 180.0f; }

void BurstMoss(int x, int y) {
    mossSoundX = x;
    CurrentProfile().playerMossCleared++;
    SpawnParticle(static_cast<float>(x), static_cast<float>(y), MOSS_BURST, 0.0f, 0.0f);
    const int sparks = framesPerSecond > 34 ? framesPerSecond / 4 : framesPerSecond / 7;
    for (int i = 1; i <= sparks; i++) {
        const float u = static_cast<float>(RandomInt(1, 7)), v = static_cast<float>(RandomInt(1, 7));
        SpawnParticle(static_cast<float>(x), static_cast<float>(y), 103, std::cos(Rad(36.0f * i)) * u,
                      std::sin(Rad(36.0f * i)) * v);
    }
}

// A ring of 20 sparks where a pillar gives way.
void PillarSparks(int x, int y) {
    SpawnParticle(static_cast<float>(x), static_cast<float>(y), PILLAR_BURST, 0.0f, 0.0f);
    for (int i = 1; i <= 20; i++) {
        const float u = static_cast<float>(RandomInt(1, 7)), v = static_cast<float>(RandomInt(1, 7));
        SpawnParticle(static_cast<float>(x), static_cast<float>(y), 100 + EffectColour(ITEM_PILLAR),
                      std::cos(Rad(36.0f * i)) * u, std::sin(Rad(36.0f * i)) * v);
    }
}

// The selection's own items are removed by the match, never by its blasts.
// The inChain marks are already gone when a match resolves, so the list is read.
int InSelection(int item) {
    for (int p = 1; p <= chainCount && p <= BOARD_LAST_SLOT; p++) {
        if (chainItems[p] == item) return 1;
    }
    return 0;
}

// The colour of each power-up's particles, by stone 16..19 (power-up 1..4).
int PowerupColour(int p) {
    static const int colours[POWERUP_SLOTS] = {0, 1, 5, 9, 3};
    return p >= 1 && p <= 4 ? colours[p] : 1;
}

}  // namespace

int CellUnderItem(int item) {
    if (item < 1 || item > BOARD_LAST_SLOT) return 0;
    const int linked = items[item].cellIndex;
    if (linked > 0) return linked;
    // While the aimed shot holds the board nothing rests, so no item is tied
    // to its cell: the cell is the one at the item's place.
    for (int c = 1; c <= BOARD_LAST_SLOT; c++) {
        if (cells[c].exists && cells[c].x == items[item].x && cells[c].y == items[item].y) return c;
    }
    return 0;
}

void ClearMoss(int item) {
    const int cell = CellUnderItem(item);
    if (cell <= 0 || cells[cell].isMoss != 1) return;
    BurstMoss(items[item].x, items[item].y);
    cells[cell].isMoss = 0;
}

void ClearMossAtCell(int cell) {
    if (cell <= 0 || cell > BOARD_LAST_SLOT || cells[cell].isMoss != 1) return;
    BurstMoss(cells[cell].x, cells[cell].y);
    cells[cell].isMoss = 0;
}

int BreakPillar(int item) {
    if (item < 1 || item > BOARD_LAST_SLOT || items[item].kind <= 0) return 0;
    const int cell = CellUnderItem(item);
    if (cell <= 0) return 0;
    TItem& it = items[item];
    const int x = it.x, y = it.y;
    if (cells[cell].pillarCell == 1) {
        pillarSoundX = x;
        cells[cell].pillarCell = cells[cell].stonePillarCell = 0;
        PillarSparks(x, y);
        // The pillar's storeys come down as new items: its column fills up.
        for (int h = 0; h < it.height; h++) AddItem(x, -20, NewItemKind(0));
        SpawnParticle(static_cast<float>(x), static_cast<float>(y), it.kind + 10000, 0.0f, 0.0f);
        AddScore(x - 5, y - 7, PILLAR_POINTS);
        RemoveItemSlot(item);
        CurrentProfile().playerItemsCleared++;
        return 0;
    }
    if (cells[cell].stonePillarCell == 1) {
        cells[cell].stonePillarCell = cells[cell].pillarCell = 0;
        PillarSparks(x, y);
        for (int h = 0; h < it.height - 1; h++) AddItem(x, -20, NewItemKind(0));
        SpawnParticle(static_cast<float>(x), static_cast<float>(y), it.kind + 10000, 0.0f, 0.0f);
        AddScore(x - 5, y - 7, PILLAR_POINTS);
        it.kind = RandomInt(1, 2) == 1 || currentStage == 9 ? ITEM_BOMB : ITEM_JOKER;
        CurrentProfile().playerItemsCleared++;
        return 1;
    }
    return 0;
}

void ExplodeBomb(int n) {
    if (n < 1 || n > BOARD_LAST_SLOT || items[n].kind != ITEM_BOMB) return;
    TItem& bomb = items[n];
    const int bx = bomb.x, by = bomb.y;
    rescueUsed = 0;
    bomb.exploded = 1;
    PlaySound(14, bx);
    SpawnParticle(static_cast<float>(bx), static_cast<float>(by), BOMB_FLARE, 0.0f, 0.0f);
    int sparkles = framesPerSecond < 30 ? framesPerSecond : 30;
    if (framesPerSecond < 35) sparkles /= 3;
    for (int s = 0; s < sparkles; s++) {
        SpawnParticle(static_cast<float>(bx), static_cast<float>(by), RandomInt(1, 9), RandomInt(-60, 60) * 0.1f,
                      RandomInt(-60, 60) * 0.1f);
    }
    // The last position of each colour hit: one item of each goes to the fish.
    int hitX[10] = {}, hitY[10] = {}, hit[10] = {};
    for (int i = 1; i <= itemsHigh; i++) {
        TItem& it = items[i];
        if (it.exploded != 0 || !IsBlastKind(it.kind)) continue;
        if (i == n || InSelection(i) || it.x <= 30 || it.y <= 60) continue;
        const float dx = static_cast<float>(it.x - bx), dy = static_cast<float>(it.y - by);
        const int d = static_cast<int>(std::sqrt(dx * dx + dy * dy));
        if (it.kind != ITEM_PILLAR) {
            int shake = static_cast<int>(30.0f - 0.05f * d);
            it.shake = shake < 0 ? 0 : (shake > MAX_SHAKE ? MAX_SHAKE : shake);
        }
        if (d >= BLAST_REACH) continue;
        if (it.kind < ITEM_BOMB) {
            hit[it.kind] = 1;
            hitX[it.kind] = it.x;
            hitY[it.kind] = it.y;
        }
        ClearMoss(i);
        ExplodeBomb(i);
        int turned = 0;
        if (it.kind == ITEM_PILLAR) turned = BreakPillar(i);
        if (turned || it.kind <= 0) continue;
        RemoveBoardItem(i, BLAST_POINTS);
    }
    for (int colour = 1; colour <= 9; colour++) {
        if (hit[colour]) ServeOrder(hitX[colour], hitY[colour], colour);
    }
}

void CollectStone(int item) {
    if (item < 1 || item > BOARD_LAST_SLOT || !IsStone(items[item].kind)) return;
    const TItem& stone = items[item];
    const int x = stone.x, y = stone.y;
    const int p = stone.kind - (ITEM_STONE_FIRST - 1);
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    AddItem(x, -20, NewItemKind(0));
    PlaySound(36, x);
    const int colour = PowerupColour(p);
    SpawnParticle(fx, fy, 200 + colour, 0.0f, 0.0f);
    if (powerupCharge[p] < POWERUP_READY) CurrentProfile().powerupTarget[p] = POWERUP_FULL_TARGET;
    SpawnParticle(fx, fy, 300 + colour, 0.0f, 0.0f);
    for (int s = 0; s < 20; s++) {
        SpawnParticle(fx, fy, 100 + colour, RandomInt(-100, 100) * 0.04f, RandomInt(-100, 100) * 0.04f);
    }
    AddScore(x - 5, y - 7, STONE_POINTS);
    RemoveItemSlot(item);
    CurrentProfile().playerStonesCollected++;
}

void RunShuffleWave() {
    if (shuffleWave <= 0) return;
    if (shuffleWave < 30) PlaySound(8, SCREEN_CENTRE_X);
    for (int i = 1; i <= itemsHigh; i++) {
        TItem& it = items[i];
        if (!IsColour(it.kind)) continue;
        const float dx = static_cast<float>(it.x - SCREEN_CENTRE_X), dy = static_cast<float>(it.y - SCREEN_CENTRE_Y);
        const int d = static_cast<int>(std::sqrt(dx * dx + dy * dy));
        if (!(d - SHUFFLE_BAND < shuffleWave && shuffleWave < d)) continue;
        it.kind = NewItemKind(0);
        const float fx = static_cast<float>(it.x), fy = static_cast<float>(it.y);
        if (framesPerSecond > 30) {
            const int colour = RandomInt(1, 9);
            for (int s = 0; s < 5; s++) {
                SpawnParticle(fx, fy, colour, RandomInt(-20, 20) * 0.1f, RandomInt(-20, 20) * 0.1f);
            }
        }
        SpawnParticle(fx, fy, 300 + EffectColour(it.kind), 0.0f, 0.0f);
    }
    shuffleWave += SHUFFLE_STEP;
    if (shuffleWave > SHUFFLE_END) shuffleWave = 0;
}

int ShuffleWaveRunning() { return shuffleWave > 0 ? 1 : 0; }
