// Turning the selection into a match: scores, combo sounds, the effects on
// pillars, moss and bombs, the bomb made by a long chain of colour 5, the
// refills and the item offered to the fish.
#include "audio/audio.h"
#include "effects/effects.h"
#include "match3/fish_orders.h"
#include "tables/board_geometry.h"
#include "match3/rules.h"
#include "match3/specials.h"
#include "tables/board_tables.h"
#include "tables/player_tables.h"

static constexpr int COMBO_FRAMES = 30;
// A long chain of this colour leaves a bomb behind.
static constexpr int BOMB_COLOUR = 5;

// The sound of the n-th match of a combo.
static int ComboSound(int count) {
    static const int sounds[9] = {0, 15, 18, 24, 26, 27, 31, 37, 42};
    if (count < 1) return sounds[1];
    return count >= 8 ? sounds[8] : sounds[count];
}

static void ClearSelectionMarks() {
    for (int i = 1; i <= BOARD_LAST_SLOT; i++) {
        int cell = items[i].cellIndex;
        if (items[i].kind > 0 && cell > 0) {
            cells[cell].chainMark = 0;
            cells[cell].arrowDir = 0;
        }
        items[i].inChain = 0;
    }
}

static void BreakPillarsBeside(int item) {
    int x = items[item].x, y = items[item].y;
    for (int k = 1; k <= itemsHigh; k++) {
        if (items[k].kind != ITEM_PILLAR) continue;
        int dx = items[k].x - x, dy = items[k].y - y;
        if ((dy == 0 && (dx == CELL_SPACING || dx == -CELL_SPACING)) ||
            (dx == 0 && (dy == CELL_SPACING || dy == -CELL_SPACING))) {
            BreakPillar(k);
        }
    }
}

static int ColourFiveOrBomb(int item) {
    return item > 0 && (items[item].kind == BOMB_COLOUR || items[item].kind == ITEM_BOMB);
}

static void MakeBomb(int item) {
    TItem& it = items[item];
    it.kind = ITEM_BOMB;
    PlaySound(16, it.x);
    float x = static_cast<float>(it.x), y = static_cast<float>(it.y);
    for (int s = 0; s < 20; s++) {
        SpawnParticle(x, y, EffectColour(5), RandomInt(-20, 20) * 0.1f, RandomInt(-20, 20) * 0.1f);
    }
    SpawnParticle(x, y, 300 + EffectColour(5), 0.0f, 0.0f);
}

// Where each selected item stood when the match began: a blast or a broken
// pillar may remove it, and its slot may already hold a new item from above.
struct TSelected {
    int x, y, kind;
};
static TSelected selected[BOARD_SLOTS];

static int StillThere(int p) {
    int item = chainItems[p];
    return item > 0 && items[item].kind > 0 && items[item].x == selected[p].x && items[item].y == selected[p].y;
}

static void PlayMatchSounds(int x) {
    TPlayerProfile& player = CurrentProfile();
    player.playerMatches += 1;
    PlaySound(5, x);
    PlaySound(20, x);
    if (comboTimer < COMBO_FRAMES - 2) {
        comboCount++;
        PlaySound(ComboSound(comboCount), x);
    }
    comboTimer = COMBO_FRAMES;
}

void ResolveSelection() {
    if (resolvePending != 1) return;
    ClearSelectionMarks();
    int served = 0, serveX = 0, serveY = 0, serveKind = 0;
    if (chainCount > 2) {
        int count = chainCount < BOARD_LAST_SLOT ? chainCount : BOARD_LAST_SLOT;
        int soundX = 512;
        for (int p = 1; p <= count; p++) {
            int item = chainItems[p];
            selected[p] = {items[item].x, items[item].y, item > 0 ? items[item].kind : 0};
            if (item > 0) soundX = items[item].x;
        }
        PlayMatchSounds(soundX);
        int bombMade = 0;
        for (int p = 1; p <= count; p++) {
            int item = chainItems[p];
            if (!StillThere(p)) continue;
            BreakPillarsBeside(item);
            if (StillThere(p)) {
                ClearMoss(item);
                ExplodeBomb(item);
            }
            int becameBomb = 0;
            if (StillThere(p) && items[item].kind == BOMB_COLOUR && ColourFiveOrBomb(chainItems[1]) &&
                ColourFiveOrBomb(chainItems[2]) && !bombMade && chainCount >= 5) {
                MakeBomb(item);
                bombMade = becameBomb = 1;
            }
            const TSelected& was = selected[p];
            for (int g = 0; g < 4; g++) {
                SpawnGlow(static_cast<float>(was.x), static_cast<float>(was.y), RandomInt(100, 200),
                          EffectColour(was.kind));
            }
            served = 1;
            serveX = was.x;
            serveY = was.y;
            serveKind = was.kind;
            if (!becameBomb && StillThere(p)) RemoveBoardItem(item, 5 * chainCount + 30);
        }
    }
    ClearSelection();
    if (served) ServeOrder(serveX, serveY, serveKind);
    resolvePending = 0;
}
