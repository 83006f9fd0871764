// The dialog layer and its small dialogs: the fade every dialog shares, the
// dispatcher of the dialog kinds, quitting, information (and the way to the
// champions), map help, the continue-or-restart questions and the in-game menu.
#include "menus/dialogs.h"

#include "audio/audio.h"
#include "map/map.h"
#include "map/puzzle.h"
#include "menus/champions.h"
#include "menus/menu.h"
#include "menus/profiles.h"
#include "shell/pictures.h"
#include "shell/screen_change.h"
#include "shell/settings.h"
#include "tables/dialog_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "text/text.h"

namespace {

constexpr int SLOW_FRAME_RATE = 28;   // below it dialogs open and close at once

// Escape or Enter, once the dialog is fully open.
int KeyConfirms() {
    return (keyEscape || keyEnter) && DialogFullyOpen();
}

void DrawQuitDialog() {
    SmallDialogLayout(1);
    DrawDialogLine(2, 512, 314.0f);
    DrawDialogLine(3, 512, 354.0f);
    if (DialogButton(427, 494, 4) || (keyEscape && DialogFullyOpen())) CloseDialog();
    if (DialogButton(597, 494, 5) || (keyEnter && DialogFullyOpen())) {
        if (currentPlayer > -1) SaveProfile(currentPlayer);
        StopMusic();
        BeginScreenChange(SCREEN_QUIT, 0);
    }
}

// A page of lines under a heading with one OK button.
void DrawTextPage(int heading, int firstText, const int* lineY, int lines) {
    MediumDialogLayout(heading);
    for (int i = 0; i < lines; i++) DrawDialogLine(firstText + i, 512, static_cast<float>(lineY[i]));
    if (DialogButton(512, 584, 5) || KeyConfirms()) CloseDialog();
}

// The information page leads on to the champions list beside its OK.
void DrawInfoDialog() {
    static const int lineY[] = {264, 294, 344, 374, 424, 454};
    MediumDialogLayout(131);
    for (int i = 0; i < 6; i++) DrawDialogLine(132 + i, 512, static_cast<float>(lineY[i]));
    if (DialogButton(427, 584, 460)) dialogKind = DIALOG_CHAMPIONS;
    if (DialogButton(597, 584, 5) || KeyConfirms()) CloseDialog();
}

void DrawMapHelp() {
    static const int lineY[] = {239, 269, 299, 339, 369, 399, 429, 469, 499};
    DrawTextPage(331, 332, lineY, 9);
}

void DrawContinueDialog() {
    SetDrawScale(1.0f, 1.0f);
    DrawPicture(smallPopupImage, 512, 369);
    DrawGlyphText(codeTexts[9], 512, 199.0f, ALIGN_CENTRE, FONT_HEAD);
    DrawDialogLine(10, 512, 284.0f);
    DrawDialogLine(11, 512, 329.0f);
    if (DialogButton(427, 494, 13)) dialogKind = DIALOG_RESTART;
    if (DialogButton(597, 494, 12)) {
        playStarted = 1;
        mapPosition = CurrentProfile().playerProgress;
        BeginScreenChange(SCREEN_MAP, 0);
    }
    if (DialogButton(512, 429, 4) || KeyConfirms()) CloseDialog();
}

void DrawRestartDialog() {
    SmallDialogLayout(380);
    DrawDialogLine(381, 512, 304.0f);
    DrawDialogLine(382, 512, 349.0f);
    if (DialogButton(427, 494, 383)) {
        playStarted = 1;
        RestartProfile(currentPlayer);
        BeginScreenChange(SCREEN_STORY, 0);
    }
    if (DialogButton(597, 494, 384) || KeyConfirms()) dialogKind = DIALOG_CONTINUE;
}

void DrawGameMenu() {
    SmallDialogLayout(59);
    if (DialogButton(432, 354, 54)) {
        helpPage = 1;
        if (puzzleRewardKind == 0) {
            helpNavigation = 1;
            dialogKind = DIALOG_HELP;
        } else {
            dialogKind = DIALOG_PUZZLE_HELP;
        }
    }
    if (DialogButton(592, 354, 55)) dialogKind = DIALOG_OPTIONS;
    if (DialogButton(592, 424, 56)) {
        SaveProfile(currentPlayer);
        BeginScreenChange(SCREEN_MENU, 0);
    }
    if (DialogButton(432, 424, 342)) {
        SaveProfile(currentPlayer);
        BeginScreenChange(SCREEN_MAP, 0);
    }
    if (DialogButton(512, 494, 124)) {
        CloseDialog();
        pauseOverlay = -1;
    }
}

void DrawDialogOfKind() {
    switch (dialogKind) {
    case DIALOG_QUIT: DrawQuitDialog(); break;
    case DIALOG_OPTIONS: DrawOptionsDialog(); break;
    case DIALOG_INFO: DrawInfoDialog(); break;
    case DIALOG_CHAMPIONS: DrawChampionsPage(); break;
    case DIALOG_PLAYERS: DrawPlayerList(); break;
    case DIALOG_NEW_PLAYER: DrawNewPlayerDialog(); break;
    case DIALOG_DELETE_PLAYER: DrawDeletePlayerDialog(); break;
    case DIALOG_CONTINUE: DrawContinueDialog(); break;
    case DIALOG_MAP_HELP: DrawMapHelp(); break;
    case DIALOG_GAME_MENU: DrawGameMenu(); break;
    case DIALOG_RESTART: DrawRestartDialog(); break;
    case DIALOG_HELP: DrawHelpPages(); break;
    case DIALOG_PUZZLE_HELP: DrawPuzzleHelp(); break;
    case DIALOG_PUZZLE_DONE: DrawPuzzleDone(); break;
    case DIALOG_STAGE_POPUP: DrawStagePopup(); break;
    default: break;
    }
}

}  // namespace

int DialogFullyOpen() {
    return dialogOpenLevel == DIALOG_FULLY_OPEN;
}

int DialogButton(int x, int y, int text) {
    return DrawButton(x, y, 3, LAYER_DIALOG, codeTexts[text]) == 3;
}

void SmallDialogLayout(int heading) {
    SetDrawScale(1.0f, 1.0f);
    DrawPicture(smallPopupImage, 512, 369);
    DrawGlyphText(codeTexts[heading], 512, 197.0f, ALIGN_CENTRE, FONT_HEAD);
}

void MediumDialogLayout(int heading) {
    SetDrawScale(1.0f, 1.0f);
    DrawPicture(mediumPopupImage, 512, 404);
    DrawGlyphText(codeTexts[heading], 512, 184.0f, ALIGN_CENTRE, FONT_HEAD);
}

void DrawDialogLine(int text, int x, float y) {
    DrawGlyphText(codeTexts[text], x, y, ALIGN_CENTRE, FONT_TEXT);
}

void OpenDialog(int kind) {
    if (kind == DIALOG_PLAYERS) SortPlayers();
    if (kind == DIALOG_QUIT) {
        if (gameScreen > 0 && currentPlayer > -1) SaveProfile(currentPlayer);
        SaveSettings(0);
    }
    soundDragging = 0;
    musicDragging = 0;
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
    if (framesPerSecond < SLOW_FRAME_RATE && dialogOpenLevel > 0) {
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
