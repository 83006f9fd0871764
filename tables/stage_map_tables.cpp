#include "tables/stage_map_tables.h"

int mapFrame = 0;
int mapTop = MAP_TOP;
Table<int, STAGE_SLOTS> signX{"signX"}, signY{"signY"};
int popupStage = 1;
Table<int, ICON_GROW_SLOTS> iconGrow{"iconGrow"};

TImage stageMapTitleImage, signFrameImage, mapPopupImage;
Table<TImage, STAGE_SLOTS> stageFillRows{"stageFillRows"}, stageFillEdge{"stageFillEdge"};
Table<TImage, STAGE_SLOTS> stageFullImage{"stageFullImage"}, stageSignImage{"stageSignImage"};
Table<TImage, POSITION_ICONS> positionIcon{"positionIcon"};
TImage mapBorderLeft, mapBorderTop, mapBorderBottom;
TImage popupSignImage, popupPreviewImage;

void ClearStageMapTables() {
    mapFrame = 0;
    mapTop = MAP_TOP;
    signX.Clear();
    signY.Clear();
    popupStage = 1;
    iconGrow.Clear();
    TImage* singles[] = {&stageMapTitleImage, &signFrameImage, &mapPopupImage, &mapBorderLeft,
                         &mapBorderTop, &mapBorderBottom, &popupSignImage, &popupPreviewImage};
    for (TImage* image : singles) FreeImage(*image);
    for (auto* images : {&stageFillRows, &stageFillEdge, &stageFullImage, &stageSignImage})
        for (TImage& image : *images) FreeImage(image);
    for (TImage& image : positionIcon) FreeImage(image);
}
