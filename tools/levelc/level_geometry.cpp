// Screen boxes of the game screen's furniture, the board frame and the fish.
#include "tools/levelc/level_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

TBox MakeBox(int left, int top, int right, int bottom) {
    TBox b;
    b.left = left;
    b.top = top;
    b.right = right;
    b.bottom = bottom;
    return b;
}

}  // namespace

int ScreenFurniture(TBox boxes[16], const char* names[16]) {
    int n = 0;
    boxes[n] = MakeBox(0, 0, SCREEN_W, TOP_BAR_BOTTOM);
    names[n++] = "top status bar";
    boxes[n] = MakeBox(0, BOTTOM_BAR_TOP, SCREEN_W, SCREEN_H);
    names[n++] = "bottom status bar";
    static const char* shellNames[4] = {"power-up shell 1", "power-up shell 2", "power-up shell 3",
                                        "power-up shell 4"};
    for (int p = 0; p < 4; p++) {
        boxes[n] = MakeBox(SHELL_X[p] - SHELL_HALF_W, SHELL_TOP, SHELL_X[p] + SHELL_HALF_W,
                           2 * SHELL_Y - SHELL_TOP);
        names[n++] = shellNames[p];
    }
    static const char* buttonNames[3] = {"swap mode button", "chain mode button", "group mode button"};
    for (int b = 0; b < 3; b++) {
        boxes[n] = MakeBox(BUTTON_X[b] - BUTTON_HALF_W, BUTTON_TOP, BUTTON_X[b] + BUTTON_HALF_W, SCREEN_H);
        names[n++] = buttonNames[b];
    }
    return n;
}

TBox BoardPictureBox() {
    return MakeBox(BOARD_IMAGE_X, BOARD_IMAGE_Y, BOARD_IMAGE_X + BOARD_IMAGE_WIDTH, BOARD_IMAGE_Y + BOARD_IMAGE_HEIGHT);
}

TBox CellFrameBox(int r, int c) {
    int x = CellCentreX(c), y = CellCentreY(r);
    const int reach = CELL_HALF + BORDER_REACH;
    return MakeBox(x - reach, y - reach, x + reach, y + reach);
}

TBox FishBox(int r, int c, int n) {
    int x = CellCentreX(c), y = CellCentreY(r);
    TBox box = MakeBox(x - FISH_HALF_WIDTH, y - FISH_HALF_HEIGHT - FISH_BOB, x + FISH_HALF_WIDTH,
                       y + FISH_HALF_HEIGHT + FISH_BOB);
    if (n < 1 || n > 3) return box;
    const double DEGREE = 3.14159265358979323846 / 180.0;
    for (int a = ICON_FIRST_ANGLE[n] - ICON_WOBBLE; a <= ICON_LAST_ANGLE[n] + ICON_WOBBLE; a++) {
        double ix = x + std::cos(a * DEGREE) * ICON_RING[n];
        double iy = y + std::sin(a * DEGREE) * ICON_RING[n];
        box.left = std::min(box.left, (int)std::floor(ix - ICON_RADIUS));
        box.right = std::max(box.right, (int)std::ceil(ix + ICON_RADIUS));
        box.top = std::min(box.top, (int)std::floor(iy - ICON_RADIUS - FISH_BOB));
        // The item picture inside the icon bubble is drawn 2 pixels lower.
        box.bottom = std::max(box.bottom, (int)std::ceil(iy + ICON_RADIUS + FISH_BOB + ICON_ITEM_DROP));
    }
    return box;
}

int BoxesOverlap(const TBox& a, const TBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

int BoxInside(const TBox& inner, const TBox& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}
