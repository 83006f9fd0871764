// The level layout rules: every shipped level keeps them, and each rule is
// shown to catch the fault it is there for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "match3/level_files.h"
#include "tools/levelc/level_rules.h"
#include "tools/levelc/level_source.h"
#include "tests/test_support.h"

namespace {

struct TTestLevel {
    int codes[LEVEL_CODES] = {};
    void Set(int r, int c, int code) { codes[(r - 1) * LEVEL_COLUMNS_IN_FILE + (c - 1)] = code; }
    void Fill(int r1, int r2, int c1, int c2, int code) {
        for (int r = r1; r <= r2; r++)
            for (int c = c1; c <= c2; c++) Set(r, c, code);
    }
};

// A small sound level: a 5 x 5 pool with moss in the middle and one fish on the left.
TTestLevel GoodLevel() {
    TTestLevel l;
    l.Fill(5, 9, 8, 12, CODE_CELL);
    l.Set(7, 10, CODE_MOSS);
    l.Set(5, 2, CODE_FISH + 1);
    return l;
}

std::vector<TRuleBreak> Check(int level, const TTestLevel& l) {
    std::vector<TRuleBreak> breaks;
    CheckLevel(level, l.codes, breaks);
    return breaks;
}

int Broken(const std::vector<TRuleBreak>& breaks, const std::string& rule) {
    for (const TRuleBreak& b : breaks)
        if (b.rule == rule) return 1;
    return 0;
}

std::string Describe(const std::vector<TRuleBreak>& breaks) {
    std::string text;
    for (const TRuleBreak& b : breaks) text += DescribeRuleBreak(b) + "\n";
    return text;
}

}  // namespace

// Each case damages the sound level in one way and names the rule that must
// catch it; a case marked kept shows where the rule's limit lies.
struct TRuleCase {
    const char* rule;
    int level;
    bool broken;
    void (*damage)(TTestLevel&);
};

void NineFish(TTestLevel& l) {
    for (int k = 0; k < 4; k++) l.Set(3 + 3 * k, 2, CODE_FISH + 1), l.Set(3 + 3 * k, 20, CODE_FISH + 1);
    l.Set(3, 5, CODE_FISH + 1);
}

const TRuleCase RULE_CASES[] = {
    // 19 columns of 11 cells: 209 cells; of 10: 190 cells fit, their 19 floor items do not.
    {"cell-limit", 30, true, [](TTestLevel& l) { l = {}; l.Fill(3, 13, 2, 20, CODE_CELL); }},
    {"cell-limit", 30, false, [](TTestLevel& l) { l = {}; l.Fill(3, 12, 2, 20, CODE_CELL); }},
    {"item-limit", 30, true, [](TTestLevel& l) { l = {}; l.Fill(3, 12, 2, 20, CODE_CELL); }},
    {"column-gap", 1, true, [](TTestLevel& l) { l.Set(7, 12, CODE_EMPTY); }},
    {"column-height", 1, true, [](TTestLevel& l) { l.Fill(2, 13, 11, 11, CODE_CELL); }},
    // reaches the mode buttons' row; row 2 lies under the top status bar
    {"board-clear-of-furniture", 1, true, [](TTestLevel& l) { l.Fill(10, 14, 8, 8, CODE_CELL); }},
    {"board-clear-of-furniture", 1, true, [](TTestLevel& l) { l.Fill(2, 4, 9, 9, CODE_CELL); }},
    {"board-in-picture", 1, true, [](TTestLevel& l) { l.Fill(2, 4, 9, 9, CODE_CELL); }},
    {"edge-row-column", 1, true, [](TTestLevel& l) { l.Set(1, 10, CODE_MOSS); }},
    {"known-codes", 1, true, [](TTestLevel& l) { l.Set(6, 9, 42); }},
    {"fish-count", 1, true, [](TTestLevel& l) { l.Set(5, 2, CODE_EMPTY); }},
    // Level 1 needs 8 orders: nine fish would be more than it serves; level 30 needs 50.
    {"fish-count", 1, true, NineFish},
    {"fish-count", 30, false, NineFish},
    // a three-item order's icons leave the screen at x 80
    {"fish-on-screen", 1, true, [](TTestLevel& l) { l.Set(5, 2, CODE_EMPTY); l.Set(8, 2, CODE_FISH + 3); }},
    {"fish-clear-of-board", 1, true, [](TTestLevel& l) { l.Set(7, 7, CODE_FISH + 1); }},
    // a bubble just above the board: the icons reach into row 7
    {"fish-clear-of-board", 1, true, [](TTestLevel& l) { l.Set(3, 10, CODE_FISH + 2); }},
    // two rows under the first fish, its icons overlap
    {"fish-overlap", 1, true, [](TTestLevel& l) { l.Set(7, 2, CODE_FISH + 1); }},
    // icons hang down onto the first power-up shell
    {"fish-clear-of-furniture", 1, true, [](TTestLevel& l) { l.Set(12, 4, CODE_FISH + 2); }},
    {"stone-cannot-fall", 8, true, [](TTestLevel& l) { l.Set(5, 9, CODE_STONE); l.Set(7, 9, CODE_PILLAR); }},
    {"stone-cannot-fall", 8, true, [](TTestLevel& l) { l.Set(5, 9, CODE_PILLAR); l.Set(8, 9, CODE_STONE); }},
    {"stone-cannot-fall", 8, false, [](TTestLevel& l) { l.Set(5, 9, CODE_STONE); }},
    {"pillar-cover", 8, true, [](TTestLevel& l) { l.Set(9, 9, CODE_PILLAR); }},
    {"pillar-cover", 8, true, [](TTestLevel& l) { l.Set(5, 9, CODE_PILLAR); l.Set(7, 9, CODE_PILLAR); }},
    // a stone pillar in row 6 would empty three cells below it; in row 7 two
    {"pillar-cover", 30, true, [](TTestLevel& l) { l.Set(6, 9, CODE_STONE_PILLAR); }},
    {"pillar-cover", 30, false, [](TTestLevel& l) { l.Set(7, 9, CODE_STONE_PILLAR); }},
    // a lone column topped by a pillar: nothing beside or above it can match
    {"pillar-breakable", 8, true, [](TTestLevel& l) { l.Fill(5, 9, 16, 16, CODE_CELL); l.Set(5, 16, CODE_PILLAR); }},
    // a 2 x 2 island: no line of three
    {"moss-reachable", 1, true, [](TTestLevel& l) { l.Fill(5, 6, 15, 16, CODE_CELL); l.Set(5, 15, CODE_MOSS); }},
    {"island-too-small", 1, true, [](TTestLevel& l) { l.Fill(5, 6, 15, 16, CODE_CELL); l.Set(5, 15, CODE_MOSS); }},
    {"intro-moss", 1, true, [](TTestLevel& l) { l.Set(7, 10, CODE_CELL); }},
    {"intro-stones", 4, true, [](TTestLevel&) {}},
    {"intro-pillar", 2, true, [](TTestLevel& l) { l.Set(5, 9, CODE_PILLAR); }},
    {"intro-stone-pillar", 12, true, [](TTestLevel& l) { l.Set(8, 9, CODE_STONE_PILLAR); }},
};

TEST(LevelRules, EachRuleCatchesItsFault) {
    for (const TRuleCase& c : RULE_CASES) {
        TTestLevel l = GoodLevel();
        c.damage(l);
        std::vector<TRuleBreak> breaks = Check(c.level, l);
        EXPECT_EQ(Broken(breaks, c.rule), c.broken ? 1 : 0) << c.rule << " on level " << c.level << "\n"
                                                         << Describe(breaks);
    }
}

TEST(LevelRules, TheSetGrowsAndNoTwoBoardsAreAlike) {
    static int codes[LEVEL_COUNT][LEVEL_CODES];
    // Every level its own shape: a common floor, and a tall column for each bit
    // of its number. Orders grow stage by stage.
    for (int level = 1; level <= LEVEL_COUNT; level++) {
        TTestLevel l;
        int stage = (level - 1) / LEVELS_PER_STAGE + 1;
        l.Fill(9, 11, 6, 16, CODE_CELL);
        for (int bit = 0; bit < 7; bit++)
            if (level & (1 << bit)) l.Fill(3, 8, 6 + bit, 6 + bit, CODE_CELL);
        l.Set(3, 2, CODE_FISH + (stage + 3) / 4);
        for (int i = 0; i < LEVEL_CODES; i++) codes[level - 1][i] = l.codes[i];
    }
    std::vector<TRuleBreak> breaks;
    CheckLevelSet(codes, LEVEL_COUNT, breaks);
    EXPECT_FALSE(Broken(breaks, "fish-growth")) << Describe(breaks);
    EXPECT_FALSE(Broken(breaks, "levels-alike")) << Describe(breaks);
    // A copy of level 1 as level 2, and stage 12 asking less than stage 11.
    for (int i = 0; i < LEVEL_CODES; i++) codes[1][i] = codes[0][i];
    for (int level = 100; level <= 108; level++) codes[level - 1][(3 - 1) * 20 + 1] = CODE_FISH + 1;
    breaks.clear();
    CheckLevelSet(codes, LEVEL_COUNT, breaks);
    EXPECT_TRUE(Broken(breaks, "levels-alike"));
    EXPECT_TRUE(Broken(breaks, "fish-growth"));
}

TEST(LevelSource, ParsesGridsAndNamesMalformedLines) {
    std::string text = "# a comment\nstage 1: test\nlevel 4: a test level\n....................\n"
                       ".1.....ooooo........\n.......osmPQ........\n";
    for (int r = 0; r < 11; r++) text += std::string(20, '.') + "\n";
    text += "..3.................\n";
    std::vector<TLevelSource> levels;
    std::vector<std::string> errors;
    ASSERT_EQ(1, ParseLevelSource(text, "stage99.txt", levels, errors));
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(4, levels[0].level);
    EXPECT_EQ("a test level", levels[0].comment);
    const int* c = levels[0].codes;
    EXPECT_EQ(CODE_FISH + 1, c[20 + 1]);
    EXPECT_EQ(CODE_CELL, c[20 + 7]);
    EXPECT_EQ(CODE_STONE, c[40 + 8]);
    EXPECT_EQ(CODE_MOSS, c[40 + 9]);
    EXPECT_EQ(CODE_PILLAR, c[40 + 10]);
    EXPECT_EQ(CODE_STONE_PILLAR, c[40 + 11]);
    EXPECT_EQ(CODE_FISH + 3, c[14 * 20 + 2]);
    // The grid written back reads the same.
    std::string again = "level 4: again\n" + FormatLevelGrid(c);
    std::vector<TLevelSource> round;
    ParseLevelSource(again, "again.txt", round, errors);
    ASSERT_EQ(1u, round.size());
    for (int i = 0; i < LEVEL_CODES; i++) EXPECT_EQ(c[i], round[0].codes[i]) << i;

    std::string bad = "level 5: short row\n" + std::string(19, '.') + "\n";
    for (int r = 0; r < 13; r++) bad += std::string(20, '.') + "\n";
    bad += std::string(19, '.') + "x\n";
    errors.clear();
    levels.clear();
    ParseLevelSource(bad, "stage05.txt", levels, errors);
    ASSERT_EQ(2u, errors.size());
    EXPECT_NE(std::string::npos, errors[0].find("stage05.txt:2:")) << errors[0];
    EXPECT_NE(std::string::npos, errors[1].find("'x'")) << errors[1];
    errors.clear();
    levels.clear();
    ParseLevelSource("level 6: too few rows\n....................\n", "s.txt", levels, errors);
    EXPECT_TRUE(levels.empty());
    EXPECT_EQ(1u, errors.size());
}

// The level files of the data folder, read through the game's own reader, hold
// the layouts of their sources, and every one keeps every rule.
TEST(ShippedLevels, EveryLevelFileHoldsItsSourceAndKeepsEveryRule) {
    std::vector<TLevelSource> sources;
    std::vector<std::string> errors;
    ReadLevelSources(std::string(GLD_SOURCE_DIR) + "/content/levels", sources, errors);
    EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors[0]);
    ASSERT_EQ((size_t)LEVEL_COUNT, sources.size());
    static int codes[LEVEL_COUNT][LEVEL_CODES];
    const std::string saved = levelFolder;
    levelFolder = std::string(GLD_RUN_DIR) + "/data/levelz/m3/";
    for (const TLevelSource& source : sources) {
        int* read = codes[source.level - 1];
        ASSERT_EQ(1, ReadLevelCodes(source.level, read)) << "level " << source.level;
        for (int i = 0; i < LEVEL_CODES; i++)
            ASSERT_EQ(source.codes[i], read[i])
                << "level " << source.level << ", row " << i / 20 + 1 << ", column " << i % 20 + 1;
    }
    levelFolder = saved;
    std::vector<TRuleBreak> breaks;
    for (int level = 1; level <= LEVEL_COUNT; level++) CheckLevel(level, codes[level - 1], breaks);
    CheckLevelSet(codes, LEVEL_COUNT, breaks);
    EXPECT_TRUE(breaks.empty()) << Describe(breaks);
    // Every stage teaches with growing orders, and every level holds moss and a fish.
    for (int level = 1; level <= LEVEL_COUNT; level++) {
        TLevelStats s = MeasureLevel(codes[level - 1]);
        EXPECT_GT(s.moss, 0) << "level " << level;
        EXPECT_GT(s.fish, 0) << "level " << level;
    }
}
