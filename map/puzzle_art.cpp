#include "map/puzzle_art.h"

#include "shell/pictures.h"

void LoadPuzzleTileArt() {
    FreeImage(pieceBevelImage);
    pieceBevelImage = LoadPicture("data/puzzles/kachel128x120.png");
    SetImageAnchor(pieceBevelImage, 0.0f, 0.0f);
    FreeImage(pieceShadowImage);
    pieceShadowImage = LoadPicture("data/puzzles/shadow128x120.png");
    SetImageAnchor(pieceShadowImage, 0.0f, 0.0f);
}
