// The stage pictures, the reward of every stage: the picture cut into the
// puzzle's pieces, the popup's preview and the puzzle screen's thumbnail.
// Shared by the puzzle, the map, the art generator and the picture tests.
// Depends on nothing but itself.
#pragma once

#include <string>

// The puzzle cuts the picture into this grid of pieces.
constexpr int STAGE_PICTURE_COLUMNS = 5;
constexpr int STAGE_PICTURE_ROWS = 4;
constexpr int STAGE_PICTURE_PIECES = STAGE_PICTURE_COLUMNS * STAGE_PICTURE_ROWS;
constexpr int STAGE_PIECE_WIDTH = 128;
constexpr int STAGE_PIECE_HEIGHT = 120;
constexpr int STAGE_PICTURE_WIDTH = STAGE_PICTURE_COLUMNS * STAGE_PIECE_WIDTH;    // 640
constexpr int STAGE_PICTURE_HEIGHT = STAGE_PICTURE_ROWS * STAGE_PIECE_HEIGHT;     // 480

// The popup lays the preview over its twenty half-size piece shadows and
// under their bevels, so it is exactly half the picture.
constexpr int STAGE_PREVIEW_WIDTH = STAGE_PICTURE_WIDTH / 2;     // 320
constexpr int STAGE_PREVIEW_HEIGHT = STAGE_PICTURE_HEIGHT / 2;   // 240
// The thumbnail under the puzzle is drawn from (432, 639): a quarter of the
// picture, centred on the screen and ending above its bottom edge.
constexpr int STAGE_THUMB_WIDTH = STAGE_PICTURE_WIDTH / 4;       // 160
constexpr int STAGE_THUMB_HEIGHT = STAGE_PICTURE_HEIGHT / 4;     // 120

// All three files are loaded with this mask colour: in a picture without an
// alpha channel every pixel of exactly this colour is transparent.
constexpr int STAGE_PICTURE_MASK_RED = 255;
constexpr int STAGE_PICTURE_MASK_GREEN = 255;
constexpr int STAGE_PICTURE_MASK_BLUE = 0;

// "data/puzzles/m" + stage + "/" + file, for stage 1..12 and file "0bg.png",
// "preview.png" or "preview2.png".
inline std::string StagePicturePath(int stage, const char* file) {
    return "data/puzzles/m" + std::to_string(stage) + "/" + file;
}
