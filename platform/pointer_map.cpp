// The letterbox of the logical screen, shared by drawing and the pointer.
#include "platform/pointer_map.h"

#include <algorithm>
#include <cmath>

void LetterboxRect(int outW, int outH, int logicalW, int logicalH, int& x, int& y, int& w, int& h) {
    if (outW <= 0 || outH <= 0 || logicalW <= 0 || logicalH <= 0) {
        x = y = 0;
        w = std::max(outW, 0);
        h = std::max(outH, 0);
        return;
    }
    double scale = std::min(static_cast<double>(outW) / logicalW, static_cast<double>(outH) / logicalH);
    w = std::clamp(static_cast<int>(logicalW * scale + 0.5), 1, outW);
    h = std::clamp(static_cast<int>(logicalH * scale + 0.5), 1, outH);
    x = (outW - w) / 2;
    y = (outH - h) / 2;
}

void PointerFromWindowPixel(int wx, int wy, int windowW, int windowH, int logicalW, int logicalH,
                            int baseW, int baseH, int& outX, int& outY) {
    if (windowW <= 0 || windowH <= 0 || logicalW <= 0 || logicalH <= 0) {
        outX = wx;
        outY = wy;
        return;
    }
    int shownX, shownY, shownW, shownH;
    LetterboxRect(windowW, windowH, logicalW, logicalH, shownX, shownY, shownW, shownH);
    // Straight from window pixels to base units, so that a window of exactly the
    // base size maps every pixel onto itself without rounding loss.
    double fx = (wx - shownX) * (static_cast<double>(baseW) / shownW);
    double fy = (wy - shownY) * (static_cast<double>(baseH) / shownH);
    int x = static_cast<int>(std::floor(fx + 1e-6));
    int y = static_cast<int>(std::floor(fy + 1e-6));
    outX = std::clamp(x, 0, std::max(0, baseW - 1));
    outY = std::clamp(y, 0, std::max(0, baseH - 1));
}
