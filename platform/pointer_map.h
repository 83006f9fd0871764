// Conversion of a window pixel into the pointer units the game reads.
#pragma once

// The logical screen (logicalW x logicalH) is shown scaled and letterboxed in a
// window of windowW x windowH pixels. The pointer is reported in units of a
// baseW x baseH screen (800 x 600 for the game window, 1024 x 768 full screen):
// a window pixel maps to the logical point under it, then to base units.
void PointerFromWindowPixel(int wx, int wy, int windowW, int windowH, int logicalW, int logicalH,
                            int baseW, int baseH, int& outX, int& outY);
