// Drawing with the game's own rasteriser where SDL would draw in software: the
// frame in memory, its clip rectangle, the clear, the pictures, and the frame
// shown: in a window it is the window's surface itself, on the logical screen
// a texture that SDL's software renderer copies scaled into the window.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/platform.h"
#include "platform/platform_internal.h"
#include "platform/pointer_map.h"

int ownDrawing = 0;
TRasterFrame ownFrame;
static std::vector<uint32_t> ownPixels;
static SDL_Texture* ownTexture = nullptr;

// Logical units to frame pixels: the letterbox's scale and offset when drawing
// straight to the window, one to one on the logical screen.
static double OutScaleX() {
    return drawToWindow ? static_cast<double>(outputWidth) / logicalWidth : 1.0;
}

static double OutScaleY() {
    return drawToWindow ? static_cast<double>(outputHeight) / logicalHeight : 1.0;
}

static int OutShiftX() {
    return drawToWindow ? outputX : 0;
}

static int OutShiftY() {
    return drawToWindow ? outputY : 0;
}

static int FrameColumn(double logicalX) {
    return static_cast<int>(std::lround(logicalX * OutScaleX())) + OutShiftX();
}

static int FrameRow(double logicalY) {
    return static_cast<int>(std::lround(logicalY * OutScaleY())) + OutShiftY();
}

// SDL's software renderer lends the memory of a streaming texture itself, so
// the frame is drawn straight into it and shown without a copy of its own;
// the lock holds from one Flip to the next. Where the lent rows are not
// packed, the frame is drawn into memory of its own and copied at Flip.
static int LockOwnTexture() {
    void* lent = nullptr;
    int pitch = 0;
    if (!ownPixels.empty() || SDL_LockTexture(ownTexture, nullptr, &lent, &pitch) != 0) return 0;
    if (pitch != ownFrame.width * 4) {
        SDL_UnlockTexture(ownTexture);
        return 0;
    }
    ownFrame.pixels = static_cast<uint32_t*>(lent);
    return 1;
}

// In a window the frame can be the window's own surface, which the software
// renderer shows anyway: the frame is then drawn where it is shown, with no
// copy at all.
static SDL_Surface* ownSurface = nullptr;

// The frame's texture and memory let go of, before the frame moves elsewhere.
static void DropOwnFrame() {
    if (ownTexture) SDL_DestroyTexture(ownTexture);
    ownTexture = nullptr;
    ownSurface = nullptr;
    std::vector<uint32_t>().swap(ownPixels);
    ownFrame = TRasterFrame{};
}

// A new frame starts black, the letterbox's bars with it.
static void StartOwnFrame() {
    std::fill(ownFrame.pixels, ownFrame.pixels + static_cast<size_t>(ownFrame.width) * ownFrame.height, 0xFF000000u);
    ApplyOwnClip();
}

static int OpenOnWindowSurface(int width, int height) {
    SDL_Surface* surface = drawToWindow && gameWindow ? SDL_GetWindowSurface(gameWindow) : nullptr;
    if (!surface || surface->w != width || surface->h != height || surface->pitch != width * 4 ||
        surface->format->format != SDL_PIXELFORMAT_RGB888 || SDL_MUSTLOCK(surface))
        return 0;
    if (ownSurface == surface && ownFrame.pixels == surface->pixels && ownFrame.width == width &&
        ownFrame.height == height)
        return 1;
    DropOwnFrame();
    ownSurface = surface;
    ownFrame.width = width;
    ownFrame.height = height;
    ownFrame.pixels = static_cast<uint32_t*>(surface->pixels);
    StartOwnFrame();
    return 1;
}

int OpenOwnFrame() {
    const int width = drawToWindow ? outputTotalWidth : logicalWidth;
    const int height = drawToWindow ? outputTotalHeight : logicalHeight;
    if (!gameRenderer || width <= 0 || height <= 0) return 0;
    if (OpenOnWindowSurface(width, height)) return 1;
    if (ownTexture && ownFrame.width == width && ownFrame.height == height) return 1;
    DropOwnFrame();
    ownTexture = SDL_CreateTexture(gameRenderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!ownTexture) return 0;
    SDL_SetTextureBlendMode(ownTexture, SDL_BLENDMODE_NONE);
    // The logical screen of headless runs is shown scaled into their window.
    SDL_SetTextureScaleMode(ownTexture, SDL_ScaleModeLinear);
    ownFrame.width = width;
    ownFrame.height = height;
    if (!LockOwnTexture()) {
        ownPixels.resize(static_cast<size_t>(width) * height);
        ownFrame.pixels = ownPixels.data();
    }
    StartOwnFrame();
    return 1;
}

// The texture died with its renderer.
void CloseOwnFrame() {
    ownTexture = nullptr;
    ownSurface = nullptr;
    std::vector<uint32_t>().swap(ownPixels);
    ownFrame = TRasterFrame{};
    ownDrawing = 0;
}

void ApplyOwnClip() {
    ownFrame.clipLeft = std::clamp(FrameColumn(drawState.viewX), 0, ownFrame.width);
    ownFrame.clipTop = std::clamp(FrameRow(drawState.viewY), 0, ownFrame.height);
    ownFrame.clipRight = std::clamp(FrameColumn(drawState.viewX + drawState.viewWidth), ownFrame.clipLeft, ownFrame.width);
    ownFrame.clipBottom = std::clamp(FrameRow(drawState.viewY + drawState.viewHeight), ownFrame.clipTop, ownFrame.height);
}

void FillOwnFrame(int left, int top, int width, int height, uint32_t rgb) {
    RasterFill(ownFrame, FrameColumn(left), FrameRow(top), FrameColumn(left + width), FrameRow(top + height), rgb);
}

void PresentOwnFrame() {
    if (ownSurface) {
        SDL_UpdateWindowSurface(gameWindow);
        return;
    }
    if (!ownTexture) return;
    const int lent = ownPixels.empty();
    if (lent) SDL_UnlockTexture(ownTexture);
    else SDL_UpdateTexture(ownTexture, nullptr, ownPixels.data(), ownFrame.width * 4);
    SDL_RenderSetClipRect(gameRenderer, nullptr);
    if (drawToWindow) {
        SDL_RenderCopy(gameRenderer, ownTexture, nullptr, nullptr);
    } else {
        int outW = 0, outH = 0;
        SDL_GetRendererOutputSize(gameRenderer, &outW, &outH);
        SDL_SetRenderDrawColor(gameRenderer, 0, 0, 0, 255);
        SDL_RenderClear(gameRenderer);
        SDL_Rect dest;
        LetterboxRect(outW, outH, logicalWidth, logicalHeight, dest.x, dest.y, dest.w, dest.h);
        SDL_RenderCopy(gameRenderer, ownTexture, nullptr, &dest);
    }
    SDL_RenderPresent(gameRenderer);
    if (lent && !LockOwnTexture()) {
        // Lent no more: the frame goes on in memory of its own.
        ownPixels.assign(static_cast<size_t>(ownFrame.width) * ownFrame.height, 0xFF000000u);
        ownFrame.pixels = ownPixels.data();
    }
}

int ReadOwnPixels(int x, int y, int width, int height, uint32_t* out) {
    if (!ownFrame.pixels || x < 0 || y < 0 || width <= 0 || height <= 0 || x + width > ownFrame.width ||
        y + height > ownFrame.height)
        return 0;
    for (int row = 0; row < height; row++) {
        const uint32_t* from = ownFrame.pixels + static_cast<size_t>(y + row) * ownFrame.width + x;
        std::copy(from, from + width, out + static_cast<size_t>(row) * width);
    }
    return 1;
}

static int PrepareOwnImage(TImage image) {
    if (!HavePixels(image)) return 0;
    if (image->textureDirty) {
        NoteAlphaKinds(image);
        image->fitMade.clear();
        image->rowReach.clear();
        image->textureDirty = 0;
    }
    return 1;
}

static TRasterPicture FrameOf(TImage image, int frame) {
    const size_t first = static_cast<size_t>(image->frameY[frame]) * image->sheetWidth + image->frameX[frame];
    return TRasterPicture{image->pixels.data() + first, image->sheetWidth, image->width, image->height,
                          image->filtered, image->opaque};
}

// The frame resampled to the output's pixels, made the first time it is drawn.
static TRasterPicture FittedFrame(TImage image, int frame) {
    const int w = std::max(1, static_cast<int>(std::lround(image->width * OutScaleX())));
    const int h = std::max(1, static_cast<int>(std::lround(image->height * OutScaleY())));
    const size_t frameSize = static_cast<size_t>(w) * h;
    if (image->fitOutputWidth != outputWidth || image->fitOutputHeight != outputHeight || image->fitWidth != w ||
        image->fitHeight != h || image->fitMade.size() != static_cast<size_t>(image->frameCount)) {
        image->fitPixels.assign(frameSize * image->frameCount, 0);
        image->fitMade.assign(image->frameCount, 0);
        image->fitWidth = w;
        image->fitHeight = h;
        image->fitOutputWidth = outputWidth;
        image->fitOutputHeight = outputHeight;
    }
    uint32_t* fitted = image->fitPixels.data() + frameSize * frame;
    if (!image->fitMade[frame]) {
        RasterResample(FrameOf(image, frame), fitted, w, h);
        image->fitMade[frame] = 1;
    }
    return TRasterPicture{fitted, w, w, h, image->filtered, image->opaque};
}

void OwnPaintImage(TImage image, float x, float y, int frame) {
    if (!ownFrame.pixels || !PrepareOwnImage(image)) return;
    const float alpha = std::clamp(drawState.alpha, 0.0f, 1.0f);
    TRasterPaint paint;
    paint.blend = drawState.blend;
    paint.red = drawState.red;
    paint.green = drawState.green;
    paint.blue = drawState.blue;
    paint.alpha = static_cast<int>(alpha * 255.0f + 0.5f);
    if (paint.blend == BLEND_MASK) {
        paint.maskCut = MaskCut(alpha);
        if (paint.maskCut > 255) return;
    }
    // Blended at alpha 0, or added in black, a picture changes no pixel: the
    // faded ends of the effects cost nothing.
    if ((paint.blend == BLEND_ALPHA || paint.blend == BLEND_LIGHT) && paint.alpha == 0) return;
    if (paint.blend == BLEND_LIGHT && paint.red == 0 && paint.green == 0 && paint.blue == 0) return;
    const TDrawnRect place = PlaceDrawing(image, x, y);
    if (OutsideViewport(place)) return;
    SettlePendingClear(image, alpha, place);

    const float sx = drawState.scaleX, sy = drawState.scaleY;
    if (drawState.rotation == 0.0f && std::fabs(sx) == 1.0f && std::fabs(sy) == 1.0f) {
        // Unscaled: placed on whole pixels and copied texel for pixel.
        const int fitted = OutScaleX() != 1.0 || OutScaleY() != 1.0;
        const TRasterPicture picture = fitted ? FittedFrame(image, frame) : FrameOf(image, frame);
        RasterCopy(ownFrame, picture, FrameColumn(place.left), FrameRow(place.top), sx < 0, sy < 0, paint);
        return;
    }
    // Texel (u, v) goes to the handle's place plus its offset from the handle,
    // scaled (mirrored by a negative scale), turned clockwise, and then taken
    // into frame pixels.
    const double turn = drawState.rotation * 3.14159265358979323846 / 180.0;
    const double c = std::cos(turn), s = std::sin(turn);
    const double outX = OutScaleX(), outY = OutScaleY();
    const double hx = image->handle_x, hy = image->handle_y;
    const double m[6] = {
        sx * c * outX, -sy * s * outX, (x - hx * sx * c + hy * sy * s) * outX + OutShiftX(),
        sx * s * outY, sy * c * outY,  (y - hx * sx * s - hy * sy * c) * outY + OutShiftY(),
    };
    TRasterPicture picture = FrameOf(image, frame);
    if ((paint.blend == BLEND_ALPHA || paint.blend == BLEND_LIGHT) && !image->opaque &&
        ReachFits(image->width, image->height)) {
        const size_t perFrame = static_cast<size_t>(ReachSize(image->height));
        if (image->rowReach.size() != perFrame * image->frameCount) {
            image->rowReach.resize(perFrame * image->frameCount);
            for (int f = 0; f < image->frameCount; f++) RasterRowReach(FrameOf(image, f), &image->rowReach[perFrame * f]);
        }
        picture.reach = &image->rowReach[perFrame * frame];
    }
    if (image->resampled && (paint.blend == BLEND_ALPHA || paint.blend == BLEND_LIGHT)) {
        // Placed on whole pixels, as unscaled pictures are: the copy is the
        // drawing itself with the handle there.
        const TResampledKey key{image->serial, frame, image->filtered, {m[0], m[1], m[3], m[4]}, hx, hy};
        int handleX = 0, handleY = 0;
        if (const TRasterPicture* copy = ResampledCopy(*image, key, picture, handleX, handleY)) {
            const long column = std::lround(x * outX + OutShiftX()), row = std::lround(y * outY + OutShiftY());
            RasterCopy(ownFrame, *copy, static_cast<int>(column) - handleX, static_cast<int>(row) - handleY, 0, 0,
                       paint);
            return;
        }
    }
    RasterMap(ownFrame, picture, m, paint);
}
