#include "match3/board_art.h"

#include <string>

namespace {

// The picture indices of the first item set, as numbered in its file names.
const int ITEM_PICTURES[] = {1, 2, 3, 4, 5, 7, 10, 11, 12, 13, 15, 16, 17, 18, 19};

enum { HANDLE_TOP_LEFT = 0, HANDLE_CENTRE = 1 };

// Loads one board picture with the given load flags (-1 masked and filtered,
// 0 neither); a missing file is reported like every other picture.
TImage LoadBoardPicture(const std::string& path, int flags, int handle) {
    TImage image = LoadImageFile(path, flags);
    if (!image) {
        PrintLine("error LoadIm " + path);
        return nullptr;
    }
    if (handle == HANDLE_CENTRE) CentreImageHandle(image);
    else SetImageAnchor(image, 0, 0);
    return image;
}

void Replace(TImage& slot, TImage image) {
    FreeImage(slot);
    slot = image;
}

}  // namespace

void LoadBoardArt() {
    const std::string folder = "data/match3/";
    for (int n = 1; n <= STRIP_LONGEST; n++)
        Replace(cellRowImages[n], LoadBoardPicture(folder + "cellrow" + std::to_string(n) + ".png", -1, HANDLE_TOP_LEFT));
    for (int n = 1; n <= BORDER_KINDS; n++)
        Replace(borderImages[n], LoadBoardPicture(folder + "border" + std::to_string(n) + ".png", -1, HANDLE_TOP_LEFT));
    Replace(cellGlowImage, LoadBoardPicture(folder + "cell2.png", 0, HANDLE_CENTRE));
    Replace(mossImage, LoadBoardPicture(folder + "moss.png", 0, HANDLE_CENTRE));
    Replace(cellMaskImage, LoadBoardPicture(folder + "cellmask.png", -1, HANDLE_CENTRE));
    Replace(cellMarkImage, LoadBoardPicture(folder + "cellmark.png", -1, HANDLE_CENTRE));
    for (int picture : ITEM_PICTURES)
        Replace(itemArtImage[1][picture],
                LoadBoardPicture(folder + "item1-" + std::to_string(picture) + ".png", -1, HANDLE_CENTRE));
    for (int n = 1; n <= 4; n++)
        Replace(arrowImages[n], LoadBoardPicture(folder + "arrow" + std::to_string(n) + ".png", -1, HANDLE_CENTRE));
    Replace(statusBarTopImage, LoadBoardPicture(folder + "m3uiup.png", 0, HANDLE_CENTRE));
    for (int n = 1; n <= 3; n++)
        Replace(orderBubbleImages[n],
                LoadBoardPicture("data/fishes/orderbubble" + std::to_string(n) + ".png", -1, HANDLE_CENTRE));
    Replace(iconBubbleImage, LoadBoardPicture("data/fishes/pofbubble.png", -1, HANDLE_CENTRE));
}
