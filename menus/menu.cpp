// The main menu: the hub between the title and the game. It greets the
// current player, floats the play button over the deep and hosts the dialogs
// of the players, the options, the information and quitting.
#include "menus/menu.h"

#include "shell/pictures.h"

#include "audio/audio.h"
#include "effects/effects.h"
#include "map/map.h"
#include "map/story.h"
#include "menus/dialogs.h"
#include "menus/profiles.h"
#include "shell/assets.h"
#include "shell/pictures.h"
#include "shell/screen_change.h"
#include "tables/dialog_tables.h"
#include "tables/effect_tables.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "text/text.h"

namespace {

constexpr int BOTTOM_ROW_Y = 741;
constexpr float FRAME_FADE_STEP = 0.05f;     // the frame and the bottom row fade in over 20 frames
constexpr float PLAY_FADE_STEP = 0.03125f;   // the play button over 32 frames

// Fewer fish swim by when the machine cannot keep up.
int FlyerCap() {
    if (framesPerSecond >= 30) return 10;
    if (framesPerSecond >= 20) return 5;
    return 2;
}

void TryFlyer(int firstKind, int lastKind, int fromLeft) {
    if (RandomInt(1, 200) != 1) return;
    const int kind = RandomInt(firstKind, lastKind);
    const int x = fromLeft ? RandomInt(-200, -100) : RandomInt(1100, 1200);
    SpawnFlyer(static_cast<float>(x), static_cast<float>(RandomInt(200, 600)), static_cast<float>(RandomInt(7, 10)),
               kind);
}

// The border fades in over the first frames; the right half is the left one mirrored.
void DrawMenuFrame() {
    SetBlend(BLEND_ALPHA);
    SetAlpha(menuFrame * FRAME_FADE_STEP < 1.0f ? menuFrame * FRAME_FADE_STEP : 1.0f);
    DrawMirroredFrame(menuBorderLeft, menuBorderTop, menuBorderBottom, 100, 678);
    SetAlpha(1.0f);
}

// With no player chosen the play and players buttons start the first one.
void StartFirstPlayer() {
    currentPlayer = 1;
    players[1].playerName.clear();
    nameLength = 0;
    creatingFirstPlayer = 1;
    OpenDialog(DIALOG_NEW_PLAYER);
}

void PressPlay() {
    PlaySound(13, 400);
    if (currentPlayer < 0) {
        StartFirstPlayer();
    } else if (CurrentProfile().playerProgress == 0) {
        playStarted = 1;
        BeginScreenChange(SCREEN_STORY, 0);
    } else {
        OpenDialog(DIALOG_CONTINUE);
    }
}

void DrawBottomRow() {
    SetAlpha(menuFrame * FRAME_FADE_STEP < 1.0f ? menuFrame * FRAME_FADE_STEP : 1.0f);
    if (DrawButton(88, BOTTOM_ROW_Y, 3, LAYER_SCREEN, codeTexts[6]) == 3) {
        if (currentPlayer < 0) {
            PlaySound(13, 512);
            StartFirstPlayer();
        } else {
            OpenDialog(DIALOG_PLAYERS);
        }
    }
    if (DrawButton(244, BOTTOM_ROW_Y, 3, LAYER_SCREEN, codeTexts[55]) == 3) OpenDialog(DIALOG_OPTIONS);
    if (DrawButton(780, BOTTOM_ROW_Y, 3, LAYER_SCREEN, codeTexts[57]) == 3) OpenDialog(DIALOG_INFO);
    if (DrawButton(936, BOTTOM_ROW_Y, 3, LAYER_SCREEN, codeTexts[61]) == 3) OpenDialog(DIALOG_QUIT);
    SetAlpha(1.0f);
}

}  // namespace

void SpawnMenuFlyers() {
    if (fishCount >= FlyerCap()) return;
    TryFlyer(7, 8, 1);
    TryFlyer(7, 8, 0);
    TryFlyer(13, 16, 1);
    TryFlyer(13, 16, 0);
}

// Glows rise from both bottom corners; those born nearer the middle live shorter.
void SpawnMenuGlows() {
    if (RandomInt(1, 2) == 1) {
        const int e = RandomInt(1, 400);
        SpawnGlow(static_cast<float>(e), 768.0f, RandomInt(300, 1500 - e), 9);
    }
    if (RandomInt(1, 2) == 1) {
        const int e = RandomInt(1, 400);
        SpawnGlow(static_cast<float>(1024 - e), 768.0f, RandomInt(300, 1500 - e), 9);
    }
    UpdateGlows(1.0f);
}

void DrawWelcomeLine(int x, int y) {
    const std::u16string name = currentPlayer >= 0 ? CurrentProfile().playerName : WidenLatin1(codeTexts[8]);
    DrawGlyphText(WidenLatin1(codeTexts[7] + " ") + name, x, static_cast<float>(y - 20), ALIGN_CENTRE, FONT_NORMAL);
}

void EnterMainMenu() {
    prevScreen = gameScreen;
    if (gameScreen != SCREEN_TITLE && gameScreen != SCREEN_MAP) LoadBackgroundImage();
    if (prevScreen != SCREEN_TITLE) FreeMenuArt();
    if (prevScreen == SCREEN_MAP) FreeMapArt();
    if (prevScreen == SCREEN_MATCH3) FreeImage(levelBackgroundImage);
    if (prevScreen != SCREEN_TITLE) LoadMenuArt();
    if (customPointer == -1) ShowPointer();
    playButtonAlpha = 0.0f;
    helpPage = 1;
    inputEnabled = 1;
    dialogOpenLevel = 0;
    pauseOverlay = -1;
    menuFrame = 0;
    // From the title and the map the title music goes on playing.
    if (gameScreen != SCREEN_MAP && gameScreen != SCREEN_TITLE) {
        musicLevel = 0;
        PlayMusic("titel.ogg");
    }
    // The title hands over without a fade: the logo is already in place.
    if (gameScreen != SCREEN_TITLE) StartFadeIn();
    gameScreen = SCREEN_MENU;
}

void RunMainMenu() {
    SetColor(fadeLevel, fadeLevel, fadeLevel);
    SetBlend(BLEND_SOLID);
    DrawPicture(screenBackground, 0, 0);
    SpawnMenuFlyers();
    SetBlend(BLEND_ALPHA);
    SetAlpha(1.0f);
    UpdateFlyers();
    UpdateParticles();
    DrawMenuRays(0, 0);
    DrawMenuRays(1024, 0);
    DrawMenuRays(0, 720);
    DrawMenuRays(1024, 720);
    SpawnMenuGlows();
    DrawMenuFrame();
    // After the closing story the menu keeps the finished game saved.
    if (currentPlayer >= 0 && endingShown > 0 && playStarted == 1 && dialogOpenLevel == 0)
        SaveProfile(currentPlayer);
    logoY += (200.0f - logoY) * 0.05f;
    logoX += (512.0f - logoX) * 0.05f;
    SetAlpha(1.0f);
    DrawPicture(logoImage, logoX, logoY);
    SetAlpha(playButtonAlpha);
    DrawWelcomeLine(512, 40);
    SetAlpha(1.0f);
    menuFrame++;
    inputLayer = dialogOpenLevel > 0 ? LAYER_DIALOG : LAYER_SCREEN;
    if (playButtonAlpha < 1.0f) playButtonAlpha += PLAY_FADE_STEP;
    SetAlpha(playButtonAlpha);
    if (DrawBobbingButton(512, 480.0f, 8, LAYER_SCREEN, codeTexts[58]) == 3) PressPlay();
    SetDrawScale(1.0f, 1.0f);
    DrawBottomRow();
    RunDialogs();
}
