#include "shell/pictures.h"

#include "tables/sizes.h"

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

void DrawMirroredFrame(TImage left, TImage top, TImage bottom, float edgeX, float bottomY) {
    const float right = static_cast<float>(SCREEN_WIDTH);
    SetDrawScale(1.0f, 1.0f);
    DrawPicture(left, 0, 0);
    DrawPicture(top, edgeX, 0);
    DrawPicture(bottom, edgeX, bottomY);
    SetDrawScale(-1.0f, 1.0f);
    DrawPicture(left, right, 0);
    DrawPicture(top, right - edgeX, 0);
    DrawPicture(bottom, right - edgeX, bottomY);
    SetDrawScale(1.0f, 1.0f);
}
