// The dialog layer and the dialogs the game screen and the shell need: the
// quit question, the in-game menu, and a plain notice for every dialog whose
// own page is still to come, so no dialog can ever leave the player stuck.
#include "menus/dialogs.h"

#include "audio/audio.h"
#include "map/map.h"
#include "map/puzzle.h"
#include "menus/menu.h"
#include "menus/profiles.h"
#include "shell/shell.h"
#include "tables/dialog_tables.h"
#include "tables/game_tables.h"
#include "tables/shell_tables.h"
#include "text/text.h"

namespace {

enum {
    DIALOG_QUIT = 99,
    DIALOG_OPTIONS = 100,
    DIALOG_GAME_MENU = 298,
    DIALOG_PUZZLE_HELP = 445,
    DIALOG_PUZZLE_DONE = 446,
    DIALOG_HELP = 447,
    DIALOG_STAGE_POPUP = 551,
};

int FullyOpen() {
    return dialogOpenLevel == DIALOG_FULLY_OPEN;
}

int Clicked(int x, int y, int text) {
    return DrawButton(x, y, 3, LAYER_DIALOG, codeTexts[text]) == 3;
}

void SmallLayout(int heading) {
    SetDrawScale(1.0f, 1.0f);
    if (smallPopupImage) PaintImage(smallPopupImage, 512, 369, 0);
    DrawGlyphText(codeTexts[heading], 512, 197.0f, ALIGN_CENTRE, FONT_HEAD);
}

void DrawQuitDialog() {
    SmallLayout(1);
    DrawGlyphText(codeTexts[2], 512, 314.0f, ALIGN_CENTRE, FONT_TEXT);
    DrawGlyphText(codeTexts[3], 512, 354.0f, ALIGN_CENTRE, FONT_TEXT);
    if (Clicked(427, 494, 4) || (keyEscape && FullyOpen())) CloseDialog();
    if (Clicked(597, 494, 5) || (keyEnter && FullyOpen())) {
        if (currentPlayer > -1) SaveProfile(currentPlayer);
        StopMusic();
        BeginScreenChange(SCREEN_QUIT, 0);
    }
}

void DrawGameMenu() {
    SmallLayout(59);
    if (Clicked(432, 354, 54)) {
        helpPage = 1;
        if (puzzleRewardKind == 0) {
            helpNavigation = 1;
            dialogKind = DIALOG_HELP;
        } else {
            dialogKind = DIALOG_PUZZLE_HELP;
        }
    }
    if (Clicked(592, 354, 55)) dialogKind = DIALOG_OPTIONS;
    if (Clicked(592, 424, 56)) {
        SaveProfile(currentPlayer);
        BeginScreenChange(SCREEN_MENU, 0);
    }
    if (Clicked(432, 424, 342)) {
        SaveProfile(currentPlayer);
        BeginScreenChange(SCREEN_MAP, 0);
    }
    if (Clicked(512, 494, 124)) {
        CloseDialog();
        pauseOverlay = -1;
    }
}

// A dialog whose page is not drawn yet still shows and closes.
void DrawNotice() {
    SetDrawScale(1.0f, 1.0f);
    if (mediumPopupImage) PaintImage(mediumPopupImage, 512, 404, 0);
    if (Clicked(512, 584, 5) || ((keyEscape || keyEnter) && FullyOpen())) CloseDialog();
}

void DrawDialogOfKind() {
    switch (dialogKind) {
    case DIALOG_QUIT: DrawQuitDialog(); break;
    case DIALOG_GAME_MENU: DrawGameMenu(); break;
    case DIALOG_HELP: DrawHelpPages(); break;
    case DIALOG_PUZZLE_HELP: DrawPuzzleHelp(); break;
    case DIALOG_PUZZLE_DONE: DrawPuzzleDone(); break;
    case DIALOG_STAGE_POPUP: DrawStagePopup(); break;
    default: DrawNotice(); break;
    }
}

}  // namespace

void OpenDialog(int kind) {
    if (kind == DIALOG_QUIT) {
        if (gameScreen > 0 && currentPlayer > -1) SaveProfile(currentPlayer);
        SaveSettings(0);
    }
    PlaySound(5, 512);
    dialogOpenLevel = 1;
    dialogDirection = DIALOG_OPENING;
    dialogKind = kind;
}

void CloseDialog() {
    dialogDirection = DIALOG_CLOSING;
}

void RunDialogs() {
    const float alpha = CurrentAlpha();
    if (dialogOpenLevel == 0) dialogKind = 0;
    int drawn = dialogOpenLevel > 0;
    // A slow machine opens and closes dialogs at once.
    if (framesPerSecond < 28 && dialogOpenLevel > 0) {
        if (dialogDirection == DIALOG_OPENING && dialogOpenLevel < DIALOG_FULLY_OPEN) {
            dialogOpenLevel = DIALOG_FULLY_OPEN;
        } else if (dialogDirection == DIALOG_CLOSING) {
            dialogOpenLevel = 0;
            pauseOverlay = -1;
            drawn = 0;
        }
    }
    if (dialogOpenLevel > 0) {
        if (dialogDirection == DIALOG_OPENING) {
            if (dialogOpenLevel < DIALOG_FULLY_OPEN) dialogOpenLevel++;
        } else {
            dialogOpenLevel--;
            if (dialogOpenLevel == 0) pauseOverlay = -1;
        }
    }
    if (drawn) {
        SetAlpha(alpha * dialogOpenLevel * 0.0625f);
        DrawDialogOfKind();
    }
    SetAlpha(alpha);
}
