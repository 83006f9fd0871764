#include "shell/title.h"

#include "audio/audio.h"
#include "effects/effects.h"
#include "map/story.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "shell/pictures.h"
#include "shell/screen_change.h"
#include "shell/splash.h"
#include "tables/shell_tables.h"
#include "text/text.h"

void EnterTitle() {
    HidePointer();
    titleFrame = 0;
    loadBarY = 1068;
    LoadSounds();
    PlayMusic("titel.ogg");
    gameScreen = SCREEN_TITLE;
    StartFadeIn();
}

// Glows rise from the bottom corners: two tries a frame, each one in two.
static void SpawnTitleGlows() {
    if (RandomInt(1, 2) == 1) {
        int r = RandomInt(1, 400);
        SpawnGlow(static_cast<float>(r), 768, RandomInt(300, 1500 - r), 9);
    }
    if (RandomInt(1, 2) == 1) {
        int r = RandomInt(1, 400);
        SpawnGlow(static_cast<float>(1024 - r), 768, RandomInt(300, 1500 - r), 9);
    }
    UpdateGlows(1.0f);
}

// The logo fades in from frame 41, settles at 245, then rises toward 200.
static void DrawTitleLogo(int f) {
    if (f == 40) logoY = 235.0f;
    if (f < 380) {
        logoY = logoY - (logoY - 245.0f) * 0.05f;
        logoX = 512.0f;
    } else {
        logoY = logoY - (logoY - 200.0f) * 0.05f;
        logoX = logoX - (logoX - 512.0f) * 0.05f;
    }
    SetAlpha((f - 40) * 0.02f);
    DrawPicture(logoImage, logoX, logoY);
    SetAlpha(1.0f);
    SetDrawScale(1.0f, 1.0f);
}

// The bar slides up, fills one 2-pixel column a frame with its end lit, and
// slides away again.
static void DrawLoadingBar(int f) {
    if (f > 150 && f <= 320) loadBarY = static_cast<int>(loadBarY - (loadBarY - 743) * 0.1);
    else if (f > 320) loadBarY += 5;
    DrawPicture(lowerBarImage, 512, static_cast<float>(loadBarY - 17));
    DrawPicture(loadBarImage, 512, static_cast<float>(loadBarY + 3));
    int n = f - 150;
    if (n < 0) n = 0;
    if (n > 148) n = 148;
    for (int i = 1; i <= n; i++) {
        float x = static_cast<float>(364 + 2 * i), y = static_cast<float>(loadBarY - 6);
        DrawPictureFrame(loadFillImage, x, y, i, 147);
        if (i == n) {
            SetBlend(BLEND_LIGHT);
            DrawPictureFrame(loadFillImage, x, y, i, 147);
            SetBlend(BLEND_ALPHA);
        }
    }
    DrawGlyphText(codeTexts[26], 512, static_cast<float>(loadBarY - 21), ALIGN_CENTRE, FONT_NORMAL);
}

// The menu is the first screen that reads the mouse. Presses and keys made
// while nothing read them (the pages, the title, their fades) are dropped, as
// every screen change drops them, so they do not reach the menu's first frame.
static void HandOverToMenu() {
    ClearKeys();
    FreeSplashImages();
    endingShown = 0;
    FreeImage(loadBackImage);
    FreeImage(loadFillImage);
    FreeImage(loadBarImage);
    EnterMainMenu();
}

void RunTitleScreen() {
    int f = titleFrame;
    if (f > 410) {
        SetBlend(BLEND_SOLID);
        DrawPicture(screenBackground, 0, 0);
    }
    SetBlend(BLEND_ALPHA);
    SetAlpha(f > 410 ? (430 - f) * 0.05f : 1.0f);
    DrawPicture(loadBackImage, 0, 0);
    DrawTitleRays();
    SetAlpha(1.0f);
    titleFrame++;
    f = titleFrame;
    SpawnTitleGlows();
    DrawTitleLogo(f);
    DrawLoadingBar(f);
    if (keyF3 == 1) developerMode = 1;
    // The close box's question is asked over the title too (the menu's set-up
    // closes it if the title hands over first).
    inputLayer = dialogOpenLevel > 0 ? LAYER_DIALOG : LAYER_SCREEN;
    RunDialogs();
    if (f == 430) HandOverToMenu();
}
