// The interface pictures shared by the buttons, dialogs and help pages. Only
// the small popup reports a missing file; the others stay empty silently.
#include "menus/menu.h"

#include "shell/pictures.h"

static void LoadQuietly(TImage& entry, const std::string& path) {
    FreeImage(entry);
    entry = LoadImageFile(path);
    CentreImageHandle(entry);
}

void LoadInterfaceArt() {
    FreeImage(smallPopupImage);
    smallPopupImage = LoadPicture("data/ui/popupsmall.png");
    CentreImageHandle(smallPopupImage);
    LoadQuietly(mediumPopupImage, "data/UI/popupmedium.png");
    LoadQuietly(buttonHitImage, "data/UI/coll2.png");
    LoadQuietly(knobHitImage, "data/UI/coll3.png");
    LoadQuietly(buttonImage[1], "data/UI/button1.png");
    LoadQuietly(buttonImage[3], "data/UI/button3.png");
    LoadQuietly(buttonImage[5], "data/texts/gtbutt1.png");
    LoadQuietly(buttonImage[6], "data/texts/gtbutt2.png");
    LoadQuietly(buttonImage[7], "data/texts/gtbutt3.png");
    LoadQuietly(bigButtonImage[8], "data/UI/button8.png");
    LoadQuietly(boardSketchImage, "data/UI/niner.png");
    LoadQuietly(helpMossImage, "data/UI/helptileexpl.png");
    LoadQuietly(helpStoneImage, "data/UI/helpstoneexpl.png");
    LoadQuietly(sliderTrackImage, "data/UI/optionstrack.png");
    LoadQuietly(knobImage, "data/ui/bnmove2.png");
    LoadQuietly(checkBoxImage, "data/UI/cb.png");
    LoadQuietly(checkMarkImage, "data/UI/h.png");
    LoadQuietly(pointerHitImage, "data/UI/coll.png");
}
