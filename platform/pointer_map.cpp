// Window pixel to pointer units, shared by real mouse events and the tests.
#include "platform/pointer_map.h"

#include <algorithm>
#include <cmath>

void PointerFromWindowPixel(int wx, int wy, int windowW, int windowH, int logicalW, int logicalH,
                            int baseW, int baseH, int& outX, int& outY) {
    if (windowW <= 0 || windowH <= 0 || logicalW <= 0 || logicalH <= 0) {
        outX = wx;
        outY = wy;
        return;
    }
    double scale = std::min(static_cast<double>(windowW) / logicalW, static_cast<double>(windowH) / logicalH);
    double shownW = logicalW * scale;
    double shownH = logicalH * scale;
    double offX = (windowW - shownW) * 0.5;
    double offY = (windowH - shownH) * 0.5;
    // Straight from window pixels to base units, so that a window of exactly the
    // base size maps every pixel onto itself without rounding loss.
    double fx = (wx - offX) * (baseW / shownW);
    double fy = (wy - offY) * (baseH / shownH);
    int x = static_cast<int>(std::floor(fx + 1e-6));
    int y = static_cast<int>(std::floor(fy + 1e-6));
    outX = std::clamp(x, 0, std::max(0, baseW - 1));
    outY = std::clamp(y, 0, std::max(0, baseH - 1));
}
