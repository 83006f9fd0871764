// artgen: draws every picture of the game's data folder and the window icon.
// Usage: artgen <run folder> <contact sheet folder>
#include <chrono>
#include <cstdio>
#include <string>

#include "art_common.h"
#include "families.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: artgen <run folder> <contact sheet folder>\n");
        return 1;
    }
    runDir = argv[1];
    contactDir = argv[2];
    auto start = std::chrono::steady_clock::now();
    MakeFontArt();
    MakeItemArt();
    MakeBoardArt();
    MakeInterfaceArt();
    MakeEffectArt();
    MakeFishArt();
    MakePowerUpArt();
    MakeBackgroundArt();
    MakeStageMapArt();
    MakeStagePictureArt();
    MakePuzzleArt();
    MakeStoryArt();
    MakeBrandingArt();
    WriteContactSheets();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("artgen: pictures written in %.2f s\n", seconds);
    return 0;
}
