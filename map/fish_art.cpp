#include "map/fish_art.h"

#include "shell/pictures.h"

static int IsFishKind(int kind) {
    return (kind >= 1 && kind <= 4) || kind == 7 || kind == 8 || (kind >= 13 && kind <= 16);
}

void LoadFishArt() {
    for (int kind = 1; kind <= 16; kind++) {
        if (!IsFishKind(kind)) continue;
        for (int frame = 1; frame <= 4; frame++) {
            TImage& entry = fishImage[kind][frame];
            FreeImage(entry);
            entry = LoadPicture("data/fishes/f" + TextFromInt(kind) + TextFromInt(frame) + ".png");
            CentreImageHandle(entry);
        }
    }
}
