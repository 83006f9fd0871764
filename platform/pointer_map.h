// Where the logical screen lies in a window, and the conversion of a window
// pixel into the pointer units the game reads. Drawing and the pointer use the
// same rectangle, so a pointer lands on the pixel it is shown over.
#pragma once

// The logical screen (logicalW x logicalH) scaled to fit an output of outW x
// outH pixels, centred, whole pixels: the bars around it stay black.
void LetterboxRect(int outW, int outH, int logicalW, int logicalH, int& x, int& y, int& w, int& h);

// The logical screen is shown letterboxed in a window of windowW x windowH
// pixels. The pointer is reported in units of a baseW x baseH screen (800 x 600
// for the game window, 1024 x 768 full screen): a window pixel maps to the
// logical point under it, then to base units.
void PointerFromWindowPixel(int wx, int wy, int windowW, int windowH, int logicalW, int logicalH,
                            int baseW, int baseH, int& outX, int& outY);
