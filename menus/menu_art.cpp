// The menu's own pictures: the frame borders, the player list and the logo.
// Loaded at start-up and again whenever the menu is entered from a screen that
// released them; a missing file gives no message.
#include "menus/menu.h"

#include "tables/shell_tables.h"

// Neither masked nor filtered, with the handle chosen by the caller.
static void LoadPlain(TImage& entry, const std::string& path, int centred) {
    FreeImage(entry);
    entry = LoadImageFile(path, 0);
    if (centred) CentreImageHandle(entry);
    else SetImageAnchor(entry, 0.0f, 0.0f);
}

void LoadMenuArt() {
    SetAutoCentre(0);
    LoadPlain(menuBorderLeft, "data/ui/menuborderleft.png", 0);
    LoadPlain(menuBorderTop, "data/UI/menuborderup.png", 0);
    LoadPlain(menuBorderBottom, "data/UI/menuborderdown.png", 0);
    LoadPlain(playerBarImage, "data/UI/bar.png", 1);
    LoadPlain(createPlayerImage, "data/ui/createplayer.png", 1);
    LoadPlain(playerMenuImage, "data/UI/playermenu.png", 1);
    FreeImage(logoImage);
    logoImage = LoadImageFile("data/UI/logo3.png");
    CentreImageHandle(logoImage);
}

void FreeMenuArt() {
    FreeImage(menuBorderLeft);
    FreeImage(menuBorderTop);
    FreeImage(menuBorderBottom);
    FreeImage(playerBarImage);
    FreeImage(createPlayerImage);
    FreeImage(playerMenuImage);
    FreeImage(logoImage);
}
