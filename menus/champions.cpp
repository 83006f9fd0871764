// The champions list: the closing story enters the player's total, the list
// goes to "adchampions.ppp" (ten records of 20 bytes) and is read back at
// start-up, so a champion stays one from run to run; the information dialog
// shows it on a page of its own.
#include "menus/champions.h"

#include <cstdint>

#include "menus/dialogs.h"
#include "shell/pictures.h"
#include "shell/save_file.h"
#include "tables/champion_tables.h"
#include "tables/dialog_tables.h"
#include "tables/menu_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "text/text.h"

std::string ChampionsPath() {
    return saveFolder + "adchampions.ppp";
}

namespace {

int IntAt(const std::string& bytes, size_t at) {
    uint32_t v = 0;
    for (int b = 0; b < 4; b++) v |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + b])) << (8 * b);
    return static_cast<int>(v);
}

void PutInt(std::string& bytes, int value) {
    uint32_t v = static_cast<uint32_t>(value);
    for (int b = 0; b < 4; b++) bytes.push_back(static_cast<char>((v >> (8 * b)) & 0xFF));
}

}  // namespace

// A file of any other size than ten whole records is not trusted: the list
// starts empty and the next completion writes a sound one.
void LoadChampions() {
    ClearChampionTables();
    std::string path = ChampionsPath();
    if (FileSize(path) != CHAMPION_FILE_BYTES) return;
    TStream stream = OpenForRead(path);
    if (!stream) return;
    std::string bytes = ReadString(stream, CHAMPION_FILE_BYTES);
    int failed = StreamFailed(stream);
    Close(stream);
    if (failed || static_cast<int>(bytes.size()) != CHAMPION_FILE_BYTES) return;
    for (int place = 1; place <= CHAMPION_PLACES; place++) {
        size_t at = static_cast<size_t>(place - 1) * CHAMPION_RECORD_BYTES;
        champScore[place] = IntAt(bytes, at);
        champProgress[place] = IntAt(bytes, at + 4);
        std::u16string name;
        for (int i = 0; i < CHAMPION_NAME_BYTES; i++) name.push_back(static_cast<unsigned char>(bytes[at + 8 + i]));
        while (!name.empty() && name.back() == u' ') name.pop_back();
        champName[place] = name;
    }
}

void AddChampion() {
    if (playStarted == 1) {
        const TPlayerProfile& player = CurrentProfile();
        const int s = player.playerScore;
        int place = 0;
        // an equal score does not displace an older entry
        for (int i = 1; i <= CHAMPION_PLACES && place == 0; i++)
            if (champScore[i] < s) place = i;
        if (place > 0) {
            for (int i = CHAMPION_PLACES; i > place; i--) {
                champScore[i] = champScore[i - 1];
                champProgress[i] = champProgress[i - 1];
                champName[i] = champName[i - 1];
            }
            champScore[place] = s;
            champProgress[place] = player.playerProgress;
            champName[place] = player.playerName;
        }
    }
    SaveChampions();
}

// Names are padded with spaces to 12 bytes; a longer one is cut, so every
// record keeps its 20 bytes and the list reads back.
void SaveChampions() {
    std::string bytes;
    for (int place = 1; place <= CHAMPION_PLACES; place++) {
        PutInt(bytes, champScore[place]);
        PutInt(bytes, champProgress[place]);
        const std::u16string& name = champName[place];
        for (int i = 0; i < CHAMPION_NAME_BYTES; i++)
            bytes.push_back(i < static_cast<int>(name.size()) ? static_cast<char>(name[i] & 0xFF) : ' ');
    }
    std::string path = ChampionsPath();
    TStream stream = BeginSaveFile(path);
    if (stream) WriteString(stream, bytes);
    FinishSaveFile(stream, path);
}

// The places in the player list's frame and rows: the place, the name, the
// position reached and the total. Back goes to the information page again;
// Escape or Enter leave the dialog, as on every page.
void DrawChampionsPage() {
    SetDrawScale(1.0f, 1.0f);
    DrawPicture(mediumPopupImage, 512, 384);
    DrawPicture(playerMenuImage, 512, 374);
    DrawGlyphText(codeTexts[459], 512, 164.0f, ALIGN_CENTRE, FONT_HEAD);
    int rows = 0;
    for (int place = 1; place <= CHAMPION_PLACES; place++) {
        if (champScore[place] == 0 && champName[place].empty()) continue;   // an empty place
        rows++;
        const float y = static_cast<float>(30 * rows + 189);
        const int font = place == 1 ? FONT_NORMAL : FONT_HIGHLIGHT;   // the best one shines
        DrawGlyphText(TextFromInt(place) + ".", 312, y, ALIGN_RIGHT, font);
        DrawGlyphText(champName[place], 322, y, ALIGN_LEFT, font);
        DrawGlyphText(codeTexts[106] + " " + TextFromInt(champProgress[place]), 475, y, ALIGN_LEFT, font);
        DrawGlyphText(TextFromInt(champScore[place]) + " " + codeTexts[107], 730, y, ALIGN_RIGHT, font);
    }
    if (rows == 0) DrawDialogLine(461, 512, 354.0f);
    if (DialogButton(512, 569, 462)) dialogKind = DIALOG_INFO;
    else if ((keyEscape || keyEnter) && DialogFullyOpen()) CloseDialog();
}
