// levelc: compiles the stage files of level layouts into the game's level files,
// checks every layout rule (and fails naming the level and the rule), prints a
// table per stage and draws the contact sheet of all layouts.
//   levelc <source folder> <data folder> <contact folder>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tables/item_kinds.h"
#include "tools/levelc/contact_sheet.h"
#include "tools/levelc/level_rules.h"
#include "tools/levelc/level_source.h"

namespace {

int levelCodes[LEVEL_COUNT][LEVEL_CODES];

void PrintStageTable(int stage, const std::vector<TLevelSource>& byLevel) {
    std::printf("stage %d\n", stage);
    std::printf("  level cells moss  stones p1 p2 p3 p4 any  pillars stone-p  fish 1/2/3  wanted orders\n");
    int fish = 0, wanted = 0, cells = 0, moss = 0;
    for (int k = 1; k <= LEVELS_PER_STAGE; k++) {
        int level = (stage - 1) * LEVELS_PER_STAGE + k;
        TLevelStats s = MeasureLevel(byLevel[level].codes);
        fish += s.fish;
        wanted += s.itemsWanted;
        cells += s.cells;
        moss += s.moss;
        int kind = FixedStoneKind(level);
        int p[5] = {};
        if (kind) p[kind - ITEM_STONE_FIRST + 1] = s.stones;
        else p[0] = s.stones;
        std::printf("  %5d %5d %4d  %9d %2d %2d %2d %3d  %7d %7d  %4d %d/%d/%d  %6d %6d  %s\n", level, s.cells,
                    s.moss, p[1], p[2], p[3], p[4], p[0], s.pillars, s.stonePillars, s.fish, s.fishBySize[1],
                    s.fishBySize[2], s.fishBySize[3], s.itemsWanted, OrdersNeeded(level),
                    byLevel[level].comment.c_str());
    }
    std::printf("  stage mean: %.1f cells, %.1f moss, %.2f fish, %.2f items wanted, %.2f items an order\n",
                cells / 9.0, moss / 9.0, fish / 9.0, wanted / 9.0, fish ? (double)wanted / fish : 0.0);
}

int WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), (std::streamsize)bytes.size());
    return f.good() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: levelc <source folder> <data folder> <contact folder>\n");
        return 2;
    }
    std::string sourceFolder = argv[1], dataFolder = argv[2], contactFolder = argv[3];
    std::vector<TLevelSource> levels;
    std::vector<std::string> errors;
    if (ReadLevelSources(sourceFolder, levels, errors) == 0) errors.push_back(sourceFolder + ": no stage files");

    std::vector<TLevelSource> byLevel(LEVEL_COUNT + 1);
    std::vector<int> seen(LEVEL_COUNT + 1, 0);
    for (const TLevelSource& l : levels) {
        if (seen[l.level])
            errors.push_back(l.file + ":" + std::to_string(l.line) + ": level " + std::to_string(l.level) + " given twice");
        seen[l.level] = 1;
        byLevel[l.level] = l;
    }
    for (int level = 1; level <= LEVEL_COUNT; level++)
        if (!seen[level]) errors.push_back("level " + std::to_string(level) + ": missing from the sources");

    std::filesystem::create_directories(contactFolder);
    std::string sheet = contactFolder + "/levels.png";
    if (!DrawLevelContactSheet(levels, sheet)) std::fprintf(stderr, "levelc: could not write %s\n", sheet.c_str());

    for (int level = 1; level <= LEVEL_COUNT; level++)
        for (int i = 0; i < LEVEL_CODES; i++) levelCodes[level - 1][i] = byLevel[level].codes[i];
    std::vector<TRuleBreak> breaks;
    for (int level = 1; level <= LEVEL_COUNT; level++)
        if (seen[level]) CheckLevel(level, levelCodes[level - 1], breaks);
    if (errors.empty()) CheckLevelSet(levelCodes, LEVEL_COUNT, breaks);

    for (int stage = 1; stage <= STAGE_COUNT; stage++) {
        int complete = 1;
        for (int k = 1; k <= LEVELS_PER_STAGE; k++) complete &= seen[(stage - 1) * LEVELS_PER_STAGE + k];
        if (complete) PrintStageTable(stage, byLevel);
    }
    std::printf("contact sheet: %s\n", sheet.c_str());

    for (const std::string& e : errors) std::fprintf(stderr, "levelc: %s\n", e.c_str());
    for (const TRuleBreak& b : breaks) std::fprintf(stderr, "levelc: %s\n", DescribeRuleBreak(b).c_str());
    if (!errors.empty() || !breaks.empty()) {
        std::fprintf(stderr, "levelc: %d source errors, %d layout rules broken, no level files written\n",
                     (int)errors.size(), (int)breaks.size());
        return 1;
    }

    std::string folder = dataFolder + "/levelz/m3";
    std::filesystem::create_directories(folder);
    for (int level = 1; level <= LEVEL_COUNT; level++) {
        std::string path = folder + "/" + LevelFileBaseName(level);
        if (!WriteBytes(path, EncodeLevelFile(levelCodes[level - 1]))) {
            std::fprintf(stderr, "levelc: could not write %s\n", path.c_str());
            return 1;
        }
    }
    std::printf("levelc: %d level files written to %s\n", LEVEL_COUNT, folder.c_str());
    return 0;
}
