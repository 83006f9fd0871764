#include "tables/map_tables.h"

Table<Table<TImage, FISH_FRAMES>, FISH_KINDS> fishImage{"fishImage"};

Table<TImage, POWERUP_IMAGES> holderImage{"holderImage"};
Table<Table<TImage, HOLDER_EYES>, POWERUP_IMAGES> holderEyesImage{"holderEyesImage"};
Table<TImage, POWERUP_IMAGES> shellImage{"shellImage"};
Table<TImage, POWERUP_IMAGES> pearlImage{"pearlImage"};
TImage gameOnImage, bigPopupImage;

TImage pieceBevelImage, pieceShadowImage;

void ClearMapTables() {
    for (auto& kind : fishImage)
        for (TImage& image : kind) FreeImage(image);
    for (TImage& image : holderImage) FreeImage(image);
    for (auto& eyes : holderEyesImage)
        for (TImage& image : eyes) FreeImage(image);
    for (TImage& image : shellImage) FreeImage(image);
    for (TImage& image : pearlImage) FreeImage(image);
    FreeImage(gameOnImage);
    FreeImage(bigPopupImage);
    FreeImage(pieceBevelImage);
    FreeImage(pieceShadowImage);
}
