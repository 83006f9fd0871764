// The main menu until its buttons are built: the set-up is the real one, the
// frame shows the background and the logo, and no button reacts yet.
#include "audio/audio.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "shell/assets.h"
#include "shell/screen_change.h"
#include "tables/shell_tables.h"

void EnterMainMenu() {
    prevScreen = gameScreen;
    if (gameScreen != SCREEN_TITLE && gameScreen != SCREEN_MAP) LoadBackgroundImage();
    if (prevScreen != SCREEN_TITLE) {
        FreeMenuArt();
        LoadMenuArt();
    }
    if (customPointer == -1) ShowPointer();
    inputEnabled = 1;
    dialogOpenLevel = 0;
    pauseOverlay = -1;
    if (gameScreen != SCREEN_MAP && gameScreen != SCREEN_TITLE) {
        musicLevel = 0;
        PlayMusic("titel.ogg");
    }
    if (gameScreen != SCREEN_TITLE) StartFadeIn();
    gameScreen = SCREEN_MENU;
}

void RunMainMenu() {
    SetColor(fadeLevel, fadeLevel, fadeLevel);
    SetBlend(BLEND_SOLID);
    DrawPicture(screenBackground, 0, 0);
    SetBlend(BLEND_ALPHA);
    SetAlpha(1.0f);
    logoY += (200.0f - logoY) * 0.05f;
    logoX += (512.0f - logoX) * 0.05f;
    DrawPicture(logoImage, logoX, logoY);
    inputLayer = dialogOpenLevel > 0 ? LAYER_DIALOG : LAYER_SCREEN;
    RunDialogs();
}

int DrawButton(int, int, int, int, const std::string&) {
    return 0;
}
