#include "tests/board_driver.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "effects/effects.h"
#include "match3/board.h"
#include "match3/board_art.h"
#include "match3/board_draw.h"
#include "match3/board_frame.h"
#include "match3/level_files.h"
#include "match3/rules.h"
#include "platform/platform.h"
#include "shell/pictures.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "tests/test_support.h"

namespace {

int pointerX = 0, pointerY = 0, pointerDown = 0;

TImage LoadCentred(const std::string& path) {
    if (PathKind(path) != 1) return nullptr;
    int autoCentre = AutoCentre();
    SetAutoCentre(1);
    TImage image = LoadPicture(path);
    SetAutoCentre(autoCentre);
    return image;
}

int RestingAt(int x, int y) {
    int found = 0;
    for (int i = 1; i <= BOARD_LAST_SLOT; i++) {
        const TItem& it = items[i];
        if (IsBody(it.kind) && !it.falling && it.x == x && it.y == y) found = i;
    }
    return found;
}

int RestingKind(int x, int y) {
    int item = RestingAt(x, y);
    return item > 0 ? items[item].kind : 0;
}

}  // namespace

int CellX(int column) { return CellCentreX(column); }
int CellY(int row) { return CellCentreY(row); }

void BoardStart(int mode, uint32_t seed, int position, int draw) {
    UseHeadlessPlatform();
    ClearBoardTables();
    ClearGameTables();
    powerupState.Clear();
    shuffleWave = 0;
    ClearParticles();       // as the level set-up: no effects left from before
    ClearGlows();
    ClearFlyers();
    currentPlayer = 1;
    players[1] = TPlayerProfile{};
    players[1].playerGameMode = mode;
    players[1].itemSet = 1;
    players[1].playerProgress = players[1].playerUnlocked = position;
    mapPosition = position;
    levelNo = position - position / 10;
    pauseOverlay = -1;
    dialogOpenLevel = 0;
    endingShown = 0;
    levelEndTimer = 0;
    frameCount = 0;
    framesPerSecond = 40;
    mouseX = mouseY = mouseDownLeft = mouseHitLeft = 0;
    pointerX = pointerY = pointerDown = 0;
    glintX = -496;
    boardDrawn = draw;
    SeedRandom(seed);
    if (!pointerHitImage) pointerHitImage = LoadCentred("data/UI/coll.png");
    if (!cellMaskImage) cellMaskImage = LoadCentred("data/match3/cellmask.png");
    static int artLoaded = 0;
    if (draw && !artLoaded) { LoadBoardArt(); artLoaded = 1; }
}

void BuildTestBoard(const std::vector<std::string>& rows) {
    struct TPlace {
        int x, y;
        char code;
    };
    std::vector<TPlace> places;
    for (size_t r0 = 0; r0 < rows.size(); r0++) {
        for (size_t c0 = 0; c0 < rows[r0].size(); c0++) {
            char code = rows[r0][c0];
            int row = static_cast<int>(r0) + 1, column = static_cast<int>(c0) + 1;
            if (code == '.' || code == ' ' || row < 2 || column < 2 || column >= LEVEL_COLUMNS) continue;
            int x = CellX(column), y = CellY(row);
            AddCell(x, y, 1, code == 'm', 0, code == 'P', 0);
            places.push_back({x, y, code});
            TColumn& col = columns[column];
            col.colCount++;
            col.colX = x;
            if (y < col.colTop) col.colTop = y;
        }
    }
    ApplyBorderKinds();
    for (const TPlace& p : places) {
        int below = 0;
        for (const TPlace& q : places) {
            if (q.x == p.x && q.y == p.y + CELL_SPACING) below = 1;
        }
        if (!below) AddItem(p.x, p.y + CELL_SPACING, ITEM_FLOOR);
    }
    for (const TPlace& p : places) {
        int kind;
        switch (p.code) {
        case '1': case '2': case '3': case '4': case '5': kind = p.code - '0'; break;
        case 'B': kind = ITEM_BOMB; break;
        case 'J': kind = ITEM_JOKER; break;
        case 'P': kind = ITEM_PILLAR; break;
        case 'S': kind = ITEM_STONE_FIRST; break;
        default: kind = NewItemKind(0); break;
        }
        int slot = AddItem(p.x, p.y, kind);
        if (slot > 0 && kind == ITEM_PILLAR) items[slot].height = 1;
    }
}

std::vector<std::string> TilingRows(int columns, int rows) {
    std::vector<std::string> grid(1, std::string(columns + 1, '.'));
    for (int r = 0; r < rows; r++) {
        std::string row = ".";
        for (int c = 0; c < columns; c++) row += static_cast<char>('1' + (r % 2) * 2 + (c % 2));
        grid.push_back(row);
    }
    return grid;
}

void BoardPlayReady() { while (levelFrame < 151) BoardFrame(); }

void BoardStartGrid(int mode, uint32_t seed, const std::vector<std::string>& rows, int rescue) {
    BoardStart(mode, seed, 2);
    BuildTestBoard(rows);
    rescueUsed = rescue ? 0 : 1;
    BoardPlayReady();
}

void BoardDrag(const std::vector<std::pair<int, int>>& places) {
    for (const auto& place : places) {
        BoardPointer(CellX(place.first), CellY(place.second), 1);
        BoardFrames(2);
    }
}

void BoardRelease() { pointerDown = 0; BoardFrame(); }

int BoardLoadLevel(int position) {
    BuildLevelList();
    mapPosition = position;
    players[1].playerProgress = position;
    LoadLevel();
    int count = 0;
    for (int c = 1; c <= BOARD_LAST_SLOT; c++) count += cells[c].exists;
    return count;
}

void BoardPointer(int x, int y, int down) {
    pointerX = x;
    pointerY = y;
    pointerDown = down ? 1 : 0;
}

void BoardFrame() {
    frameCount++;
    mouseHitLeft = pointerDown && !mouseDownLeft;
    mouseDownLeft = pointerDown;
    mouseX = pointerX;
    mouseY = pointerY;
    RunBoardFrame();
    // The particles fly and die as on the game screen, so the random numbers
    // they draw follow the game's sequence.
    UpdateParticles();
}

void BoardFrames(int count) { for (int i = 0; i < count; i++) BoardFrame(); }

static int BoardStill() {
    if (swapPhase != 0) return 0;
    for (int i = 1; i <= BOARD_LAST_SLOT; i++) {
        const TItem& it = items[i];
        if (Falls(it.kind) && (it.falling || it.cellIndex == 0)) return 0;
    }
    return 1;
}

int BoardSettle() {
    for (int f = 0; f < 400; f++) {
        BoardFrame();
        if (levelFrame > 52 && BoardStill()) return 1;
    }
    return 0;
}

void BoardClickCell(int column, int row, int hold) {
    BoardPointer(CellX(column), CellY(row), 1);
    BoardFrames(hold);
    BoardPointer(CellX(column), CellY(row), 0);
    BoardFrame();
}

int ItemOnPlace(int column, int row) { return RestingAt(CellX(column), CellY(row)); }
int KindOnPlace(int column, int row) { return RestingKind(CellX(column), CellY(row)); }

int CellOnPlace(int column, int row) {
    for (int c = 1; c <= BOARD_LAST_SLOT; c++)
        if (cells[c].exists && cells[c].x == CellX(column) && cells[c].y == CellY(row)) return c;
    return 0;
}

int CountKind(int kind) {
    int count = 0;
    for (int i = 1; i <= BOARD_LAST_SLOT; i++) count += items[i].kind == kind;
    return count;
}

int BoardHasLine() {
    for (int i = 1; i <= BOARD_LAST_SLOT; i++) {
        const TItem& it = items[i];
        if (!IsLineKind(it.kind) || it.falling) continue;
        const int s = CELL_SPACING;
        if (RestingKind(it.x, it.y - s) == it.kind && RestingKind(it.x, it.y + s) == it.kind) return 1;
        if (RestingKind(it.x - s, it.y) == it.kind && RestingKind(it.x + s, it.y) == it.kind) return 1;
    }
    return 0;
}

uint32_t BoardHash() {
    uint32_t h = 2166136261u;
    auto mix = [&h](int v) {
        for (int b = 0; b < 4; b++) {
            h ^= static_cast<uint32_t>(v >> (8 * b)) & 255u;
            h *= 16777619u;
        }
    };
    for (int i = 1; i <= BOARD_LAST_SLOT; i++) {
        mix(items[i].kind);
        if (items[i].kind == 0) continue;
        mix(items[i].x);
        mix(items[i].y);
    }
    for (int c = 1; c <= BOARD_LAST_SLOT; c++) mix(cells[c].exists ? cells[c].isMoss : -1);
    return h;
}

int BoardSavePicture(const std::string& path) {
    if (!DisplayIsOpen()) return 0;
    ComposeBoardImage();
    SetViewport(0, 0, 1024, 768);
    SetClearColor(0, 0, 0);
    Cls();
    SetColor(255, 255, 255);
    SetAlpha(1.0f);
    SetBlend(BLEND_ALPHA);
    SetDrawScale(1.0f, 1.0f);
    SetDrawRotation(0.0f);
    DrawCells();
    DrawItems();
    DrawSwapPair();
    return SaveScreenPng(path);
}

namespace {
TImage keptBorders[BORDER_KINDS + 1];
TImage keptStrips[STRIP_LONGEST + 1];
}  // namespace

void StandInBoardFrameArt(TImage (*border)(int kind), TImage (*strip)(int cells)) {
    for (int k = 1; k <= BORDER_KINDS; k++) {
        keptBorders[k] = borderImages[k];
        borderImages[k] = border(k);
    }
    for (int n = 1; n <= STRIP_LONGEST; n++) {
        keptStrips[n] = cellRowImages[n];
        cellRowImages[n] = strip(n);
    }
}

void RestoreBoardFrameArt() {
    for (int k = 1; k <= BORDER_KINDS; k++) {
        FreeImage(borderImages[k]);
        borderImages[k] = keptBorders[k];
    }
    for (int n = 1; n <= STRIP_LONGEST; n++) {
        FreeImage(cellRowImages[n]);
        cellRowImages[n] = keptStrips[n];
    }
}

// ---------------------------------------------------------------- recordings

int ReadReplay(const std::string& path, TReplay& replay) {
    std::ifstream in(path);
    if (!in) return 0;
    replay = TReplay{};
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        std::string first;
        words >> first;
        if (first == "mode") words >> replay.mode;
        else if (first == "seed") words >> replay.seed;
        else if (first == "position") words >> replay.position;
        else if (first == "frames") words >> replay.frames;
        else if (first == "level") replay.useLevelFile = 1;
        else if (first == "row") replay.rows.push_back(line.size() > 4 ? line.substr(4) : std::string());
        else if (first == "summary") {
            std::string scoreWord, hashWord, hashText;
            words >> scoreWord >> replay.summaryScore >> hashWord >> hashText;
            if (scoreWord != "score" || hashWord != "hash") return 0;
            replay.summaryHash = static_cast<uint32_t>(std::stoul(hashText, nullptr, 16));
            replay.hasSummary = 1;
        } else {
            TReplayInput input{};
            std::istringstream numbers(line);
            if (!(numbers >> input.frame >> input.x >> input.y >> input.down)) return 0;
            replay.inputs.push_back(input);
        }
    }
    return replay.rows.empty() && !replay.useLevelFile ? 0 : 1;
}

int WriteReplay(const std::string& path, const TReplay& replay, const std::string& title) {
    std::ofstream out(path, std::ios::trunc);
    if (!out) return 0;
    out << "# " << title << "\n";
    out << "# The board (row 1 first; see tests/board_driver.h for the characters),\n";
    out << "# then the pointer input as \"frame x y down\" lines: the pointer stays as a\n";
    out << "# line sets it until the next line. The summary is the state after the\n";
    out << "# last frame: the level's score and the hash of the items and moss.\n";
    out << "mode " << replay.mode << "\nseed " << replay.seed << "\nposition " << replay.position << "\n";
    out << "frames " << replay.frames << "\n";
    if (replay.useLevelFile) out << "level\n";
    for (const std::string& row : replay.rows) out << "row " << row << "\n";
    for (const TReplayInput& input : replay.inputs) {
        out << input.frame << " " << input.x << " " << input.y << " " << input.down << "\n";
    }
    char hash[16];
    std::snprintf(hash, sizeof hash, "%08x", replay.summaryHash);
    out << "summary score " << replay.summaryScore << " hash " << hash << "\n";
    return out.good() ? 1 : 0;
}

static void BoardStartReplay(const TReplay& replay) {
    BoardStart(replay.mode, replay.seed, replay.position, 0);
    if (replay.useLevelFile && replay.rows.empty()) {
        BoardLoadLevel(replay.position);
    } else {
        BuildTestBoard(replay.rows);
    }
}

static TReplayResult ResultNow() {
    TReplayResult result;
    result.score = score;
    result.hash = BoardHash();
    result.matches = CurrentProfile().playerMatches;
    return result;
}

TReplayResult PlayReplay(const TReplay& replay) {
    BoardStartReplay(replay);
    size_t next = 0;
    for (int f = 1; f <= replay.frames; f++) {
        while (next < replay.inputs.size() && replay.inputs[next].frame <= f) {
            const TReplayInput& input = replay.inputs[next++];
            BoardPointer(input.x, input.y, input.down);
        }
        BoardFrame();
    }
    return ResultNow();
}

// ---- the recording player: looks at the board and plans its pointer moves

namespace {

uint32_t botState = 1;

int BotRandom(int n) {
    botState = botState * 1103515245u + 12345u;
    return static_cast<int>((botState >> 16) % static_cast<uint32_t>(n));
}

// 1 when removing the item changes what rests on moss: the item lies on a
// moss cell, or below one in its column, so the moss item falls and is new.
int OnMoss(int item) {
    for (int c = 1; c <= BOARD_LAST_SLOT; c++) {
        if (!cells[c].exists || !cells[c].isMoss || cells[c].x != items[item].x) continue;
        if (cells[c].y <= items[item].y) return 1;
    }
    return 0;
}

// One of the moves found, often among those that touch moss when any do:
// moss is a goal of the level, so a player goes for it.
std::vector<int> PickPreferringMoss(const std::vector<std::vector<int>>& found) {
    std::vector<std::vector<int>> mossy;
    for (const std::vector<int>& move : found) {
        int touches = 0;
        for (int item : move) touches |= OnMoss(item);
        if (touches) mossy.push_back(move);
    }
    // Every other move goes anywhere, so a stubborn corner never holds it up,
    // until the moss is all that is left to do.
    const int onlyMossLeft = CurrentProfile().playerOrdersServed >= ordersNeeded && ordersNeeded > 0;
    const std::vector<std::vector<int>>& pool = mossy.empty() || (!onlyMossLeft && BotRandom(2) == 0) ? found : mossy;
    if (pool.empty()) return {};
    return pool[BotRandom(static_cast<int>(pool.size()))];
}

// A path of resting items of one colour, each next to the one before.
std::vector<int> FindPath(int longest) {
    std::vector<std::vector<int>> found;
    static const int dx[4] = {CELL_SPACING, -CELL_SPACING, 0, 0};
    static const int dy[4] = {0, 0, CELL_SPACING, -CELL_SPACING};
    for (int i = 1; i <= BOARD_LAST_SLOT; i++) {
        int kind = items[i].kind;
        if (!IsColour(kind) || items[i].falling || items[i].cellIndex == 0) continue;
        std::vector<int> path{i};
        while (static_cast<int>(path.size()) < longest) {
            int last = path.back(), next = 0;
            for (int d = 0; d < 4 && next == 0; d++) {
                int n = RestingAt(items[last].x + dx[d], items[last].y + dy[d]);
                if (n == 0 || items[n].kind != kind) continue;
                bool used = false;
                for (int p : path) used = used || p == n;
                if (!used) next = n;
            }
            if (next == 0) break;
            path.push_back(next);
        }
        if (path.size() >= 3) found.push_back(path);
    }
    return PickPreferringMoss(found);
}

int LineThrough(int x, int y, int kind, int skipX, int skipY, int skipKind) {
    auto kindAt = [&](int px, int py) { return px == skipX && py == skipY ? skipKind : RestingKind(px, py); };
    int run = 1;
    for (int k = 1; k <= 2 && kindAt(x - CELL_SPACING * k, y) == kind; k++) run++;
    for (int k = 1; k <= 2 && kindAt(x + CELL_SPACING * k, y) == kind; k++) run++;
    if (run >= 3) return 1;
    run = 1;
    for (int k = 1; k <= 2 && kindAt(x, y - CELL_SPACING * k) == kind; k++) run++;
    for (int k = 1; k <= 2 && kindAt(x, y + CELL_SPACING * k) == kind; k++) run++;
    return run >= 3;
}

// A swap of two resting neighbours that makes a line at either place.
std::vector<int> FindSwap() {
    std::vector<std::vector<int>> found;
    for (int j = 1; j <= BOARD_LAST_SLOT; j++) {
        int a = items[j].kind;
        if (!IsColour(a) || items[j].falling || items[j].cellIndex == 0) continue;
        int partners[2] = {RestingAt(items[j].x + CELL_SPACING, items[j].y),
                           RestingAt(items[j].x, items[j].y + CELL_SPACING)};
        for (int b : partners) {
            if (b == 0 || !IsColour(items[b].kind) || items[b].kind == a) continue;
            int bk = items[b].kind;
            if (LineThrough(items[j].x, items[j].y, bk, items[b].x, items[b].y, a) ||
                LineThrough(items[b].x, items[b].y, a, items[j].x, items[j].y, bk)) {
                found.push_back({j, b});
            }
        }
    }
    return PickPreferringMoss(found);
}

}  // namespace

void SeedPlanner(uint32_t seed) {
    botState = seed * 2654435761u + 7u;
}

// Plans one move of the game mode frame by frame (press, drag, release);
// empty when it sees none.
static std::vector<TPlanStep> PlanMove(int mode) {
    std::vector<TPlanStep> plan;
    auto press = [&plan](int item, int frames) {
        for (int f = 0; f < frames; f++) plan.push_back({items[item].x, items[item].y, 1});
    };
    auto release = [&plan](int item) { plan.push_back({items[item].x, items[item].y, 0}); };
    if (mode == MODE_SWAP) {
        std::vector<int> pair = FindSwap();
        if (pair.empty()) return plan;
        press(pair[0], 1);
        release(pair[0]);
        press(pair[1], 1);
        release(pair[1]);
        return plan;
    }
    std::vector<int> path = FindPath(mode == MODE_CHAIN ? 3 + BotRandom(4) : 3);
    if (path.empty()) {
        int bomb = 0;
        for (int i = 1; i <= BOARD_LAST_SLOT && bomb == 0; i++) {
            if (items[i].kind == ITEM_BOMB && items[i].cellIndex > 0) bomb = i;
        }
        if (bomb == 0) return plan;
        path = {bomb};
    }
    if (mode == MODE_GROUP) {
        press(path[0], 1);
        release(path[0]);
        return plan;
    }
    for (int item : path) press(item, 2);
    release(path.back());
    return plan;
}

const TPlanStep* NextPlanStep(TPlanner& planner, int mode) {
    if (planner.next >= planner.plan.size()) {
        planner.plan.clear();
        planner.next = 0;
        if (++planner.rest > 12 && levelFrame > 160 && BoardStill()) {
            planner.plan = PlanMove(mode);
            planner.rest = 0;
        }
    }
    return planner.next < planner.plan.size() ? &planner.plan[planner.next++] : nullptr;
}

TReplayResult PlayAndRecord(TReplay& replay) {
    BoardStartReplay(replay);
    SeedPlanner(replay.seed);
    replay.inputs.clear();
    TPlanner planner;
    int lastX = -1, lastY = -1, lastDown = -1;
    for (int f = 1; f <= replay.frames; f++) {
        const TPlanStep* step = NextPlanStep(planner, replay.mode);
        int x = step ? step->x : std::max(lastX, 0), y = step ? step->y : std::max(lastY, 0);
        int down = step ? step->down : 0;
        if (x != lastX || y != lastY || down != lastDown) {
            replay.inputs.push_back({f, x, y, down});
            lastX = x;
            lastY = y;
            lastDown = down;
        }
        BoardPointer(x, y, down);
        BoardFrame();
    }
    TReplayResult result = ResultNow();
    replay.summaryScore = result.score;
    replay.summaryHash = result.hash;
    replay.hasSummary = 1;
    return result;
}
