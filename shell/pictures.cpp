#include "shell/pictures.h"

TImage LoadPicture(const std::string& path) {
    TImage image = LoadImageFile(path);
    if (!image) PrintLine("error LoadIm " + path);
    return image;
}

TImage LoadPictureStrip(const std::string& path, int cellWidth, int cellHeight, int count) {
    TImage image = LoadImageStrip(path, cellWidth, cellHeight, 0, count);
    if (!image) PrintLine("error LoadAnimIm " + path);
    return image;
}

void DrawPicture(TImage image, float x, float y) {
    if (image) PaintImage(image, x, y, 0);
}

void DrawPictureFrame(TImage image, float x, float y, int frame, int lastFrame) {
    if (image && frame >= 0 && frame <= lastFrame) PaintImage(image, x, y, frame);
}
