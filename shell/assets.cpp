// The shell's own pictures, the screen background rule and the order in which
// every subsystem loads its pictures and data.
#include "shell/assets.h"

#include <iterator>
#include <string>
#include <vector>

#include "effects/effects.h"
#include "map/fish_art.h"
#include "map/powerup_art.h"
#include "map/puzzle_art.h"
#include "match3/board_art.h"
#include "match3/level_files.h"
#include "menus/menu.h"
#include "tables/effect_tables.h"
#include "tables/player_tables.h"
#include "tables/shell_tables.h"
#include "text/text.h"

// The start-up's biggest pictures, in the order it loads them (the logo twice:
// the shell's and the menu's): decoded on the second core while the first
// opens the display and loads the rest. A test holds the start-up to loading
// every one, so that the list keeps up with the loaders.
static const char* const STARTUP_PICTURES_AHEAD[] = {
    "data/UI/logo3.png",        "data/bg/menubgalt.jpg",   "data/bg/loadbg.jpg",       "data/match3/m3uidown.png",
    "data/effects/logoglow.png", "data/effects/rays2.png",  "data/ui/popupsmall.png",   "data/UI/popupmedium.png",
    "data/UI/playermenu.png",   "data/UI/logo3.png",       "data/match3/m3uiup.png",   "data/ui/popupbig.png",
    "data/texts/gameon.png",    "data/texts/fnormal.png",  "data/texts/fhighlight.png", "data/texts/fhead.png",
    "data/texts/ftext.png",
};
static int startUpPicturesUnused = 0;

void DecodeStartUpPicturesAhead() {
    DecodeAhead(std::vector<std::string>(std::begin(STARTUP_PICTURES_AHEAD), std::end(STARTUP_PICTURES_AHEAD)));
}

void StopDecodingStartUpPictures() {
    startUpPicturesUnused = StopDecodingAhead();
}

int StartUpPicturesUnused() {
    return startUpPicturesUnused;
}

// Loads a picture with its handle at the frame centre, whatever the switch says.
static TImage LoadCentred(const std::string& path) {
    TImage image = LoadPicture(path);
    CentreImageHandle(image);
    return image;
}

void LoadShellImages() {
    prevScreen = gameScreen;
    developerMode = 0;
    FreeImage(pointerImage);
    pointerImage = LoadPicture("data/UI/cursor.png");
    SetImageAnchor(pointerImage, 0.0f, 0.0f);
    FreeImage(logoImage);
    logoImage = LoadCentred("data/UI/logo3.png");
    LoadBackgroundImage();
    FreeImage(loadBackImage);
    loadBackImage = LoadPicture("data/bg/loadbg.jpg");
    SetImageAnchor(loadBackImage, 0.0f, 0.0f);
    FreeImage(lowerBarImage);
    lowerBarImage = LoadCentred("data/match3/m3uidown.png");
    FreeImage(loadBarImage);
    loadBarImage = LoadCentred("data/UI/loadbar.png");
    FreeImage(loadFillImage);
    loadFillImage = LoadPictureStrip("data/UI/loadfill.png", 2, 42, 148);
    CentreImageHandle(loadFillImage);
    FreeImage(pauseGlowImage);
    pauseGlowImage = LoadCentred("data/effects/logoglow.png");
    FreeImage(raysImage);
    raysImage = LoadCentred("data/effects/rays2.png");
    ClearGlows();
    logoY = -100.0f;
}

void LoadBackgroundImage() {
    FreeImage(screenBackground);
    int unlocked = currentPlayer == -1 ? 0 : CurrentProfile().playerUnlocked;
    std::string path = "data/bg/menubgalt.jpg";
    if (currentPlayer != -1 && unlocked >= 1 && unlocked <= 120)
        path = "data/bg/bg" + TextFromInt((unlocked - 1) / 10 + 1) + ".jpg";
    screenBackground = LoadPicture(path);
    SetImageAnchor(screenBackground, 0.0f, 0.0f);
}

// The flashes (flares, glow fades, pulses) come at a few scales and turns
// each, many at once: they are drawn from resampled copies.
void LoadEffectArt() {
    SetAutoCentre(1);
    FreeImage(bombFlareImage);
    bombFlareImage = LoadPicture("data/effects/bombflare.png");
    KeepResampledCopies(bombFlareImage);
    FreeImage(glowStarImage);
    glowStarImage = LoadPicture("data/effects/glowstar.png");
    for (int n = 1; n <= 9; n++) {
        std::string number = TextFromInt(n);
        FreeImage(sparkleImages[n]);
        sparkleImages[n] = LoadPicture("data/effects/glb" + number + ".png");
        FreeImage(glowBlobImages[n]);
        glowBlobImages[n] = LoadPicture("data/effects/glo" + number + ".png");
        KeepResampledCopies(glowBlobImages[n]);
        FreeImage(dirtImages[n]);
        dirtImages[n] = LoadPicture("data/effects/dirt" + number + ".png");
    }
    FreeImage(dynamiteImage);
    dynamiteImage = LoadPicture("data/effects/dynamite.png");
}

int LoadAllAssets() {
    LoadEffectArt();
    LoadInterfaceArt();
    LoadMenuArt();
    LoadBoardArt();
    LoadFishArt();
    BuildLevelList();
    LoadPowerUpArt();
    LoadPuzzleTileArt();
    if (!LoadLevelPreviews()) return 0;   // a broken installation: start-up ends
    LoadCodeTexts();
    LoadFonts();
    return 1;
}
