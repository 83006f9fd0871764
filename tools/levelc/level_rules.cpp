// The layout rules of the levels.
#include "tools/levelc/level_rules.h"

#include <algorithm>
#include <cstdio>

namespace {

int CodeAt(const int codes[LEVEL_CODES], int r, int c) {
    if (r < 1 || r > LEVEL_ROWS || c < 1 || c > LEVEL_COLUMNS_IN_FILE) return CODE_EMPTY;
    return codes[LevelCodeIndex(r, c)];
}

int IsCellCode(int code) { return code >= CODE_CELL && code <= CODE_LAST_CELL; }
int IsFishCode(int code) { return code >= CODE_FISH + 1 && code <= CODE_FISH + FISH_ORDER_LARGEST; }
int IsPillarCode(int code) { return code == CODE_PILLAR || code == CODE_STONE_PILLAR; }
int HasCell(const int codes[LEVEL_CODES], int r, int c) { return IsCellCode(CodeAt(codes, r, c)); }

std::string Place(int r, int c) {
    return "row " + std::to_string(r) + ", column " + std::to_string(c);
}

void Break(std::vector<TRuleBreak>& breaks, int level, const char* rule, const std::string& detail) {
    TRuleBreak b;
    b.level = level;
    b.rule = rule;
    b.detail = detail;
    breaks.push_back(b);
}

// Row of the lowest cell of the column part holding (r, c).
int PartBottom(const int codes[LEVEL_CODES], int r, int c) {
    while (HasCell(codes, r + 1, c)) r++;
    return r;
}

// 1 when (r, c) is a cell whose item a pillar above it removes at load.
int CoveredByPillar(const int codes[LEVEL_CODES], int r, int c) {
    for (int up = r - 1; up >= 1 && HasCell(codes, up, c); up--)
        if (IsPillarCode(CodeAt(codes, up, c))) return 1;
    return 0;
}

// Length of the straight run of cells through (r, c) along (dr, dc).
int RunLength(const int codes[LEVEL_CODES], int r, int c, int dr, int dc) {
    int n = 1;
    for (int k = 1; HasCell(codes, r + k * dr, c + k * dc); k++) n++;
    for (int k = 1; HasCell(codes, r - k * dr, c - k * dc); k++) n++;
    return n;
}

std::string BoxText(const TBox& b) {
    char text[80];
    std::snprintf(text, sizeof text, "(%d,%d)-(%d,%d)", b.left, b.top, b.right, b.bottom);
    return text;
}

}  // namespace

TLevelStats MeasureLevel(const int codes[LEVEL_CODES]) {
    TLevelStats s;
    s.topRow = 99;
    s.leftColumn = 99;
    for (int r = 1; r <= LEVEL_ROWS; r++)
        for (int c = 1; c <= LEVEL_COLUMNS_IN_FILE; c++) {
            int code = CodeAt(codes, r, c);
            if (IsFishCode(code)) {
                s.fish++;
                s.itemsWanted += code - CODE_FISH;
                s.fishBySize[code - CODE_FISH]++;
            }
            if (!IsCellCode(code) || !CellAllowedAt(r, c)) continue;
            s.cells++;
            if (!HasCell(codes, r + 1, c)) s.floorItems++;
            if (code == CODE_MOSS) s.moss++;
            if (code == CODE_STONE) s.stones++;
            if (code == CODE_PILLAR) s.pillars++;
            if (code == CODE_STONE_PILLAR) s.stonePillars++;
            s.topRow = std::min(s.topRow, r);
            s.bottomRow = std::max(s.bottomRow, r);
            s.leftColumn = std::min(s.leftColumn, c);
            s.rightColumn = std::max(s.rightColumn, c);
        }
    for (int c = 2; c <= LEVEL_COLUMNS_IN_FILE; c++) {
        int any = 0;
        for (int r = 2; r <= LEVEL_ROWS; r++) any |= HasCell(codes, r, c);
        s.columns += any;
    }
    // Islands: groups of orthogonally joined cells.
    int mark[LEVEL_ROWS + 2][LEVEL_COLUMNS_IN_FILE + 2] = {};
    for (int r = 2; r <= LEVEL_ROWS; r++)
        for (int c = 2; c <= LEVEL_COLUMNS_IN_FILE; c++) {
            if (!HasCell(codes, r, c) || mark[r][c]) continue;
            s.islands++;
            int stackR[LEVEL_CODES], stackC[LEVEL_CODES], top = 0;
            stackR[top] = r;
            stackC[top++] = c;
            mark[r][c] = s.islands;
            while (top > 0) {
                top--;
                int cr = stackR[top], cc = stackC[top];
                const int DR[4] = {1, -1, 0, 0}, DC[4] = {0, 0, 1, -1};
                for (int d = 0; d < 4; d++) {
                    int nr = cr + DR[d], nc = cc + DC[d];
                    if (nr < 2 || nc < 2 || !HasCell(codes, nr, nc) || mark[nr][nc]) continue;
                    mark[nr][nc] = s.islands;
                    stackR[top] = nr;
                    stackC[top++] = nc;
                }
            }
        }
    return s;
}

int CheckLevel(int level, const int codes[LEVEL_CODES], std::vector<TRuleBreak>& breaks) {
    size_t before = breaks.size();
    TLevelStats s = MeasureLevel(codes);

    // Codes: only those the layouts use, nothing in row 1 or column 1.
    for (int r = 1; r <= LEVEL_ROWS; r++)
        for (int c = 1; c <= LEVEL_COLUMNS_IN_FILE; c++) {
            int code = CodeAt(codes, r, c);
            int known = code == CODE_EMPTY || code == CODE_CELL || code == CODE_STONE || code == CODE_MOSS ||
                        IsPillarCode(code) || IsFishCode(code);
            if (!known)
                Break(breaks, level, "known-codes", "code " + std::to_string(code) + " at " + Place(r, c));
            else if ((r == 1 || c == 1) && code != CODE_EMPTY)
                Break(breaks, level, "edge-row-column",
                      "row 1 and column 1 hold nothing, found code " + std::to_string(code) + " at " + Place(r, c));
        }

    // Slot limits of the board tables.
    if (s.cells > BOARD_SLOT_LIMIT)
        Break(breaks, level, "cell-limit",
              std::to_string(s.cells) + " cells, at most " + std::to_string(BOARD_SLOT_LIMIT));
    if (s.cells + s.floorItems > BOARD_SLOT_LIMIT)
        Break(breaks, level, "item-limit",
              std::to_string(s.cells) + " items and " + std::to_string(s.floorItems) + " floor items, at most " +
                  std::to_string(BOARD_SLOT_LIMIT));

    // Column strips: one gapless run per column, at most 11 cells.
    for (int c = 2; c <= LEVEL_COLUMNS_IN_FILE; c++) {
        int runs = 0, count = 0;
        for (int r = 2; r <= LEVEL_ROWS; r++) {
            if (!HasCell(codes, r, c)) continue;
            count++;
            if (!HasCell(codes, r - 1, c) || r == 2) runs++;
        }
        if (runs > 1)
            Break(breaks, level, "column-gap", "column " + std::to_string(c) + " has " + std::to_string(runs) + " parts");
        if (count > STRIP_LONGEST)
            Break(breaks, level, "column-height",
                  "column " + std::to_string(c) + " has " + std::to_string(count) + " cells, at most " +
                      std::to_string(STRIP_LONGEST));
    }

    // The board frame inside the board picture and clear of the furniture.
    TBox furniture[16];
    const char* furnitureNames[16];
    int furnitureCount = ScreenFurniture(furniture, furnitureNames);
    TBox picture = BoardPictureBox();
    for (int r = 2; r <= LEVEL_ROWS; r++)
        for (int c = 2; c <= LEVEL_COLUMNS_IN_FILE; c++) {
            if (!HasCell(codes, r, c)) continue;
            TBox frame = CellFrameBox(r, c);
            if (!BoxInside(frame, picture))
                Break(breaks, level, "board-in-picture",
                      "the frame of the cell at " + Place(r, c) + " leaves the board picture");
            for (int f = 0; f < furnitureCount; f++)
                if (BoxesOverlap(frame, furniture[f]))
                    Break(breaks, level, "board-clear-of-furniture",
                          "the cell at " + Place(r, c) + " touches the " + furnitureNames[f]);
        }

    // Fish: on screen, clear of the furniture, the board and each other.
    if (s.fish < 1)
        Break(breaks, level, "fish-count", "no fish: no order can ever be served");
    if (s.fish > std::min(FISH_SLOT_LIMIT, OrdersNeeded(level)))
        Break(breaks, level, "fish-count",
              std::to_string(s.fish) + " fish, at most " + std::to_string(std::min(FISH_SLOT_LIMIT, OrdersNeeded(level))));
    TBox screen;
    screen.right = SCREEN_W;
    screen.bottom = SCREEN_H;
    std::vector<int> fishR, fishC;
    for (int r = 1; r <= LEVEL_ROWS; r++)
        for (int c = 1; c <= LEVEL_COLUMNS_IN_FILE; c++) {
            int code = CodeAt(codes, r, c);
            if (!IsFishCode(code)) continue;
            int n = code - CODE_FISH;
            TBox box = FishBox(r, c, n);
            if (!BoxInside(box, screen) || CellCentreX(c) <= 30)
                Break(breaks, level, "fish-on-screen", "the fish at " + Place(r, c) + " fills " + BoxText(box));
            for (int f = 0; f < furnitureCount; f++)
                if (BoxesOverlap(box, furniture[f]))
                    Break(breaks, level, "fish-clear-of-furniture",
                          "the fish at " + Place(r, c) + " touches the " + furnitureNames[f]);
            for (int br = 2; br <= LEVEL_ROWS; br++)
                for (int bc = 2; bc <= LEVEL_COLUMNS_IN_FILE; bc++)
                    if (HasCell(codes, br, bc) && BoxesOverlap(box, CellFrameBox(br, bc)))
                        Break(breaks, level, "fish-clear-of-board",
                              "the fish at " + Place(r, c) + " touches the cell at " + Place(br, bc));
            for (size_t k = 0; k < fishR.size(); k++) {
                int other = CodeAt(codes, fishR[k], fishC[k]) - CODE_FISH;
                if (BoxesOverlap(box, FishBox(fishR[k], fishC[k], other)))
                    Break(breaks, level, "fish-overlap",
                          "the fish at " + Place(r, c) + " and at " + Place(fishR[k], fishC[k]));
            }
            fishR.push_back(r);
            fishC.push_back(c);
        }

    // Stones reach the floor: nothing fixed below them, no pillar above them.
    for (int r = 2; r <= LEVEL_ROWS; r++)
        for (int c = 2; c <= LEVEL_COLUMNS_IN_FILE; c++) {
            if (CodeAt(codes, r, c) != CODE_STONE) continue;
            if (CoveredByPillar(codes, r, c))
                Break(breaks, level, "stone-cannot-fall", "the stone at " + Place(r, c) + " lies under a pillar");
            for (int down = r + 1; HasCell(codes, down, c); down++)
                if (CodeAt(codes, down, c) == CODE_PILLAR)
                    Break(breaks, level, "stone-cannot-fall",
                          "the stone at " + Place(r, c) + " stands on the pillar at " + Place(down, c));
        }

    // Pillars cover cells below them, one per column part, and can be broken from beside.
    for (int r = 2; r <= LEVEL_ROWS; r++)
        for (int c = 2; c <= LEVEL_COLUMNS_IN_FILE; c++) {
            int code = CodeAt(codes, r, c);
            if (!IsPillarCode(code)) continue;
            const char* what = code == CODE_PILLAR ? "pillar" : "stone pillar";
            if (!HasCell(codes, r + 1, c))
                Break(breaks, level, "pillar-cover", std::string("the ") + what + " at " + Place(r, c) + " covers no cell");
            for (int down = r + 1; down <= PartBottom(codes, r, c); down++)
                if (IsPillarCode(CodeAt(codes, down, c)))
                    Break(breaks, level, "pillar-cover",
                          std::string("the ") + what + " at " + Place(r, c) + " stands over another at " + Place(down, c));
            // A stone pillar drops to the floor at once; the cells it emptied stay
            // empty until a projectile hits its cell, so it covers one or two only.
            if (code == CODE_STONE_PILLAR && PartBottom(codes, r, c) - r > 2)
                Break(breaks, level, "pillar-cover",
                      "the stone pillar at " + Place(r, c) + " covers " + std::to_string(PartBottom(codes, r, c) - r) +
                          " cells, at most 2");
            if (code == CODE_PILLAR) {
                int free = 0;
                const int DR[3] = {0, 0, -1}, DC[3] = {-1, 1, 0};
                for (int d = 0; d < 3; d++) {
                    int nr = r + DR[d], nc = c + DC[d];
                    if (HasCell(codes, nr, nc) && !IsPillarCode(CodeAt(codes, nr, nc)) && !CoveredByPillar(codes, nr, nc))
                        free = 1;
                }
                if (!free)
                    Break(breaks, level, "pillar-breakable",
                          "no cell beside or above the pillar at " + Place(r, c) + " can hold a match");
            }
        }

    // Moss lies on a straight run of three cells, so every mode can clear it.
    for (int r = 2; r <= LEVEL_ROWS; r++)
        for (int c = 2; c <= LEVEL_COLUMNS_IN_FILE; c++) {
            if (CodeAt(codes, r, c) != CODE_MOSS) continue;
            if (RunLength(codes, r, c, 0, 1) < 3 && RunLength(codes, r, c, 1, 0) < 3)
                Break(breaks, level, "moss-reachable", "the moss at " + Place(r, c) + " lies on no line of three cells");
        }

    // Every island is big enough to play: six cells and a line of three.
    {
        int mark[LEVEL_ROWS + 2][LEVEL_COLUMNS_IN_FILE + 2] = {};
        int island = 0;
        for (int r = 2; r <= LEVEL_ROWS; r++)
            for (int c = 2; c <= LEVEL_COLUMNS_IN_FILE; c++) {
                if (!HasCell(codes, r, c) || mark[r][c]) continue;
                island++;
                int stackR[LEVEL_CODES], stackC[LEVEL_CODES], top = 0, size = 0, line = 0;
                stackR[top] = r;
                stackC[top++] = c;
                mark[r][c] = island;
                while (top > 0) {
                    top--;
                    int cr = stackR[top], cc = stackC[top];
                    size++;
                    if (RunLength(codes, cr, cc, 0, 1) >= 3 || RunLength(codes, cr, cc, 1, 0) >= 3) line = 1;
                    const int DR[4] = {1, -1, 0, 0}, DC[4] = {0, 0, 1, -1};
                    for (int d = 0; d < 4; d++) {
                        int nr = cr + DR[d], nc = cc + DC[d];
                        if (nr < 2 || nc < 2 || !HasCell(codes, nr, nc) || mark[nr][nc]) continue;
                        mark[nr][nc] = island;
                        stackR[top] = nr;
                        stackC[top++] = nc;
                    }
                }
                if (size < 6 || !line)
                    Break(breaks, level, "island-too-small",
                          "the island at " + Place(r, c) + " has " + std::to_string(size) + " cells" +
                              (line ? "" : " and no line of three"));
            }
    }

    // What the first levels teach.
    if (level == 1 && s.moss == 0) Break(breaks, level, "intro-moss", "the first level shows moss");
    if (level >= 3 && level <= 6 && s.stones == 0)
        Break(breaks, level, "intro-stones", "levels 3 to 6 each bring stones of their power-up");
    if (level < PILLAR_INTRO_LEVEL && s.pillars > 0)
        Break(breaks, level, "intro-pillar", "pillars come from level 7 on");
    if (level == PILLAR_INTRO_LEVEL && (s.pillars < 1 || s.pillars > 2))
        Break(breaks, level, "intro-pillar", "level 7 introduces pillars with one or two of them");
    if (level < STONE_PILLAR_INTRO_LEVEL && s.stonePillars > 0)
        Break(breaks, level, "intro-stone-pillar", "stone pillars come from level 19 on");
    if (level == STONE_PILLAR_INTRO_LEVEL && (s.stonePillars < 1 || s.stonePillars > 2))
        Break(breaks, level, "intro-stone-pillar", "level 19 introduces stone pillars with one or two of them");
    return (int)(breaks.size() - before);
}

int CheckLevelSet(const int (*codes)[LEVEL_CODES], int levelCount, std::vector<TRuleBreak>& breaks) {
    size_t before = breaks.size();
    // Orders grow with the stages: the mean number of items the fish of a level
    // want, and the mean size of an order, never fall below the stage before.
    double lastItems = 0, lastSize = 0;
    for (int stage = 1; stage * LEVELS_PER_STAGE <= levelCount; stage++) {
        double fish = 0, items = 0;
        for (int k = 0; k < LEVELS_PER_STAGE; k++) {
            TLevelStats s = MeasureLevel(codes[(stage - 1) * LEVELS_PER_STAGE + k]);
            fish += s.fish;
            items += s.itemsWanted;
        }
        double size = fish > 0 ? items / fish : 0;
        items /= LEVELS_PER_STAGE;
        char text[160];
        if (items + 1e-9 < lastItems) {
            std::snprintf(text, sizeof text, "stage %d wants %.2f items a level, stage %d wanted %.2f", stage, items,
                          stage - 1, lastItems);
            Break(breaks, 0, "fish-growth", text);
        }
        if (size + 1e-9 < lastSize) {
            std::snprintf(text, sizeof text, "stage %d wants %.2f items an order, stage %d wanted %.2f", stage, size,
                          stage - 1, lastSize);
            Break(breaks, 0, "fish-growth", text);
        }
        lastItems = items;
        lastSize = size;
    }
    // No two boards alike: their cell shapes differ in at least 6 places.
    for (int a = 0; a < levelCount; a++)
        for (int b = a + 1; b < levelCount; b++) {
            int differ = 0;
            for (int i = 0; i < LEVEL_CODES; i++)
                differ += IsCellCode(codes[a][i]) != IsCellCode(codes[b][i]);
            if (differ < 6)
                Break(breaks, b + 1, "levels-alike",
                      "its board differs from level " + std::to_string(a + 1) + " in only " + std::to_string(differ) +
                          " places");
        }
    return (int)(breaks.size() - before);
}

std::string DescribeRuleBreak(const TRuleBreak& b) {
    std::string who = b.level > 0 ? "level " + std::to_string(b.level) : std::string("level set");
    return who + ": " + b.rule + ": " + b.detail;
}
