// The kinds of board items and the questions the rules ask about them. One
// place for them, so a rule never spells out a range of kinds by itself.
#pragma once

enum {
    COLOUR_FIRST = 1,
    COLOUR_LAST = 5,
    // The stage map's previews draw every stone as this kind; on the live
    // board it never occurs, and the line rules leave it out all the same.
    ITEM_PREVIEW_STONE = 6,
    ITEM_PILLAR = 7,
    ITEM_BOMB = 10,
    ITEM_JOKER = 12,
    ITEM_LINE_LAST = 15,        // the highest kind that can make a line
    ITEM_STONE_FIRST = 16,
    ITEM_STONE_PILLAR = 18,     // the stone a stone-pillar cell holds
    ITEM_STONE_LAST = 19,
    ITEM_BODY_LAST = 998,       // every kind up to here is a body on the board
    ITEM_FLOOR = 999,           // the invisible blocker under a column
};

constexpr int IsColour(int kind) { return kind >= COLOUR_FIRST && kind <= COLOUR_LAST; }
constexpr int IsStone(int kind) { return kind >= ITEM_STONE_FIRST && kind <= ITEM_STONE_LAST; }
// Drawn and looked at by the rules; the floor and free slots are not.
constexpr int IsBody(int kind) { return kind >= 1 && kind <= ITEM_BODY_LAST; }
// Falls with gravity: every body but the fixed pillar.
constexpr int Falls(int kind) { return IsBody(kind) && kind != ITEM_PILLAR; }
// Makes a line in swap mode and a hint group in the other modes.
constexpr int IsLineKind(int kind) {
    return kind >= 1 && kind <= ITEM_LINE_LAST && kind != ITEM_PREVIEW_STONE && kind != ITEM_PILLAR;
}
// Re-drawn when it stands in a ready-made line at the start of a swap-mode
// level: every body but the pillar, stones included.
constexpr int IsStartLineKind(int kind) {
    return IsBody(kind) && kind != ITEM_PREVIEW_STONE && kind != ITEM_PILLAR;
}
// Tried in the swaps the swap-mode hint looks at: bombs go off rather than swap.
constexpr int IsSwapHintKind(int kind) { return IsStartLineKind(kind) && kind != ITEM_BOMB; }
// Blown away by a bomb within its reach: the kinds that make lines and the pillar.
constexpr int IsBlastKind(int kind) {
    return kind >= 1 && kind <= ITEM_LINE_LAST && kind != ITEM_PREVIEW_STONE;
}
// Taken by the aimed shot: every body but the first stone, which it passes.
constexpr int IsAimedShotKind(int kind) { return IsBody(kind) && kind != ITEM_STONE_FIRST; }
// Joins a chain in chain mode and is clicked in group mode.
constexpr int IsChainable(int kind) { return IsColour(kind) || kind == ITEM_BOMB || kind == ITEM_JOKER; }
// Joins any chain whatever its colour.
constexpr int IsWild(int kind) { return kind == ITEM_BOMB || kind == ITEM_JOKER; }
// Picked in swap mode.
constexpr int IsSwappable(int kind) { return IsColour(kind) || IsStone(kind) || kind == ITEM_BOMB; }
