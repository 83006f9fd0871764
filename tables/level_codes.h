// The cell codes of a level file (code = stored value + 1), shared by the
// game's level loader and the level compiler.
#pragma once

constexpr int CODE_EMPTY = 0;
constexpr int CODE_CELL = 1;
constexpr int CODE_STONE = 3;
constexpr int CODE_MOSS = 4;
constexpr int CODE_PILLAR = 5;
constexpr int CODE_STONE_PILLAR = 6;
constexpr int CODE_LAST_CELL = 98;
constexpr int CODE_NOTHING = 99;
constexpr int CODE_FISH = 100;          // 100 + n: a fish wanting n items
constexpr int FISH_ORDER_LARGEST = 3;   // the items a fish of a level may want, 1..3
