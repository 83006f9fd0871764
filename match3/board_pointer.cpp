// Whether the board takes the pointer, and which items lie under it.
#include "match3/board_art.h"
#include "tables/board_geometry.h"
#include "match3/rules.h"
#include "match3/specials.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "platform/platform.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/shell_tables.h"

int BoardInputAllowed() {
    return levelEndTimer == 0 && !PowerUpBusy() && dialogOpenLevel == 0 && !ShuffleWaveRunning() &&
           endingShown == 0 && levelFrame > 150;
}

// The pointer's hit shape ("data/UI/coll.png") against the cell mask
// ("data/match3/cellmask.png") centred on the item, pixel by pixel, unscaled
// and unrotated whatever the drawing state is. Without either picture the
// item's own cell square is the target.
int ItemUnderPointer(int item) {
    const TItem& it = items[item];
    if (!pointerHitImage || !cellMaskImage) {
        return mouseX >= it.x - CELL_HALF && mouseX < it.x + CELL_HALF && mouseY >= it.y - CELL_HALF &&
               mouseY < it.y + CELL_HALF;
    }
    float scaleX, scaleY;
    CurrentScale(scaleX, scaleY);
    float rotation = CurrentRotation();
    SetDrawScale(1.0f, 1.0f);
    SetDrawRotation(0.0f);
    int hit = ImagesOverlap(pointerHitImage, static_cast<float>(mouseX), static_cast<float>(mouseY), 0,
                            cellMaskImage, static_cast<float>(it.x), static_cast<float>(it.y), 0);
    SetDrawScale(scaleX, scaleY);
    SetDrawRotation(rotation);
    return hit;
}
