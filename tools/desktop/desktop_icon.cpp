// The desktop menu's picture of the game: the window icon's first picture
// read by the game's own icon reader and written as the PNG file that menus
// take. Usage: desktop_icon <icon32.ico> <out.png>
#include <cstdio>
#include <vector>

#include "platform/platform.h"
#include "platform/writers/writers.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: desktop_icon <icon.ico> <out.png>\n");
        return 2;
    }
    std::vector<uint32_t> pixels;
    int width = 0, height = 0;
    if (!ReadIconPixels(argv[1], pixels, width, height) || !SavePng(argv[2], width, height, pixels, 1)) {
        std::fprintf(stderr, "desktop_icon: cannot turn %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
