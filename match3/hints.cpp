// Hints after a long idle time, the rescue of a board without moves, and the
// clean start of a swap-mode level.
#include "audio/audio.h"
#include "effects/effects.h"
#include "tables/board_geometry.h"
#include "match3/rules.h"
#include "match3/specials.h"
#include "menus/dialogs.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/shell_tables.h"

static constexpr int HINT_PERIOD = 150;     // the search runs once in this many frames
static constexpr int HINT_IDLE = 400;       // frames without a press before a hint shows
static constexpr int RESCUE_IDLE = 100;

// No power-up, dialog, level end or pause holds the board.
static int HintFrameAllowed() {
    return !PowerUpBusy() && dialogOpenLevel == 0 && levelEndTimer == 0 && pauseOverlay != 1;
}

static int SearchFrame() { return levelFrame % HINT_PERIOD == 1 && HintFrameAllowed(); }

// The last item in slot order of exactly this kind at (x, y), 0 none.
static int KindAt(int x, int y, int kind) {
    int found = 0;
    for (int k = 1; k <= itemsHigh; k++) {
        if (items[k].kind == kind && items[k].x == x && items[k].y == y) found = k;
    }
    return found;
}

static void SearchGroupHint() {
    hintItem = 0;
    static const int dx[4] = {-CELL_SPACING, CELL_SPACING, 0, 0};
    static const int dy[4] = {0, 0, -CELL_SPACING, CELL_SPACING};
    for (int i = 1; i <= itemsHigh; i++) {
        int kind = items[i].kind;
        if (!IsLineKind(kind)) continue;
        int first = 0;
        for (int d = 0; d < 4; d++) {
            int n = KindAt(items[i].x + dx[d], items[i].y + dy[d], kind);
            if (n == 0 || n == i) continue;
            if (first == 0) {
                first = n;
            } else if (n != first) {
                hintItem = i;
                hintPartner = n;
                hintThird = first;
                break;
            }
        }
    }
}

// A colour item turns into a bomb: the board has a move again.
static void RescueBoard() {
    if (hintItem != 0 || rescueUsed != 0 || levelFrame % HINT_PERIOD != 1 || idleFrames <= RESCUE_IDLE ||
        !HintFrameAllowed()) {
        return;
    }
    int found = 0;
    for (int draw = 1; draw <= 200; draw++) {
        int slot = RandomInt(1, itemsHigh);
        if (IsColour(items[slot].kind)) {
            if (draw <= 199) found = slot;
            break;
        }
    }
    if (found == 0) return;
    TItem& it = items[found];
    it.kind = ITEM_BOMB;
    PlaySound(16, it.x);
    float x = static_cast<float>(it.x), y = static_cast<float>(it.y);
    for (int s = 0; s < 50; s++) {
        SpawnParticle(x, y, RandomInt(1, 9), RandomInt(-30, 30) * 0.1f, RandomInt(-30, 30) * 0.1f);
    }
    SpawnParticle(x, y, 300 + EffectColour(5), 0.0f, 0.0f);
    rescueUsed = 1;
}

static int Wobbles(int item) { return items[item].hintPhase > 0; }
static void StartWobble(int item) { items[item].hintPhase = 1; }

static int HintShowable() {
    return hintItem > 0 && idleFrames > HINT_IDLE && !ShuffleWaveRunning() && HintFrameAllowed();
}

void FindHintGroup() {
    if (SearchFrame()) SearchGroupHint();
    idleFrames++;
    if (HintShowable()) {
        idleFrames = 0;
        int wobble[3] = {hintItem, hintPartner, hintThird};
        for (int item : wobble) {
            if (item > 0 && items[item].kind > 0) items[item].hintPhase = 1;
        }
        // The whole connected group wobbles.
        FloodSameKind(Wobbles, StartWobble);
        PlaySound(9, items[hintItem].x);
    }
    RescueBoard();
}

// ---- swap mode

static int swapKinds[BOARD_SLOTS];

// The last item in slot order at (x, y) whose copied kind is `kind`, 0 none.
static int CopyKindAt(int x, int y, int kind) {
    for (int k = itemsHigh; k >= 1; k--) {
        if (swapKinds[k] == kind && items[k].x == x && items[k].y == y) return k;
    }
    return 0;
}

// After j and its neighbour trade kinds in the copy, j's place starts a line
// downward or rightward, or sits in the middle of one.
static int MakesLine(int j) {
    int kind = swapKinds[j];
    if (!IsLineKind(kind)) return 0;
    const int s = CELL_SPACING;
    int x = items[j].x, y = items[j].y;
    if (CopyKindAt(x, y + s, kind) && (CopyKindAt(x, y - s, kind) || CopyKindAt(x, y + 2 * s, kind))) return 1;
    if (CopyKindAt(x + s, y, kind) && (CopyKindAt(x - s, y, kind) || CopyKindAt(x + 2 * s, y, kind))) return 1;
    return 0;
}

static void SearchSwapHint() {
    hintItem = 0;
    static const int dx[5] = {0, -CELL_SPACING, CELL_SPACING, 0, 0};
    static const int dy[5] = {0, 0, 0, -CELL_SPACING, CELL_SPACING};
    for (int k = 1; k <= itemsHigh; k++) swapKinds[k] = items[k].kind;
    for (int d = 1; d <= 4 && hintItem == 0; d++) {
        for (int j = 1; j <= itemsHigh; j++) {
            int kind = items[j].kind;
            if (!IsSwapHintKind(kind)) continue;
            int b = 0;
            for (int k = 1; k <= itemsHigh && b == 0; k++) {
                if (k != j && IsSwapHintKind(items[k].kind) && items[k].x == items[j].x + dx[d] &&
                    items[k].y == items[j].y + dy[d]) {
                    b = k;
                }
            }
            if (b == 0) continue;
            swapKinds[j] = items[b].kind;
            swapKinds[b] = kind;
            if (MakesLine(j)) {
                hintItem = b;
                hintPartner = j;
                hintDir = d;
            }
            swapKinds[j] = kind;
            swapKinds[b] = items[b].kind;
        }
    }
}

void FindHintSwap() {
    if (SearchFrame()) SearchSwapHint();
    idleFrames++;
    if (HintShowable()) {
        idleFrames = 0;
        if (items[hintItem].kind > 0) items[hintItem].hintPhase = 1;
        if (hintPartner > 0 && items[hintPartner].kind > 0) items[hintPartner].hintPhase = 1;
        int cell = items[hintItem].cellIndex;
        if (cell > 0) cells[cell].arrowDir = hintDir;
        PlaySound(9, items[hintItem].x);
    }
    RescueBoard();
}

static int HasSameKind(int i, int dx, int dy) {
    return KindAt(items[i].x + dx, items[i].y + dy, items[i].kind) != 0;
}

void BreakInitialLines() {
    // This runs before the frame's gravity step has raised itemsHigh, and a
    // large level keeps items above slot 150: every used slot is looked at.
    RaiseItemsHigh();
    // Re-drawn kinds may form new lines; the passes stop once none is left
    // (a safety limit keeps an impossible board from holding the game).
    for (int pass = 0; pass < 1000; pass++) {
        int changed = 0;
        for (int i = 1; i <= itemsHigh; i++) {
            if (!IsStartLineKind(items[i].kind)) continue;
            if (HasSameKind(i, 0, CELL_SPACING) && HasSameKind(i, 0, -CELL_SPACING)) {
                items[i].kind = NewItemKind(0);
                changed = 1;
            }
        }
        for (int i = 1; i <= itemsHigh; i++) {
            if (!IsStartLineKind(items[i].kind)) continue;
            if (HasSameKind(i, CELL_SPACING, 0) && HasSameKind(i, -CELL_SPACING, 0)) {
                items[i].kind = NewItemKind(0);
                changed = 1;
            }
        }
        if (!changed) return;
    }
}
