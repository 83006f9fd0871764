#include "tables/menu_tables.h"

int dialogOpenLevel = 0;
int inputLayer = LAYER_SCREEN;

int menuFrame = 0;
float playButtonAlpha = 0.0f;
int playStarted = 0;
int endingShown = 0;

TImage smallPopupImage, mediumPopupImage, buttonHitImage, knobHitImage;
Table<TImage, BUTTON_IMAGES> buttonImage{"buttonImage"};
Table<TImage, BUTTON_IMAGES> bigButtonImage{"bigButtonImage"};
TImage boardSketchImage, helpMossImage, helpStoneImage, sliderTrackImage;
TImage knobImage, checkBoxImage, checkMarkImage, pointerHitImage;

TImage menuBorderLeft, menuBorderTop, menuBorderBottom;
TImage playerBarImage, createPlayerImage, playerMenuImage;

void ClearMenuTables() {
    dialogOpenLevel = 0;
    inputLayer = LAYER_SCREEN;
    menuFrame = 0;
    playButtonAlpha = 0.0f;
    playStarted = 0;
    endingShown = 0;
    TImage* singles[] = {&smallPopupImage, &mediumPopupImage, &buttonHitImage, &knobHitImage,
                         &boardSketchImage, &helpMossImage, &helpStoneImage, &sliderTrackImage,
                         &knobImage, &checkBoxImage, &checkMarkImage, &pointerHitImage,
                         &menuBorderLeft, &menuBorderTop, &menuBorderBottom,
                         &playerBarImage, &createPlayerImage, &playerMenuImage};
    for (TImage* image : singles) FreeImage(*image);
    for (TImage& image : buttonImage) FreeImage(image);
    for (TImage& image : bigButtonImage) FreeImage(image);
}
