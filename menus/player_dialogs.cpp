// The dialogs of the players: the list to choose from, the name entry of a
// new player and the question before a player is deleted.
#include "audio/audio.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "menus/profiles.h"
#include "shell/assets.h"
#include "shell/settings.h"
#include "tables/dialog_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "text/text.h"

namespace {

constexpr int PLAYER_COUNT = 10;          // slots 1..10
constexpr int NAME_CHARACTERS = 12;       // the longest name
constexpr int NAME_PIXELS = 140;          // a name stops growing at this width
constexpr int CARET_PERIOD = 12;          // frames of one blink of the caret

// Leading and trailing characters with codes 0 to 32 removed.
std::u16string TrimBlanks(const std::u16string& text) {
    size_t first = 0, last = text.size();
    while (first < last && text[first] <= 32) first++;
    while (last > first && text[last - 1] <= 32) last--;
    return text.substr(first, last - first);
}

// Goes on with the dialog of this kind at once, without a second fade.
void ShowAtOnce(int kind) {
    OpenDialog(kind);
    dialogOpenLevel = DIALOG_FULLY_OPEN;
}

void DrawPlayerRow(int k, int slot) {
    const TPlayerProfile& player = players[slot];
    const float y = static_cast<float>(30 * k + 189);
    const int current = slot == currentPlayer;
    if (current) DrawPicture(playerBarImage, 512, static_cast<float>(30 * k + 207));
    const int hovered = mouseX > 300 && mouseX < 600 && mouseY > y && mouseY < 30 * k + 212;
    // The chosen player's row is bright; a hovered row brightens on top.
    for (int pass = 0; pass < (hovered ? 2 : 1); pass++) {
        const int font = current || pass == 1 ? FONT_NORMAL : FONT_HIGHLIGHT;
        DrawGlyphText(player.playerName, 290, y, ALIGN_LEFT, font);
        DrawGlyphText(codeTexts[106] + " " + TextFromInt(player.playerUnlocked), 475, y, ALIGN_LEFT, font);
        DrawGlyphText(TextFromInt(player.playerScore) + " " + codeTexts[107], 730, y, ALIGN_RIGHT, font);
    }
    // The rows answer whenever the list is drawn, even while it fades.
    if (hovered && mouseHitLeft == 1) {
        mouseHitLeft = 0;
        currentPlayer = slot;
    }
}

// Enter or OK: the name is tidied and the new player saved.
void FinishEntry() {
    FinishName();
    nameLength = 0;
    SaveSettings(0);
    SaveProfile(currentPlayer);
    creatingFirstPlayer = 0;
    CloseDialog();
    PlaySound(21, 512);
}

void TakeTypedCharacter() {
    const int code = NextTypedChar();
    if (code <= 0) return;
    std::u16string& name = CurrentProfile().playerName;
    if (code == 8) {
        if (!name.empty()) name.pop_back();
        nameLength = static_cast<int>(name.size());
    } else if (code == 13) {
        FinishEntry();
    } else if (TextPixelWidth(name, FONT_NORMAL) < NAME_PIXELS && nameLength < NAME_CHARACTERS) {
        // Every code is taken, also those the fonts cannot draw.
        name.push_back(static_cast<char16_t>(code));
        nameLength++;
    }
}

}  // namespace

int FinishName() {
    std::u16string& name = CurrentProfile().playerName;
    if (TrimBlanks(name).empty()) name = WidenLatin1(codeTexts[111]);
    name = TrimBlanks(name);
    return 1;
}

void DrawPlayerList() {
    SetDrawScale(1.0f, 1.0f);
    DrawPicture(mediumPopupImage, 512, 384);
    DrawPicture(playerMenuImage, 512, 374);
    DrawGlyphText(codeTexts[23], 512, 164.0f, ALIGN_CENTRE, FONT_HEAD);
    int rows = 0;
    for (int i = 1; i <= PLAYER_COUNT; i++) {
        const int slot = playerOrder[i];
        if (slot < 1 || slot > PLAYER_COUNT || players[slot].playerName.empty()) continue;
        rows++;
        DrawPlayerRow(rows, slot);
    }
    if (DialogButton(512, 569, 5) || ((keyEscape || keyEnter) && DialogFullyOpen())) {
        SaveSettings(0);
        LoadBackgroundImage();
        CloseDialog();
    }
    if (DrawButton(353, 569, 3, rows < PLAYER_COUNT ? LAYER_DIALOG : -1, codeTexts[24]) == 3) {
        int slot = 1;
        while (slot < PLAYER_COUNT && !players[slot].playerName.empty()) slot++;
        previousPlayer = currentPlayer;
        currentPlayer = slot;
        players[slot].playerName.clear();
        nameLength = 0;
        players[slot].playerRandomId = RandomInt(0, 100000);
        ShowAtOnce(DIALOG_NEW_PLAYER);
    }
    if (DialogButton(671, 569, 25)) ShowAtOnce(DIALOG_DELETE_PLAYER);
}

void DrawNewPlayerDialog() {
    SmallDialogLayout(21);
    DrawDialogLine(22, 512, 294.0f);
    TakeTypedCharacter();
    DrawPicture(createPlayerImage, 512, 384);
    if (currentPlayer >= 0) {
        const int caretShown = fadeState == FADE_IN && frameCount % CARET_PERIOD < CARET_PERIOD / 2;
        DrawGlyphText(CurrentProfile().playerName + (caretShown ? u"_" : u""), 392, 369.0f, ALIGN_LEFT, FONT_NORMAL);
    }
    if (DialogButton(422, 494, 4)) {
        CurrentProfile().playerName.clear();
        if (creatingFirstPlayer == 1) {
            currentPlayer = -1;
            previousPlayer = -1;
            creatingFirstPlayer = 0;
            CloseDialog();
        } else {
            currentPlayer = previousPlayer;
            SaveSettings(0);
            ShowAtOnce(DIALOG_PLAYERS);
        }
    }
    if (DialogButton(602, 494, 5)) {
        FinishEntry();
        LoadBackgroundImage();
    }
}

void DrawDeletePlayerDialog() {
    SmallDialogLayout(25);
    DrawDialogLine(31, 512, 289.0f);
    DrawDialogLine(32, 512, 329.0f);
    DrawGlyphText(CurrentProfile().playerName, 512, 379.0f, ALIGN_CENTRE, FONT_NORMAL);
    if (DialogButton(422, 494, 4)) ShowAtOnce(DIALOG_PLAYERS);
    if (DialogButton(602, 494, 5)) {
        ResetProfile(currentPlayer);
        SaveProfile(currentPlayer);
        int next = 1;
        while (next <= PLAYER_COUNT && players[next].playerName.empty()) next++;
        if (next <= PLAYER_COUNT) {
            currentPlayer = next;
            ShowAtOnce(DIALOG_PLAYERS);
        } else {
            currentPlayer = -1;
            CloseDialog();
        }
        SaveSettings(0);
    }
}
