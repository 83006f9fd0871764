// The main menu until its players, options and information dialogs are
// built: the set-up is the real one; the frame shows the background, the
// logo, the welcome line, the play button and the quit button. Play goes
// straight to the player's newest position, making a first player when none
// is chosen, so the game can be played from the menu already.
#include "audio/audio.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "shell/assets.h"
#include "shell/screen_change.h"
#include "tables/game_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "text/text.h"

namespace {

int menuFrame = 0;
float playButtonAlpha = 0.0f;

void StartPlaying() {
    if (currentPlayer < 1) {
        currentPlayer = 1;
        TPlayerProfile& first = players[1];
        if (first.playerName.empty()) {
            first = TPlayerProfile{};
            first.playerName = u"Diver";
            first.playerGameMode = 3;   // new players start in swap mode
            first.itemSet = 1;
            first.playerHelpSetting = 3;
        }
    }
    TPlayerProfile& player = CurrentProfile();
    if (player.playerUnlocked < 1) player.playerUnlocked = 1;
    player.playerProgress = player.playerUnlocked;
    mapPosition = player.playerProgress;
    playStarted = 1;
    BeginScreenChange(SCREEN_MATCH3, 0);
}

void DrawWelcomeLine(int x, int y) {
    std::u16string name = currentPlayer >= 1 ? CurrentProfile().playerName : WidenLatin1(codeTexts[8]);
    DrawGlyphText(WidenLatin1(codeTexts[7] + " ") + name, x, static_cast<float>(y - 20), ALIGN_CENTRE, FONT_NORMAL);
}

}  // namespace

void EnterMainMenu() {
    prevScreen = gameScreen;
    if (gameScreen != SCREEN_TITLE && gameScreen != SCREEN_MAP) LoadBackgroundImage();
    if (prevScreen != SCREEN_TITLE) FreeMenuArt();
    if (prevScreen == SCREEN_MATCH3) FreeImage(levelBackgroundImage);
    if (prevScreen != SCREEN_TITLE) LoadMenuArt();
    if (customPointer == -1) ShowPointer();
    playButtonAlpha = 0.0f;
    inputEnabled = 1;
    dialogOpenLevel = 0;
    pauseOverlay = -1;
    menuFrame = 0;
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
    SetAlpha(playButtonAlpha);
    DrawWelcomeLine(512, 40);
    SetAlpha(1.0f);
    menuFrame++;
    inputLayer = dialogOpenLevel > 0 ? LAYER_DIALOG : LAYER_SCREEN;
    if (playButtonAlpha < 1.0f) playButtonAlpha += 0.03125f;
    SetAlpha(playButtonAlpha);
    if (DrawBobbingButton(512, 480.0f, 8, LAYER_SCREEN, codeTexts[58]) == 3) StartPlaying();
    SetAlpha(menuFrame * 0.05f < 1.0f ? menuFrame * 0.05f : 1.0f);
    if (DrawButton(936, 741, 3, LAYER_SCREEN, codeTexts[61]) == 3) OpenDialog(99);
    SetAlpha(1.0f);
    RunDialogs();
}
