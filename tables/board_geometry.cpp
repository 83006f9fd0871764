// The border rules and piece offsets of the board frame.
#include "tables/board_geometry.h"

const int NEAR_STEP_C[NEAR_FLAG_COUNT] = {0, 0, -1, 1, -1, 1, -1, 1};
const int NEAR_STEP_R[NEAR_FLAG_COUNT] = {-1, 1, 0, 0, -1, -1, 1, 1};

namespace {

struct TBorderRule {
    int mustSet, mustClear;
};

// The 24 border pieces in the order they are tested; a later rule overwrites
// an earlier one.
const TBorderRule BORDER_RULES[BORDER_KINDS + 1] = {
    {0, 0},
    {NEAR_L | NEAR_R, NEAR_U | NEAR_UL | NEAR_UR},                 // 1 top edge
    {NEAR_L | NEAR_R, NEAR_D | NEAR_DL | NEAR_DR},                 // 2 bottom edge
    {NEAR_U | NEAR_D, NEAR_L | NEAR_UL | NEAR_DL},                 // 3 left edge
    {NEAR_U | NEAR_D, NEAR_R | NEAR_UR | NEAR_DR},                 // 4 right edge
    {NEAR_R, NEAR_U | NEAR_L | NEAR_UR | NEAR_DL},                 // 5 top-left corner
    {NEAR_L, NEAR_U | NEAR_R | NEAR_UL | NEAR_DR},                 // 6 top-right corner
    {NEAR_L, NEAR_D | NEAR_R | NEAR_DL | NEAR_UR},                 // 7 bottom-right corner
    {NEAR_R, NEAR_D | NEAR_L | NEAR_DR | NEAR_UL},                 // 8 bottom-left corner
    {NEAR_U | NEAR_DR, NEAR_R},                                    // 9
    {NEAR_U | NEAR_DL, NEAR_L},                                    // 10
    {NEAR_R | NEAR_UL, NEAR_U},                                    // 11
    {NEAR_L | NEAR_UR, NEAR_U},                                    // 12
    {NEAR_D | NEAR_UR, NEAR_R},                                    // 13
    {NEAR_D | NEAR_UL, NEAR_L},                                    // 14
    {NEAR_R | NEAR_DL, NEAR_D},                                    // 15
    {NEAR_L | NEAR_DR, NEAR_D},                                    // 16
    {NEAR_R | NEAR_UL, NEAR_D | NEAR_L | NEAR_DR},                 // 17
    {NEAR_L | NEAR_UR, NEAR_D | NEAR_R | NEAR_DL},                 // 18
    {NEAR_L | NEAR_DR, NEAR_U | NEAR_R | NEAR_UL},                 // 19
    {NEAR_R | NEAR_DL, NEAR_U | NEAR_L | NEAR_UR},                 // 20
    {NEAR_D | NEAR_UL, NEAR_U | NEAR_R | NEAR_DR},                 // 21
    {NEAR_D | NEAR_UR, NEAR_U | NEAR_L | NEAR_DL},                 // 22
    {NEAR_U | NEAR_DR, NEAR_D | NEAR_L | NEAR_UL},                 // 23
    {NEAR_U | NEAR_DL, NEAR_D | NEAR_R | NEAR_UR},                 // 24
};

struct TPieceOffset {
    int dx, dy;
};

// Where the pasted pieces lie; the live ones (11, 12, 15, 16, 21..24) are
// drawn a rim's reach above and left of the square and are not in the table.
const TPieceOffset PASTED_OFFSETS[BORDER_KINDS + 1] = {
    {0, 0},
    {0, -18}, {0, 46}, {-18, 0}, {46, 0}, {-18, -18}, {0, -18}, {0, 0}, {-18, 0},   // 1..8
    {46, 0}, {-18, 0}, {0, 0}, {0, 0}, {46, -1}, {-18, -1}, {0, 0}, {0, 0},         // 9..16
    {-18, -2}, {0, -2}, {0, -18}, {-18, -18}, {0, 0}, {0, 0}, {0, 0}, {0, 0},       // 17..24
};

// The piece of every combination of the eight neighbour flags, worked out
// once from the rules: boards ask for a piece for each of their places.
struct TBorderKinds {
    int kind[1 << NEAR_FLAG_COUNT];
};

TBorderKinds WorkOutBorderKinds() {
    TBorderKinds kinds{};
    for (int flags = 0; flags < (1 << NEAR_FLAG_COUNT); flags++) {
        for (int k = 1; k <= BORDER_KINDS; k++) {
            const TBorderRule& rule = BORDER_RULES[k];
            if ((flags & rule.mustSet) == rule.mustSet && (flags & rule.mustClear) == 0) kinds.kind[flags] = k;
        }
    }
    return kinds;
}

}  // namespace

// The rules test the eight neighbour flags only.
int BorderKind(int nearFlags) {
    static const TBorderKinds kinds = WorkOutBorderKinds();
    return kinds.kind[nearFlags & ((1 << NEAR_FLAG_COUNT) - 1)];
}

int NeighbourFlag(int dx, int dy) {
    // Every neighbour lies one step away at most: most pairs of a board's
    // places are answered here, without the walk through the eight steps.
    if (dx < -CELL_SPACING || dx > CELL_SPACING || dy < -CELL_SPACING || dy > CELL_SPACING) return 0;
    for (int b = 0; b < NEAR_FLAG_COUNT; b++) {
        if (dx == NEAR_STEP_C[b] * CELL_SPACING && dy == NEAR_STEP_R[b] * CELL_SPACING) return 1 << b;
    }
    return 0;
}

int BorderDrawnLive(int kind) {
    return kind == 11 || kind == 12 || kind == 15 || kind == 16 || (kind >= 21 && kind <= 24);
}

void BorderPieceOffset(int kind, int& dx, int& dy) {
    dx = dy = 0;
    if (kind < 1 || kind > BORDER_KINDS) return;
    if (BorderDrawnLive(kind)) {
        dx = dy = -BORDER_REACH;
        return;
    }
    dx = PASTED_OFFSETS[kind].dx;
    dy = PASTED_OFFSETS[kind].dy;
}
