// The rules every level layout keeps: board limits, column strips, clearance of
// the screen furniture, fish placement, stones, pillars, moss, and the rules over
// the whole set (what each level introduces, growth of the orders, variety).
#pragma once

#include <string>
#include <vector>

#include "tools/levelc/level_geometry.h"

struct TRuleBreak {
    int level = 0;        // 1..108, 0 for the whole set
    std::string rule;     // short rule name, e.g. "column-gap"
    std::string detail;   // where and why
};

struct TLevelStats {
    int cells = 0, floorItems = 0, moss = 0, stones = 0, pillars = 0, stonePillars = 0;
    int fish = 0, itemsWanted = 0, fishBySize[FISH_ORDER_LARGEST + 1] = {};
    int islands = 0, columns = 0, leftColumn = 0, rightColumn = 0, topRow = 0, bottomRow = 0;
};

// Counts what a level holds.
TLevelStats MeasureLevel(const int codes[LEVEL_CODES]);

// Checks one level against every per-level rule; appends each broken rule to
// `breaks` and returns how many were found.
int CheckLevel(int level, const int codes[LEVEL_CODES], std::vector<TRuleBreak>& breaks);

// Checks the rules over all levels; codes[i] holds level i + 1. Returns the
// number of broken rules appended.
int CheckLevelSet(const int (*codes)[LEVEL_CODES], int levelCount, std::vector<TRuleBreak>& breaks);

// "level 12: column-gap: ..." for messages.
std::string DescribeRuleBreak(const TRuleBreak& b);

// The first level holding pillars and the first holding stone pillars.
constexpr int PILLAR_INTRO_LEVEL = 7;
constexpr int STONE_PILLAR_INTRO_LEVEL = 19;
