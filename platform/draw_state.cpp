// The global drawing state: colour, alpha, blend mode, scale, rotation,
// viewport and clear colour, and the clearing of the viewport.
#include <algorithm>
#include <cmath>

#include "platform/platform.h"
#include "platform/platform_internal.h"

TDrawState drawState;

void ResetDrawState() {
    drawState = TDrawState{};
    drawState.viewWidth = logicalWidth;
    drawState.viewHeight = logicalHeight;
}

void ApplyViewport() {
    if (!gameRenderer) return;
    if (ownDrawing) {
        ApplyOwnClip();
        return;
    }
    int left = static_cast<int>(std::lround(drawState.viewX + drawShiftX));
    int top = static_cast<int>(std::lround(drawState.viewY + drawShiftY));
    int right = static_cast<int>(std::lround(drawState.viewX + drawState.viewWidth + drawShiftX));
    int bottom = static_cast<int>(std::lround(drawState.viewY + drawState.viewHeight + drawShiftY));
    SDL_Rect clip{left, top, right - left, bottom - top};
    SDL_RenderSetClipRect(gameRenderer, &clip);
}

void SetViewport(int x, int y, int width, int height) {
    // Clipped to the logical screen; an empty rectangle hides every drawing.
    int x0 = std::clamp(x, 0, logicalWidth);
    int y0 = std::clamp(y, 0, logicalHeight);
    int x1 = std::clamp(x + std::max(width, 0), 0, logicalWidth);
    int y1 = std::clamp(y + std::max(height, 0), 0, logicalHeight);
    drawState.viewX = x0;
    drawState.viewY = y0;
    drawState.viewWidth = x1 - x0;
    drawState.viewHeight = y1 - y0;
    ApplyViewport();
}

void SetClearColor(int red, int green, int blue) {
    drawState.clearRed = std::clamp(red, 0, 255);
    drawState.clearGreen = std::clamp(green, 0, 255);
    drawState.clearBlue = std::clamp(blue, 0, 255);
}

// Most screens begin with a picture over the whole screen, which makes the
// clear one more pass over every pixel for nothing: the clear waits for the
// next drawing and is dropped when that drawing replaces all of it.
static struct {
    int waiting = 0;
    SDL_Rect rect{};
    Uint8 red = 0, green = 0, blue = 0;
} pendingClear;

void DropPendingClear() {
    pendingClear.waiting = 0;
}

void FlushPendingClear() {
    if (!pendingClear.waiting) return;
    pendingClear.waiting = 0;
    if (!DisplayIsOpen()) return;
    const SDL_Rect& r = pendingClear.rect;
    if (ownDrawing) {
        FillOwnFrame(r.x, r.y, r.w, r.h,
                     (uint32_t{pendingClear.red} << 16) | (uint32_t{pendingClear.green} << 8) | pendingClear.blue);
        return;
    }
    SDL_SetRenderDrawBlendMode(gameRenderer, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(gameRenderer, pendingClear.red, pendingClear.green, pendingClear.blue, 255);
    SDL_FRect shifted{r.x + drawShiftX, r.y + drawShiftY, static_cast<float>(r.w), static_cast<float>(r.h)};
    SDL_RenderFillRectF(gameRenderer, &shifted);
}

void SettlePendingClear(TImage image, float alpha, const TDrawnRect& place) {
    const int replaces = drawState.blend == BLEND_SOLID ||
                         (image->opaque && (drawState.blend == BLEND_MASK ||
                                            (drawState.blend == BLEND_ALPHA && alpha >= 1.0f)));
    if (replaces && drawState.rotation == 0.0f &&
        PendingClearInside(place.left, place.top, place.left + place.width, place.top + place.height)) {
        DropPendingClear();   // every pixel of the clear is replaced by this picture
    } else {
        FlushPendingClear();
    }
}

int PendingClearInside(float left, float top, float right, float bottom) {
    if (!pendingClear.waiting) return 0;
    const SDL_Rect& r = pendingClear.rect;
    int inView = r.x >= drawState.viewX && r.y >= drawState.viewY && r.x + r.w <= drawState.viewX + drawState.viewWidth &&
                 r.y + r.h <= drawState.viewY + drawState.viewHeight;
    return inView && left <= r.x && top <= r.y && right >= r.x + r.w && bottom >= r.y + r.h;
}

void Cls() {
    if (!DisplayIsOpen()) return;
    if (drawState.viewWidth <= 0 || drawState.viewHeight <= 0) return;
    FlushPendingClear();
    pendingClear.waiting = 1;
    pendingClear.rect = SDL_Rect{drawState.viewX, drawState.viewY, drawState.viewWidth, drawState.viewHeight};
    pendingClear.red = static_cast<Uint8>(drawState.clearRed);
    pendingClear.green = static_cast<Uint8>(drawState.clearGreen);
    pendingClear.blue = static_cast<Uint8>(drawState.clearBlue);
}

void SetColor(int red, int green, int blue) {
    drawState.red = std::clamp(red, 0, 255);
    drawState.green = std::clamp(green, 0, 255);
    drawState.blue = std::clamp(blue, 0, 255);
}

void CurrentColor(int& red, int& green, int& blue) {
    red = drawState.red;
    green = drawState.green;
    blue = drawState.blue;
}

// Kept as given; drawing uses it clamped to 0..1.
void SetAlpha(float alpha) {
    drawState.alpha = alpha;
}

float CurrentAlpha() {
    return drawState.alpha;
}

void SetBlend(int mode) {
    if (mode >= BLEND_MASK && mode <= BLEND_SHADE) drawState.blend = mode;
}

int CurrentBlend() {
    return drawState.blend;
}

void SetDrawScale(float scaleX, float scaleY) {
    drawState.scaleX = scaleX;
    drawState.scaleY = scaleY;
}

void CurrentScale(float& scaleX, float& scaleY) {
    scaleX = drawState.scaleX;
    scaleY = drawState.scaleY;
}

void SetDrawRotation(float degrees) {
    drawState.rotation = degrees;
}

float CurrentRotation() {
    return drawState.rotation;
}
