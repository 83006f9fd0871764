// The pointer on the board: the pixel-exact hit test of the pointer's shape
// against the cell mask, and the conditions under which the board takes input.
#include <gtest/gtest.h>

#include "match3/board_art.h"
#include "match3/rules.h"
#include "match3/specials.h"
#include "menus/dialogs.h"
#include "menus/menu.h"
#include "tables/board_tables.h"
#include "tables/game_tables.h"
#include "tables/shell_tables.h"
#include "tests/board_driver.h"

namespace {

void StartTiling() {
    BoardStartGrid(MODE_GROUP, 61, TilingRows(6, 4));
}

int UnderPointer(int x, int y, int item) {
    mouseX = x;
    mouseY = y;
    return ItemUnderPointer(item);
}

}  // namespace

// Made pictures of known shapes: a 5 x 5 pointer and a ring-shaped mask of 40 x 40
// with a hole of 10 x 10 in the middle, both centred.
TEST(PointerTest, TheHitTestFollowsThePixelsOfBothShapes) {
    StartTiling();
    TImage realPointer = pointerHitImage, realMask = cellMaskImage;
    TImage pointer = MakeImage(5, 5, 1);
    TImage mask = MakeImage(40, 40, 1);
    for (int y = 0; y < 5; y++)
        for (int x = 0; x < 5; x++) SetImagePixel(pointer, 0, x, y, 0xFFFFFFFFu);
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 40; x++) {
            int hole = x >= 15 && x < 25 && y >= 15 && y < 25;
            SetImagePixel(mask, 0, x, y, hole ? 0x00000000u : 0xFFFFFFFFu);
        }
    SetImageAnchor(pointer, 2.5f, 2.5f);
    SetImageAnchor(mask, 20.0f, 20.0f);
    pointerHitImage = pointer;
    cellMaskImage = mask;
    int item = ItemOnPlace(4, 3);
    int x = CellX(4), y = CellY(3);
    EXPECT_FALSE(UnderPointer(x, y, item));        // the pointer fits in the hole
    EXPECT_TRUE(UnderPointer(x + 6, y, item));     // touches the ring
    EXPECT_TRUE(UnderPointer(x - 21, y - 21, item));
 EXPECT_FALSE(UnderPointer(x + 23, y, item));   // just outside
    // The drawing state does not change the test.
    SetDrawScale(3.0f, 3.0f);
    SetDrawRotation(45.0f);
    EXPECT_FALSE(UnderPointer(x, y, item));
    EXPECT_TRUE(UnderPointer(x + 6, y, item));
    SetDrawScale(1.0f, 1.0f);
    SetDrawRotation(0.0f);
    pointerHitImage = realPointer;
    cellMaskImage = realMask;
    FreeImage(pointer);
    FreeImage(mask);
}

TEST(PointerTest, TheBoardTakesInputOnlyWhileNothingElseHoldsIt) {
    StartTiling();
    EXPECT_TRUE(BoardInputAllowed());
    // each hold in turn, then lifted again
    int* holds[] = {&levelEndTimer, &dialogOpenLevel, &endingShown, &shuffleWave, &powerupState[3]};
    for (int* hold : holds) {
        *hold = 1;
        EXPECT_FALSE(BoardInputAllowed());
        *hold = 0;
    }
    levelFrame = 150;
    EXPECT_FALSE(BoardInputAllowed());
    levelFrame = 151;
    EXPECT_TRUE(BoardInputAllowed());
}

TEST(PointerTest, AHoveredItemLightsItsCellAndAnOpenDialogStopsTheClick) {
    StartTiling();
    int item = ItemOnPlace(3, 3);
    BoardPointer(CellX(3), CellY(3), 0);
    BoardFrame();
    EXPECT_EQ(cells[items[item].cellIndex].glow, 9);
    dialogOpenLevel = 5;
    int frame = levelFrame;
    BoardClickCell(2, 2, 1);
    EXPECT_EQ(levelFrame, frame);   // a dialog stops the level's frames
    EXPECT_EQ(score, 0);
    dialogOpenLevel = 0;
}
