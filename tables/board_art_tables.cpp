#include "tables/board_art_tables.h"

Table<TImage, STRIP_LONGEST + 1> cellRowImages{"cellRowImages"};
Table<TImage, BORDER_IMAGES> borderImages{"borderImages"};
TImage cellGlowImage, mossImage, cellMaskImage, cellMarkImage;
Table<Table<TImage, ITEM_ART_KINDS>, ITEM_SETS> itemArtImage{"itemArtImage"};
Table<TImage, ARROW_IMAGES> arrowImages{"arrowImages"};
TImage statusBarTopImage;
Table<TImage, BUBBLE_IMAGES> orderBubbleImages{"orderBubbleImages"};
TImage iconBubbleImage;

void ClearBoardArtTables() {
    for (TImage& image : cellRowImages) FreeImage(image);
    for (TImage& image : borderImages) FreeImage(image);
    for (auto& set : itemArtImage)
        for (TImage& image : set) FreeImage(image);
    for (TImage& image : arrowImages) FreeImage(image);
    for (TImage& image : orderBubbleImages) FreeImage(image);
    TImage* singles[] = {&cellGlowImage, &mossImage, &cellMaskImage, &cellMarkImage,
                         &statusBarTopImage, &iconBubbleImage};
    for (TImage* image : singles) FreeImage(*image);
}
