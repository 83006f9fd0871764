// Pictures: loading, strips, made pictures, handles and pixel access. Changes
// to the pixels mark the texture dirty and the next drawing uploads them; a
// picture whose pixels nobody reads drops them after the upload.
#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/platform.h"
#include "platform/platform_internal.h"

static uint32_t maskKey = 0x000000;   // RGB of the mask colour
static int autoCentre = 0;

void SetMaskKey(int red, int green, int blue) {
    maskKey = (static_cast<uint32_t>(std::clamp(red, 0, 255)) << 16) |
              (static_cast<uint32_t>(std::clamp(green, 0, 255)) << 8) | static_cast<uint32_t>(std::clamp(blue, 0, 255));
}

void CurrentMaskKey(int& red, int& green, int& blue) {
    red = static_cast<int>((maskKey >> 16) & 0xFFu);
    green = static_cast<int>((maskKey >> 8) & 0xFFu);
    blue = static_cast<int>(maskKey & 0xFFu);
}

void SetAutoCentre(int flag) {
    autoCentre = flag ? 1 : 0;
}

int AutoCentre() {
    return autoCentre;
}

int DecodePicture(const std::string& path, TImageData& image) {
    int ok = 0;
    if (TakeDecodedAhead(path, image, ok)) return ok;
    return DecodePictureFile(path, image);
}

// Reads a PNG or JPEG file, told apart by its first bytes.
int DecodePictureFile(const std::string& path, TImageData& image) {
    std::string real = ResolvePath(path);
    FILE* file = std::fopen(real.c_str(), "rb");
    if (!file) return 0;
    unsigned char magic[4] = {0, 0, 0, 0};
    size_t got = std::fread(magic, 1, 4, file);
    std::fclose(file);
    if (got < 4) return 0;
    int width = 0, height = 0, hasAlpha = 0;
    int ok = 0;
    if (magic[0] == 0x89 && magic[1] == 'P' && magic[2] == 'N' && magic[3] == 'G') {
        ok = DecodePng(real, image.pixels, width, height, hasAlpha);
    } else if (magic[0] == 0xFF && magic[1] == 0xD8) {
        ok = DecodeJpeg(real, image.pixels, width, height);
    }
    if (!ok || width <= 0 || height <= 0) return 0;
    image.sheetWidth = width;
    image.sheetHeight = height;
    image.hasAlpha = hasAlpha;
    image.sourcePath = real;
    return 1;
}

void ApplyMask(TImageData& image, uint32_t key) {
    image.sourceMaskKey = key;
    if (!image.masked || image.hasAlpha) return;
    for (uint32_t& p : image.pixels) {
        if ((p & 0xFFFFFFu) == key) p &= 0x00FFFFFFu;
        else p |= 0xFF000000u;
    }
}

static void PlaceHandle(TImageData& image) {
    if (autoCentre) {
        image.handle_x = image.width * 0.5f;
        image.handle_y = image.height * 0.5f;
    }
}

TImage LoadImageFile(const std::string& path, int flags) {
    TImage image = new TImageData;
    if (!DecodePicture(path, *image)) {
        delete image;
        return nullptr;
    }
    image->masked = flags == -1 || (flags & 2) != 0;
    image->filtered = flags == -1 || (flags & 1) != 0;
    ApplyMask(*image, maskKey);
    image->width = image->sheetWidth;
    image->height = image->sheetHeight;
    image->frameCount = 1;
    image->frameX.assign(1, 0);
    image->frameY.assign(1, 0);
    PlaceHandle(*image);
    return image;
}

TImage LoadImageStrip(const std::string& path, int cellWidth, int cellHeight, int firstCell, int cellCount) {
    if (cellWidth <= 0 || cellHeight <= 0 || cellCount <= 0 || firstCell < 0) return nullptr;
    TImage image = new TImageData;
    if (!DecodePicture(path, *image)) {
        delete image;
        return nullptr;
    }
    int columns = image->sheetWidth / cellWidth;
    int rows = image->sheetHeight / cellHeight;
    int available = columns * rows - firstCell;
    if (columns <= 0 || rows <= 0 || available <= 0) {
        delete image;
        return nullptr;
    }
    image->masked = 1;
    image->filtered = 1;
    ApplyMask(*image, maskKey);
    image->width = cellWidth;
    image->height = cellHeight;
    image->frameCount = std::min(cellCount, available);
    for (int f = 0; f < image->frameCount; f++) {
        int cell = firstCell + f;
        image->frameX.push_back((cell % columns) * cellWidth);
        image->frameY.push_back((cell / columns) * cellHeight);
    }
    PlaceHandle(*image);
    return image;
}

void FreeImage(TImage& image) {
    if (!image) return;
    ReleaseImageTextures(image);
    delete image;
    image = nullptr;
}

void CentreImageHandle(TImage image) {
    if (!image) return;
    image->handle_x = image->width * 0.5f;
    image->handle_y = image->height * 0.5f;
}

void SetImageAnchor(TImage image, float x, float y) {
    if (!image) return;
    image->handle_x = x;
    image->handle_y = y;
}

int ImageFrames(TImage image) {
    return image ? image->frameCount : 0;
}

float ImageHandleX(TImage image) {
    return image ? image->handle_x : 0.0f;
}

float ImageHandleY(TImage image) {
    return image ? image->handle_y : 0.0f;
}

int ImageHasAlpha(TImage image) {
    return image ? image->hasAlpha : 0;
}

int ImageLoadFlags(TImage image) {
    return image ? (image->filtered ? 1 : 0) | (image->masked ? 2 : 0) : 0;
}

void KeepResampledCopies(TImage image) {
    if (image) image->resampled = 1;
}

void SetImageFiltered(TImage image, int flag) {
    if (!image) return;
    image->filtered = flag ? 1 : 0;
    if (image->textureGeneration != rendererGeneration) return;   // the next upload sets it
    SDL_ScaleMode mode = image->filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
    if (image->texture) SDL_SetTextureScaleMode(static_cast<SDL_Texture*>(image->texture), mode);
    if (image->maskTexture) SDL_SetTextureScaleMode(static_cast<SDL_Texture*>(image->maskTexture), mode);
}

int HavePixels(TImage image) {
    if (!image) return 0;
    if (!image->pixels.empty()) return 1;
    if (image->sourcePath.empty()) return 0;
    TImageData fresh;
    if (!DecodePicture(image->sourcePath, fresh)) return 0;
    if (fresh.sheetWidth != image->sheetWidth || fresh.sheetHeight != image->sheetHeight) return 0;
    fresh.masked = image->masked;
    ApplyMask(fresh, image->sourceMaskKey);
    image->pixels.swap(fresh.pixels);
    return 1;
}

// The pixels of a picture the game reads stay in memory from now on.
static int KeepPixels(TImage image) {
    if (!HavePixels(image)) return 0;
    image->keepPixels = 1;
    return 1;
}

// Frames are laid out in rows of a sheet no wider than about 4096 pixels.
TImage MakeImage(int width, int height, int frames) {
    if (width <= 0 || height <= 0) return nullptr;
    if (frames <= 0) frames = 1;
    TImage image = new TImageData;
    int columns = std::clamp(4096 / width, 1, frames);
    int rows = (frames + columns - 1) / columns;
    image->width = width;
    image->height = height;
    image->sheetWidth = columns * width;
    image->sheetHeight = rows * height;
    image->pixels.assign(static_cast<size_t>(image->sheetWidth) * image->sheetHeight, 0);
    image->frameCount = frames;
    image->hasAlpha = 1;
    image->masked = 1;
    image->filtered = 1;
    image->keepPixels = 1;   // made to be composed: there is no file to read them again from
    for (int f = 0; f < frames; f++) {
        image->frameX.push_back((f % columns) * width);
        image->frameY.push_back((f / columns) * height);
    }
    PlaceHandle(*image);
    return image;
}

static uint32_t* PixelAt(TImage image, int frame, int x, int y) {
    if (!image || frame < 0 || frame >= image->frameCount) return nullptr;
    if (image->pixels.empty() && !KeepPixels(image)) return nullptr;
    image->keepPixels = 1;
    if (x < 0 || y < 0 || x >= image->width || y >= image->height) return nullptr;
    size_t index = static_cast<size_t>(image->frameY[frame] + y) * image->sheetWidth + image->frameX[frame] + x;
    if (index >= image->pixels.size()) return nullptr;
    return &image->pixels[index];
}

// The upload and the resampled copies are out of date.
static void PixelsChanged(TImage image) {
    image->textureDirty = 1;
    image->serial = NextImageSerial();
}

uint32_t ImagePixel(TImage image, int frame, int x, int y) {
    uint32_t* p = PixelAt(image, frame, x, y);
    return p ? *p : 0;
}

void SetImagePixel(TImage image, int frame, int x, int y, uint32_t argb) {
    uint32_t* p = PixelAt(image, frame, x, y);
    if (!p) return;
    *p = argb;
    PixelsChanged(image);
}

void PasteImage(TImage dst, int dstFrame, TImage src, int srcFrame, int x, int y) {
    if (!dst || !src || srcFrame < 0 || srcFrame >= src->frameCount) return;
    if (dstFrame < 0 || dstFrame >= dst->frameCount) return;
    for (int v = 0; v < src->height; v++) {
        for (int u = 0; u < src->width; u++) {
            uint32_t* to = PixelAt(dst, dstFrame, x + u, y + v);
            if (to) *to = ImagePixel(src, srcFrame, u, v);
        }
    }
    PixelsChanged(dst);
}

void GrabToImage(TImage image, int x, int y, int frame) {
    if (!image || frame < 0 || frame >= image->frameCount || !DisplayIsOpen()) return;
    int x0 = std::max(x, 0), y0 = std::max(y, 0);
    int x1 = std::min(x + image->width, logicalWidth), y1 = std::min(y + image->height, logicalHeight);
    if (x1 <= x0 || y1 <= y0) return;
    std::vector<uint32_t> grabbed;
    if (!ReadLogicalRect(x0, y0, x1 - x0, y1 - y0, grabbed)) return;
    for (int v = 0; v < y1 - y0; v++) {
        for (int u = 0; u < x1 - x0; u++) {
            uint32_t* to = PixelAt(image, frame, x0 - x + u, y0 - y + v);
            if (to) *to = grabbed[static_cast<size_t>(v) * (x1 - x0) + u];
        }
    }
    PixelsChanged(image);
}

int ImageWidth(TImage image) {
    return image ? image->width : 0;
}

int ImageHeight(TImage image) {
    return image ? image->height : 0;
}
