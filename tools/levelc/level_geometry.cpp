// Screen boxes of the game screen's furniture, the board frame and the fish.
#include "tools/levelc/level_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

// The layout contract with the game screen's pictures: the status bars centred
// at (512, 44) and (512, 726) keep their ink above y 76 and below y 700; the
// shells at y 701, drawn 12 pixels lower, keep theirs within 55 pixels either
// side and below y 650; the mode buttons centred at y 717 within 52 pixels
// either side and below y 672.
const int SHELL_X[4] = {106, 268, 756, 918};
const int SHELL_Y = 713;
const int SHELL_HALF_W = 55;
const int SHELL_TOP = 650;
const int BUTTON_X[3] = {402, 512, 622};
const int BUTTON_HALF_W = 52;
const int BUTTON_TOP = 672;
const int TOP_BAR_BOTTOM = 76;
const int BOTTOM_BAR_TOP = 700;

// The ring radius and the icon angles of an order of 1, 2 or 3 items.
const int ICON_RING[4] = {0, 63, 86, 111};
const int ICON_FIRST_ANGLE[4] = {0, 90, 72, 64};
const int ICON_LAST_ANGLE[4] = {0, 90, 108, 116};
// A fish keeps its picture within 48 pixels beside and 46 above and below its
// place; its order bubble holds the icons and reaches no further than they do.
const int FISH_HALF_WIDTH = 48;
const int FISH_HALF_HEIGHT = 46;

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

TBox BoardPictureBox() { return MakeBox(32, 74, 32 + 960, 74 + 620); }

TBox CellFrameBox(int r, int c) {
    int x = CellCentreX(c), y = CellCentreY(r);
    return MakeBox(x - 24 - BORDER_MARGIN, y - 24 - BORDER_MARGIN, x + 24 + BORDER_MARGIN,
                   y + 24 + BORDER_MARGIN);
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
        box.bottom = std::max(box.bottom, (int)std::ceil(iy + ICON_RADIUS + FISH_BOB + 2));
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
