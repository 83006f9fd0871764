// The ten player profiles: reset, restart, rank, and their files
// "players<slot>.ppp", raw little-endian integers in a fixed order and the name.
#include "menus/profiles.h"

#include <cstdint>

#include "shell/save_file.h"
#include "tables/board_art_tables.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/level_tables.h"
#include "tables/map_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"

namespace {

// Byte-exact coding of one profile. Every field goes through Field(), so the
// writer and the reader walk the same order and cannot drift apart.
struct TProfileCoder {
    unsigned char* put = nullptr;           // writing
    const unsigned char* get = nullptr;     // reading

    void Field(int& value) {
        if (put) {
            uint32_t v = static_cast<uint32_t>(value);
            put[0] = static_cast<unsigned char>(v);
            put[1] = static_cast<unsigned char>(v >> 8);
            put[2] = static_cast<unsigned char>(v >> 16);
            put[3] = static_cast<unsigned char>(v >> 24);
            put += 4;
            return;
        }
        uint32_t v = get[0] | get[1] << 8 | get[2] << 16 | static_cast<uint32_t>(get[3]) << 24;
        get += 4;
        value = static_cast<int>(v);
    }
};

void CodeProfile(TProfileCoder& coder, TPlayerProfile& p) {
    // the player's counters and state
    int* head[] = {&p.playerGameMode, &p.spare1, &p.itemSet, &p.spare2, &p.spare3, &p.playerProgress,
                   &p.puzzlePending, &p.spare4, &p.savedLevelFlag, &p.spare5, &p.playerHelpSetting,
                   &p.playerRandomId, &p.spare6, &p.playerLevelSeconds, &p.spare7, &p.playerScore,
                   &p.playerUnlocked, &p.spare8, &p.spare9, &p.spare10, &p.spare11, &p.savedLevelScore,
                   &p.spare12, &p.spare13, &p.spare14, &p.spare15, &p.playerItemsCleared, &p.playerMossCleared,
                   &p.playerStonesCollected, &p.spare16, &p.spare17, &p.playerMatches};
    for (int* field : head) coder.Field(*field);
    // the spare table and the orders served
    for (int i = 1; i <= 30; i++) coder.Field(p.spareTable[i]);
    coder.Field(p.playerOrdersServed);
    coder.Field(p.spare18);
    // the saved fish
    for (int f = 1; f <= FISH_ORDERS_SAVED; f++) {
        TFishOrder& o = p.fishOrders[f];
        coder.Field(o.orderSize);
        coder.Field(o.orderX);
        coder.Field(o.orderY);
        coder.Field(o.orderAge);
        for (int w = 1; w <= WANTED_ITEMS; w++) {
            coder.Field(o.wanted[w].wantedKind);
            coder.Field(o.wanted[w].wantedServed);
            coder.Field(o.wanted[w].wantedSpare);
        }
        coder.Field(o.orderSpare1);
        coder.Field(o.orderSpare2);
        coder.Field(o.orderPreferred);
        coder.Field(o.fishKind);
        coder.Field(o.orderSpare3);
    }
    // the saved board
    for (int s = 1; s <= BOARD_LAST_SLOT; s++) {
        TSavedSlot& b = p.savedSlots[s];
        int* slot[] = {&b.savedIsMoss, &b.savedPillarCell, &b.savedStonePillarCell, &b.savedItemX,
                       &b.savedItemY, &b.savedItemKind, &b.savedItemSpare};
        for (int* field : slot) coder.Field(*field);
    }
    // the power-ups' targets
    for (int i = 1; i <= 7; i++) coder.Field(p.powerupTarget[i]);
    // the picture puzzle
    for (int i = 1; i < PUZZLE_PIECES; i++) {
        TPuzzlePiece& c = p.puzzlePieces[i];
        int* piece[] = {&c.targetX, &c.targetY, &c.x, &c.y, &c.spareA, &c.spareB,
                        &c.hoverGlow, &c.spareC, &c.lift, &c.motion, &c.placed};
        for (int* field : piece) coder.Field(*field);
    }
    coder.Field(p.firstPick);
    coder.Field(p.secondPick);
}

constexpr long PROFILE_INTEGERS = 2898;   // the name's length the last of them
constexpr long PROFILE_FIXED_BYTES = 4 * PROFILE_INTEGERS;
constexpr int NAME_LONGEST = 12;
constexpr int NAME_READ_LIMIT = 4096;

int IsNameEdge(char16_t c) { return c <= 32; }

std::u16string TrimName(const std::u16string& name) {
    size_t first = 0, last = name.size();
    while (first < last && IsNameEdge(name[first])) first++;
    while (last > first && IsNameEdge(name[last - 1])) last--;
    return name.substr(first, last - first);
}

std::string EncodeProfile(TPlayerProfile& player) {
    std::u16string name = TrimName(player.playerName);
    int length = static_cast<int>(name.size());
    std::string bytes(PROFILE_FIXED_BYTES + length, '\0');
    TProfileCoder coder;
    coder.put = reinterpret_cast<unsigned char*>(bytes.data());
    CodeProfile(coder, player);
    coder.Field(length);
    for (char16_t c : name) *coder.put++ = static_cast<unsigned char>(c & 0xFF);
    return bytes;
}

int Within(int value, int low, int high, int otherwise) {
    return value >= low && value <= high ? value : otherwise;
}

int Clamped(int value, int low, int high) {
    return value < low ? low : value > high ? high : value;
}

int SoundItemKind(int kind) {
    if (kind == ITEM_FLOOR) return kind;
    return Within(kind, 0, ITEM_STONE_LAST, 0);
}

// Every stored value that picks an entry of a table or a place on the screen
// is brought into its range, so a damaged file cannot make the game read or
// draw outside a table; everything else is kept as it was stored.
void BringIntoRange(TPlayerProfile& p) {
    p.playerGameMode = Within(p.playerGameMode, MODE_CHAIN, MODE_SWAP, MODE_SWAP);
    p.itemSet = Within(p.itemSet, 1, ITEM_SETS - 1, 1);
    p.playerProgress = Clamped(p.playerProgress, 0, MAP_POSITIONS);
    p.playerUnlocked = Clamped(p.playerUnlocked, 1, MAP_POSITIONS + 1);
    p.savedLevelFlag = p.savedLevelFlag != 0;
    p.puzzlePending = p.puzzlePending != 0;
    for (int f = 1; f <= FISH_ORDERS_SAVED; f++) {
        TFishOrder& o = p.fishOrders[f];
        o.orderSize = Within(o.orderSize, 0, 3, 0);
        o.orderX = Clamped(o.orderX, 0, SCREEN_WIDTH);
        o.orderY = Clamped(o.orderY, 0, SCREEN_HEIGHT);
        o.fishKind = Within(o.fishKind, 0, FISH_KINDS - 1, 1);
        for (int w = 1; w <= WANTED_ITEMS; w++) {
            // a wanted colour, or that colour plus 100 once its item has arrived
            int& kind = o.wanted[w].wantedKind;
            int arrivedKind = kind >= 100 ? kind - 100 : 0;   // no overflow below the smallest integer
            if (!IsLineKind(kind) && !IsLineKind(arrivedKind)) kind = 0;
        }
    }
    for (int s = 1; s <= BOARD_LAST_SLOT; s++) {
        TSavedSlot& b = p.savedSlots[s];
        b.savedIsMoss = b.savedIsMoss != 0;
        b.savedPillarCell = b.savedPillarCell != 0;
        b.savedStonePillarCell = b.savedStonePillarCell != 0;
        b.savedItemKind = SoundItemKind(b.savedItemKind);
        b.savedItemX = Clamped(b.savedItemX, -SCREEN_WIDTH, 2 * SCREEN_WIDTH);
        b.savedItemY = Clamped(b.savedItemY, -SCREEN_HEIGHT, 2 * SCREEN_HEIGHT);
    }
    for (int i = 1; i < PUZZLE_PIECES; i++) {
        TPuzzlePiece& c = p.puzzlePieces[i];
        c.targetX = Clamped(c.targetX, 0, SCREEN_WIDTH);
        c.targetY = Clamped(c.targetY, 0, SCREEN_HEIGHT);
        c.x = Clamped(c.x, -SCREEN_WIDTH, 2 * SCREEN_WIDTH);
        c.y = Clamped(c.y, -SCREEN_HEIGHT, 2 * SCREEN_HEIGHT);
        c.placed = c.placed != 0;
    }
    p.firstPick = Within(p.firstPick, 0, PUZZLE_PIECES - 1, 0);
    p.secondPick = Within(p.secondPick, 0, PUZZLE_PIECES - 1, 0);
}

}  // namespace

std::string ProfilePath(int slot) {
    return saveFolder + "players" + std::to_string(slot) + ".ppp";
}

int ReadProfileFile(const std::string& path, TPlayerProfile& player) {
    long size = FileSize(path);
    if (size < PROFILE_FIXED_BYTES) return 0;
    TStream stream = OpenForRead(path);
    if (!stream) return 0;
    std::string bytes = ReadString(stream, static_cast<int>(PROFILE_FIXED_BYTES));
    int failed = StreamFailed(stream) || static_cast<long>(bytes.size()) != PROFILE_FIXED_BYTES;
    TPlayerProfile read = player;
    int length = 0;
    if (!failed) {
        TProfileCoder coder;
        coder.get = reinterpret_cast<const unsigned char*>(bytes.data());
        CodeProfile(coder, read);
        coder.Field(length);
        if (length > 0 && static_cast<long>(length) > size - PROFILE_FIXED_BYTES) failed = 1;
    }
    // Only the first characters can survive the cut to 12 and the trim; a
    // long name is not read whole.
    std::string nameBytes;
    if (!failed && length > 0) nameBytes = ReadString(stream, length < NAME_READ_LIMIT ? length : NAME_READ_LIMIT);
    if (StreamFailed(stream)) failed = 1;
    Close(stream);
    if (failed) return 0;
    std::u16string name;
    for (unsigned char c : nameBytes) name.push_back(c);
    name = TrimName(name);
    if (name.size() > NAME_LONGEST) name = TrimName(name.substr(0, NAME_LONGEST));
    read.playerName = name;
    BringIntoRange(read);
    player = read;
    return 1;
}

namespace {

// A broken file is never thrown away: it goes aside under a name of its own
// that no earlier broken file holds. Gives that name, or "" when it could
// not be moved.
std::string KeepBrokenFile(const std::string& path) {
    if (PathKind(path) != 1) return "";
    std::string aside = path + ".broken";
    for (int n = 2; PathKind(aside) != 0; n++) aside = path + ".broken" + std::to_string(n);
    return RenameFile(path, aside) ? aside : "";
}

}  // namespace

void ReadProfiles() {
    LoadAllProfiles(firstRun);
}

// A save folder that holds no profile file yet (its settings written first,
// or the folder made by hand) is a first run for the ten slots: their files
// are made without a word. A file that went missing beside the others, or
// one that cannot be read whole, is reported on one line.
void LoadAllProfiles(int newFolder) {
    int anyFile = 0;
    for (int slot = 1; slot < PLAYER_SLOTS; slot++) anyFile |= PathKind(ProfilePath(slot)) != 0;
    if (newFolder == 1 || !anyFile) {
        for (int slot = 1; slot < PLAYER_SLOTS; slot++) {
            ResetProfile(slot);
            SaveProfile(slot);
        }
    }
    for (int slot = 1; slot < PLAYER_SLOTS; slot++) {
        std::string path = ProfilePath(slot);
        if (ReadProfileFile(path, players[slot])) continue;
        // One player's damaged file costs that player only: the slot starts
        // empty and the other nine are read as they are.
        int mayWrite = 1;
        if (PathKind(path) == 0) {
            PrintError("the profile " + path + " is missing; the slot starts empty");
        } else {
            std::string aside = KeepBrokenFile(path);
            // what cannot be moved aside is not written over either
            mayWrite = !aside.empty();
            PrintError("the profile " + path + " is damaged" +
                       (mayWrite ? "; kept as " + aside : " and cannot be moved aside") + "; the slot starts empty");
        }
        ResetProfile(slot);
        profileFileBytes[slot].clear();
        if (mayWrite) SaveProfile(slot);
    }
}

void SaveProfile(int slot) {
    if (slot < 1 || slot >= PLAYER_SLOTS) return;
    TPlayerProfile& player = players[slot];
    const int inPlay = gameScreen == SCREEN_MATCH3 && endingShown == 0 && slot == currentPlayer && playStarted == 1;
    // a level in progress
    if (inPlay && levelEndTimer == 0) {
        player.savedLevelFlag = 1;
        player.savedLevelScore = score;
        player.spare13 = 0;
        for (int s = 1; s <= BOARD_LAST_SLOT; s++) {
            TSavedSlot& saved = player.savedSlots[s];
            saved.savedIsMoss = cells[s].isMoss;
            saved.savedPillarCell = cells[s].pillarCell;
            saved.savedStonePillarCell = cells[s].stonePillarCell;
            saved.savedItemX = items[s].x;
            saved.savedItemY = items[s].y;
            saved.savedItemKind = items[s].kind;
            if (items[s].kind != 0) saved.savedItemSpare = -1;
        }
    }
    // the stage's picture puzzle in progress
    if (inPlay && levelEndTimer > 0 && levelEndTimer < LEVEL_DONE && player.playerProgress == stageEnd[currentStage])
        player.puzzlePending = 1;
    // the file, whole, unless it would get the very bytes it holds
    std::string bytes = EncodeProfile(player);
    if (!profileFileBytes[slot].empty() && profileFileBytes[slot] == bytes) return;
    std::string path = ProfilePath(slot);
    TStream stream = BeginSaveFile(path);
    if (stream) WriteString(stream, bytes);
    if (FinishSaveFile(stream, path)) profileFileBytes[slot] = bytes;
    else profileFileBytes[slot].clear();
}

// What a new game starts without: the counters, the fish, the saved board
// and the charged power-ups.
static void ClearPlayRecords(TPlayerProfile& p) {
    p.playerItemsCleared = p.playerMossCleared = p.playerStonesCollected = p.spare16 = p.spare17 = 0;
    p.playerMatches = 2;
    for (int& spare : p.spareTable) spare = 0;
    p.playerOrdersServed = p.spare18 = 0;
    for (TFishOrder& order : p.fishOrders) order = TFishOrder{};
    for (TSavedSlot& saved : p.savedSlots) saved = TSavedSlot{};
    for (int& target : p.powerupTarget) target = 0;
}

void ResetProfile(int slot) {
    if (slot < 1 || slot >= PLAYER_SLOTS) return;
    TPlayerProfile& p = players[slot];
    p.playerGameMode = MODE_SWAP;
    p.spare1 = p.itemSet = p.spare2 = p.spare3 = 1;
    p.playerProgress = p.puzzlePending = p.spare4 = p.savedLevelFlag = 0;
    p.spare5 = 1;
    p.playerHelpSetting = 3;
    p.playerRandomId = -9999;
    p.spare6 = p.playerLevelSeconds = 0;
    p.spare7 = 1;
    p.playerScore = 0;
    p.playerUnlocked = p.spare8 = 1;
    p.spare9 = p.spare10 = p.spare11 = p.savedLevelScore = p.spare12 = p.spare13 = p.spare14 = p.spare15 = 0;
    ClearPlayRecords(p);
    p.playerName.clear();
}

void RestartProfile(int slot) {
    if (slot < 1 || slot >= PLAYER_SLOTS) return;
    TPlayerProfile& p = players[slot];
    // A player who reached the last stages keeps the score into the new game.
    if (p.playerProgress < 100) p.playerScore = 0;
    p.playerProgress = p.puzzlePending = p.savedLevelFlag = 0;
    p.playerHelpSetting = 3;
    p.spare6 = p.playerLevelSeconds = 0;
    p.playerUnlocked = p.spare8 = 1;
    p.spare9 = p.savedLevelScore = p.spare13 = 0;
    ClearPlayRecords(p);
}

void SortPlayers() {
    for (int i = 1; i < PLAYER_SLOTS; i++) playerOrder[i] = i;
    for (int pass = 1; pass <= 10; pass++) {
        for (int j = 1; j <= 9; j++) {
            if (players[playerOrder[j]].playerScore < players[playerOrder[j + 1]].playerScore) {
                int kept = playerOrder[j];
                playerOrder[j] = playerOrder[j + 1];
                playerOrder[j + 1] = kept;
            }
        }
    }
}

int NewPlayerSlot() {
    if (currentPlayer < 1) return 1;   // an installation's first player
    for (int slot = 1; slot < PLAYER_SLOTS; slot++)
        if (players[slot].playerName.empty()) return slot;
    return 0;
}

void DeletePlayer(int slot) {
    if (slot < 1 || slot >= PLAYER_SLOTS) return;
    ResetProfile(slot);
    SaveProfile(slot);
    currentPlayer = -1;
    for (int s = 1; s < PLAYER_SLOTS && currentPlayer == -1; s++)
        if (!players[s].playerName.empty()) currentPlayer = s;
}
