#include "map/powerup_art.h"

#include "shell/assets.h"

Table<TImage, 5> holderImage;
Table<Table<TImage, 5>, 5> holderEyesImage;
Table<TImage, 5> shellImage;
Table<TImage, 5> pearlImage;
TImage gameOnImage, bigPopupImage;

static void Replace(TImage& entry, const std::string& path) {
    FreeImage(entry);
    entry = LoadPicture(path);
}

void LoadPowerUpArt() {
    SetAutoCentre(1);
    Replace(bigPopupImage, "data/ui/popupbig.png");
    for (int k = 1; k <= 4; k++) {
        std::string holder = TextFromInt(k);
        for (int e = 1; e <= 2; e++)
            Replace(holderEyesImage[k][e], "data/pu/pu" + holder + "eyes" + TextFromInt(e) + ".png");
        Replace(holderImage[k], "data/pu/puholder" + holder + ".png");
        Replace(shellImage[k], "data/pu/pushell" + holder + ".png");
        Replace(pearlImage[k], "data/pu/pearl" + holder + ".png");
    }
    Replace(gameOnImage, "data/texts/gameon.png");
    SetAutoCentre(0);
}

void ClearPowerUpArt() {
    for (TImage& image : holderImage) FreeImage(image);
    for (auto& eyes : holderEyesImage)
        for (TImage& image : eyes) FreeImage(image);
    for (TImage& image : shellImage) FreeImage(image);
    for (TImage& image : pearlImage) FreeImage(image);
    FreeImage(gameOnImage);
    FreeImage(bigPopupImage);
}
