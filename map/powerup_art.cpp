#include "map/powerup_art.h"

#include "shell/pictures.h"

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
        KeepResampledCopies(holderImage[k]);   // the power-up flash grows from it, many at once
        Replace(shellImage[k], "data/pu/pushell" + holder + ".png");
        Replace(pearlImage[k], "data/pu/pearl" + holder + ".png");
    }
    Replace(gameOnImage, "data/texts/gameon.png");
    SetAutoCentre(0);
}
