// Drawing pictures: device textures made from the decoded pixels, and the
// paint transform (scale, mirroring and rotation around the handle).
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/platform.h"
#include "platform/platform_internal.h"

static SDL_Texture* MakeTexture(TImage image, const uint32_t* pixels) {
    SDL_Texture* texture = SDL_CreateTexture(gameRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                             image->sheetWidth, image->sheetHeight);
    if (!texture) return nullptr;
    SDL_UpdateTexture(texture, nullptr, pixels, image->sheetWidth * 4);
    SDL_SetTextureScaleMode(texture, image->filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    return texture;
}

// Once uploaded, the pixels of a picture loaded from a file that nobody reads
// are only memory: they are read from the file again if ever needed.
static void DropUnreadPixels(TImage image) {
    if (image->keepPixels || image->sourcePath.empty() || !image->texture) return;
    std::vector<uint32_t>().swap(image->pixels);
}

static void ReleaseFitTexture(TImage image) {
    for (void*& fit : image->fitTexture) {
        if (fit && image->textureGeneration == rendererGeneration && gameRenderer)
            SDL_DestroyTexture(static_cast<SDL_Texture*>(fit));
        fit = nullptr;
    }
}

void ReleaseImageTextures(TImage image) {
    if (!image) return;
    ReleaseFitTexture(image);
    if (image->textureGeneration == rendererGeneration && gameRenderer) {
        if (image->texture) SDL_DestroyTexture(static_cast<SDL_Texture*>(image->texture));
        if (image->maskTexture) SDL_DestroyTexture(static_cast<SDL_Texture*>(image->maskTexture));
    }
    image->texture = nullptr;
    image->maskTexture = nullptr;
    image->textureDirty = 1;
}

void NoteAlphaKinds(TImage image) {
    image->opaque = 1;
    image->binaryAlpha = 1;
    for (uint32_t p : image->pixels) {
        uint32_t a = p >> 24;
        if (a != 255) image->opaque = 0;
        if (a != 0 && a != 255) {
            image->binaryAlpha = 0;
            break;
        }
    }
}

int PrepareImageTextures(TImage image) {
    if (!image || !gameRenderer || image->sheetWidth <= 0 || image->sheetHeight <= 0) return 0;
    if (image->textureGeneration != rendererGeneration) {
        // The textures died with their renderer.
        image->texture = nullptr;
        image->maskTexture = nullptr;
        image->fitTexture[0] = image->fitTexture[1] = nullptr;
        image->textureDirty = 1;
        image->textureGeneration = rendererGeneration;
    }
    if (image->textureDirty) {
        if (!HavePixels(image)) return 0;
        ReleaseFitTexture(image);
        if (image->maskTexture) SDL_DestroyTexture(static_cast<SDL_Texture*>(image->maskTexture));
        image->maskTexture = nullptr;
        NoteAlphaKinds(image);
        image->fitMade.clear();
        image->rowReach.clear();
        if (image->texture) {
            SDL_UpdateTexture(static_cast<SDL_Texture*>(image->texture), nullptr, image->pixels.data(),
                              image->sheetWidth * 4);
        } else {
            image->texture = MakeTexture(image, image->pixels.data());
        }
        image->textureDirty = 0;
        DropUnreadPixels(image);
    }
    return image->texture != nullptr;
}

// A pixel is skipped when its alpha times the drawing alpha is below one half.
int MaskCut(float alpha) {
    if (alpha <= 0.0f) return 256;
    auto drawn = [alpha](int a) { return a * static_cast<double>(alpha) >= 127.5; };
    int cut = static_cast<int>(std::ceil(127.5 / alpha));
    cut = std::clamp(cut, 0, 256);
    while (cut > 0 && drawn(cut - 1)) cut--;
    while (cut < 256 && !drawn(cut)) cut++;
    return cut;
}

// The thresholded copy drawn in BLEND_MASK: alpha 255 where the picture's alpha
// reaches the cut, 0 elsewhere, so blending either copies or skips. The copy
// is remade only when a new cut would change it: every cut between two alpha
// values the picture holds gives the same copy, so a picture whose alpha is
// only 0 or 255 is cut once whatever the drawing alpha.
// A picture whose alpha is all 0 or 255 is its own thresholded copy.
static SDL_Texture* MaskTexture(TImage image, int cut) {
    if (image->binaryAlpha) return static_cast<SDL_Texture*>(image->texture);
    if (image->maskTexture && cut > image->maskCutLow && cut <= image->maskCutHigh)
        return static_cast<SDL_Texture*>(image->maskTexture);
    if (!HavePixels(image)) return nullptr;
    std::vector<uint32_t> copy(image->pixels);
    int low = -1, high = 256;   // nearest alpha values held below and at or above the cut
    for (uint32_t& p : copy) {
        int a = static_cast<int>(p >> 24);
        if (a >= cut) {
            high = std::min(high, a);
            p |= 0xFF000000u;
        } else {
            low = std::max(low, a);
            p &= 0x00FFFFFFu;
        }
    }
    if (image->maskTexture) {
        SDL_UpdateTexture(static_cast<SDL_Texture*>(image->maskTexture), nullptr, copy.data(), image->sheetWidth * 4);
    } else {
        image->maskTexture = MakeTexture(image, copy.data());
    }
    image->maskCutLow = low;
    image->maskCutHigh = high;
    return static_cast<SDL_Texture*>(image->maskTexture);
}

// Pictures this big, drawn unscaled (or only mirrored), are made once into a
// copy at the output's pixels, mirrored when drawn mirrored, and then copied
// pixel for pixel: filtering a big picture anew every frame is the dearest
// thing a software rasteriser does, and SDL's software renderer mirrors a
// picture by turning a whole copy of it. Other renderers mirror for nothing,
// and a picture at the output's size already is its own copy.
static const int FIT_MIN_PIXELS = 128 * 128;

static float FitScaleX() {
    return drawToWindow ? static_cast<float>(outputWidth) / logicalWidth : 1.0f;
}

static float FitScaleY() {
    return drawToWindow ? static_cast<float>(outputHeight) / logicalHeight : 1.0f;
}

static SDL_Texture* FittedTexture(TImage image, SDL_Texture* source, int mirrored) {
    if (image->frameCount != 1 || source != image->texture) return nullptr;
    if (image->width * image->height < FIT_MIN_PIXELS) return nullptr;
    const int sameSize = !drawToWindow || (outputWidth == logicalWidth && outputHeight == logicalHeight);
    if (mirrored ? !IsSoftwareRenderer() : sameSize) return nullptr;
    if (image->fitOutputWidth != outputWidth || image->fitOutputHeight != outputHeight) ReleaseFitTexture(image);
    if (image->fitTexture[mirrored]) return static_cast<SDL_Texture*>(image->fitTexture[mirrored]);
    int w = std::max(1, static_cast<int>(std::lround(image->width * static_cast<double>(FitScaleX()))));
    int h = std::max(1, static_cast<int>(std::lround(image->height * static_cast<double>(FitScaleY()))));
    SDL_Texture* fit = SDL_CreateTexture(gameRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, w, h);
    if (!fit) return nullptr;
    // Scaled as a direct drawing would scale it, alpha and all.
    FlushPendingClear();
    SDL_SetRenderTarget(gameRenderer, fit);
    SDL_RenderSetScale(gameRenderer, 1.0f, 1.0f);
    SDL_RenderSetViewport(gameRenderer, nullptr);
    SDL_SetTextureBlendMode(fit, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(gameRenderer, 0, 0, 0, 0);
    SDL_RenderClear(gameRenderer);
    SDL_SetTextureBlendMode(source, SDL_BLENDMODE_NONE);
    SDL_SetTextureColorMod(source, 255, 255, 255);
    SDL_SetTextureAlphaMod(source, 255);
    SDL_RenderCopyEx(gameRenderer, source, nullptr, nullptr, 0.0, nullptr,
                     mirrored ? SDL_FLIP_HORIZONTAL : SDL_FLIP_NONE);
    RestoreDrawTarget();
    SDL_SetTextureScaleMode(fit, SDL_ScaleModeNearest);
    image->fitTexture[mirrored] = fit;
    image->fitWidth = w;
    image->fitHeight = h;
    image->fitOutputWidth = outputWidth;
    image->fitOutputHeight = outputHeight;
    return fit;
}

TDrawnRect PlaceDrawing(TImage image, float x, float y) {
    const float ax = std::fabs(drawState.scaleX), ay = std::fabs(drawState.scaleY);
    const float handleX = drawState.scaleX > 0 ? image->handle_x * ax : (image->width - image->handle_x) * ax;
    const float handleY = drawState.scaleY > 0 ? image->handle_y * ay : (image->height - image->handle_y) * ay;
    return TDrawnRect{x - handleX, y - handleY, image->width * ax, image->height * ay, handleX, handleY};
}

// A turned drawing is measured by its turned corners. Two pixels of margin
// keep the filtered edges.
int OutsideViewport(const TDrawnRect& place) {
    float left = place.left, top = place.top, right = place.left + place.width, bottom = place.top + place.height;
    if (drawState.rotation != 0.0f) {
        const double turn = drawState.rotation * 3.14159265358979323846 / 180.0;
        const double c = std::cos(turn), s = std::sin(turn);
        const double cx = place.left + place.handleX, cy = place.top + place.handleY;
        const double cornersX[] = {place.left, place.left + place.width, place.left, place.left + place.width};
        const double cornersY[] = {place.top, place.top, place.top + place.height, place.top + place.height};
        left = top = 1e30f;
        right = bottom = -1e30f;
        for (int i = 0; i < 4; i++) {
            const double dx = cornersX[i] - cx, dy = cornersY[i] - cy;
            const float px = static_cast<float>(cx + dx * c - dy * s), py = static_cast<float>(cy + dx * s + dy * c);
            left = std::min(left, px);
            right = std::max(right, px);
            top = std::min(top, py);
            bottom = std::max(bottom, py);
        }
    }
    const float margin = 2.0f;
    return right < drawState.viewX - margin || bottom < drawState.viewY - margin ||
           left > drawState.viewX + drawState.viewWidth + margin || top > drawState.viewY + drawState.viewHeight + margin;
}

// Two textured triangles over the four corners, clockwise from the top left.
// The colour and alpha travel with the corners, so the texture adds none of its own.
static void DrawQuad(SDL_Texture* texture, const SDL_Vertex (&corners)[4]) {
    static const int TRIANGLES[6] = {0, 1, 2, 0, 2, 3};
    SDL_SetTextureColorMod(texture, 255, 255, 255);
    SDL_SetTextureAlphaMod(texture, 255);
    SDL_RenderGeometry(gameRenderer, texture, corners, 4, TRIANGLES, 6);
}

// SDL's software renderer scales a picture that crosses the screen's edge
// whole into a copy before it clips it, and mirrors one by turning a copy of
// it: the glows' tall streaks and the mirrored fish cost more than the rest of
// a frame that way. Clipped to the viewport first and drawn as two textured
// triangles, only the pixels that reach the screen are touched.
static int CrossesViewport(const SDL_FRect& dest) {
    const float left = drawState.viewX + drawShiftX, top = drawState.viewY + drawShiftY;
    return dest.x < left || dest.y < top || dest.x + dest.w > left + drawState.viewWidth ||
           dest.y + dest.h > top + drawState.viewHeight;
}

// `dest` is already shifted into the output; `flip` mirrors the frame
// `source`. The clipped corners stay on whole texels (SDL's triangles take
// their corners' texture coordinates in whole texels), so a clipped side may
// reach less than a texel beyond the viewport, which the triangles clip.
static void PaintClippedQuad(SDL_Texture* texture, const SDL_Rect& source, const SDL_FRect& dest, int flip,
                             Uint8 alpha) {
    int textureWidth = 0, textureHeight = 0;
    if (SDL_QueryTexture(texture, nullptr, nullptr, &textureWidth, &textureHeight) != 0) return;
    const float left = drawState.viewX + drawShiftX, top = drawState.viewY + drawShiftY;
    const float texelW = dest.w / source.w, texelH = dest.h / source.h;
    // The visible texel columns and rows, counted from the drawn left and top.
    const int c0 = std::max(0, static_cast<int>(std::floor((left - dest.x) / texelW)));
    const int c1 = std::min(source.w, static_cast<int>(std::ceil((left + drawState.viewWidth - dest.x) / texelW)));
    const int r0 = std::max(0, static_cast<int>(std::floor((top - dest.y) / texelH)));
    const int r1 = std::min(source.h, static_cast<int>(std::ceil((top + drawState.viewHeight - dest.y) / texelH)));
    if (c0 >= c1 || r0 >= r1) return;
    const float x0 = dest.x + c0 * texelW, x1 = dest.x + c1 * texelW;
    const float y0 = dest.y + r0 * texelH, y1 = dest.y + r1 * texelH;
    auto u = [&](int column) {
        return static_cast<float>(source.x + ((flip & SDL_FLIP_HORIZONTAL) ? source.w - column : column)) / textureWidth;
    };
    auto v = [&](int row) {
        return static_cast<float>(source.y + ((flip & SDL_FLIP_VERTICAL) ? source.h - row : row)) / textureHeight;
    };
    const SDL_Color colour{static_cast<Uint8>(drawState.red), static_cast<Uint8>(drawState.green),
                           static_cast<Uint8>(drawState.blue), alpha};
    SDL_Vertex corners[4] = {{{x0, y0}, colour, {u(c0), v(r0)}},
                             {{x1, y0}, colour, {u(c1), v(r0)}},
                             {{x1, y1}, colour, {u(c1), v(r1)}},
                             {{x0, y1}, colour, {u(c0), v(r1)}}};
    DrawQuad(texture, corners);
}

// SDL's software renderer turns a copy of the whole scaled picture before it
// clips it to the screen: for the title's rays, four times the screen's width,
// that costs more than a frame. Drawn as two textured triangles instead, only
// the pixels that reach the screen are touched. Small pictures keep the copy.
static const float ROTATED_QUAD_MIN_AREA = 128.0f * 128.0f;

static int DrawsRotatedAsQuad(const SDL_FRect& dest) {
    if (drawState.rotation == 0.0f || dest.w * dest.h < ROTATED_QUAD_MIN_AREA) return 0;
    return IsSoftwareRenderer();
}
// The frame `source` of `texture` on `dest`, mirrored by `flip`, turned
// clockwise by the drawing rotation around `centre` (relative to dest), in
// the drawing colour and `alpha` carried by the corners.
static void PaintRotatedQuad(SDL_Texture* texture, const SDL_Rect& source, const SDL_FRect& dest, SDL_FPoint centre,
                             int flip, Uint8 alpha) {
    int textureWidth = 0, textureHeight = 0;
    if (SDL_QueryTexture(texture, nullptr, nullptr, &textureWidth, &textureHeight) != 0) return;
    float u0 = static_cast<float>(source.x) / textureWidth, u1 = static_cast<float>(source.x + source.w) / textureWidth;
    float v0 = static_cast<float>(source.y) / textureHeight, v1 = static_cast<float>(source.y + source.h) / textureHeight;
    if (flip & SDL_FLIP_HORIZONTAL) std::swap(u0, u1);
    if (flip & SDL_FLIP_VERTICAL) std::swap(v0, v1);
    const double radians = drawState.rotation * 3.14159265358979323846 / 180.0;
    const float c = static_cast<float>(std::cos(radians)), s = static_cast<float>(std::sin(radians));
    const float pivotX = dest.x + centre.x, pivotY = dest.y + centre.y;
    const SDL_Color colour{static_cast<Uint8>(drawState.red), static_cast<Uint8>(drawState.green),
                           static_cast<Uint8>(drawState.blue), alpha};
    const float CX[4] = {dest.x, dest.x + dest.w, dest.x + dest.w, dest.x};
    const float CY[4] = {dest.y, dest.y, dest.y + dest.h, dest.y + dest.h};
    const float U[4] = {u0, u1, u1, u0}, V[4] = {v0, v0, v1, v1};
    SDL_Vertex corners[4];
    for (int i = 0; i < 4; i++) {
        const float dx = CX[i] - pivotX, dy = CY[i] - pivotY;
        corners[i].position = SDL_FPoint{pivotX + dx * c - dy * s, pivotY + dx * s + dy * c};
        corners[i].color = colour;
        corners[i].tex_coord = SDL_FPoint{U[i], V[i]};
    }
    DrawQuad(texture, corners);
}

void PaintImage(TImage image, float x, float y, int frame) {
    if (!image || frame < 0 || frame >= image->frameCount || !DisplayIsOpen()) return;
    float sx = drawState.scaleX, sy = drawState.scaleY;
    if (sx == 0.0f || sy == 0.0f) return;
    if (drawState.viewWidth <= 0 || drawState.viewHeight <= 0) return;
    if (ownDrawing) {
        OwnPaintImage(image, x, y, frame);
        return;
    }
    if (!PrepareImageTextures(image)) return;
    float alpha = std::clamp(drawState.alpha, 0.0f, 1.0f);
    SDL_Texture* texture = static_cast<SDL_Texture*>(image->texture);
    SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
    Uint8 alphaMod = static_cast<Uint8>(alpha * 255.0f + 0.5f);
    switch (drawState.blend) {
    case BLEND_MASK: {
        // No blending: a pixel is drawn whole or not at all.
        int cut = MaskCut(alpha);
        if (cut > 255) return;
        texture = MaskTexture(image, cut);
        alphaMod = 255;
        break;
    }
    case BLEND_SOLID: mode = SDL_BLENDMODE_NONE; break;
    case BLEND_LIGHT: mode = SDL_BLENDMODE_ADD; break;
    case BLEND_SHADE: mode = SDL_BLENDMODE_MOD; break;
    default: break;
    }
    if (!texture) return;
    // Blended at alpha 0, or added in black, a picture changes no pixel: the
    // faded ends of the effects cost nothing.
    if ((mode == SDL_BLENDMODE_BLEND || mode == SDL_BLENDMODE_ADD) && alphaMod == 0) return;
    if (mode == SDL_BLENDMODE_ADD && drawState.red == 0 && drawState.green == 0 && drawState.blue == 0) return;

    SDL_Rect source{image->frameX[frame], image->frameY[frame], image->width, image->height};
    const TDrawnRect place = PlaceDrawing(image, x, y);
    if (OutsideViewport(place)) return;
    const float handleX = place.handleX, handleY = place.handleY;
    SDL_FRect dest{place.left, place.top, place.width, place.height};
    // Whether the renderer scales this drawing: a picture that is not copied
    // pixel for pixel.
    int scaled = sx != 1.0f || sy != 1.0f || (drawToWindow && (outputWidth != logicalWidth || outputHeight != logicalHeight));
    if ((sx == 1.0f || sx == -1.0f) && sy == 1.0f && drawState.rotation == 0.0f) {
        if (SDL_Texture* fit = FittedTexture(image, texture, sx < 0)) {
            // Placed on whole output pixels, so that the copy is one to one.
            const float scaleX = FitScaleX(), scaleY = FitScaleY();
            const float shiftX = drawToWindow ? static_cast<float>(outputX) : 0.0f;
            const float shiftY = drawToWindow ? static_cast<float>(outputY) : 0.0f;
            texture = fit;
            source = SDL_Rect{0, 0, image->fitWidth, image->fitHeight};
            dest = SDL_FRect{(std::round(dest.x * scaleX + shiftX) - shiftX) / scaleX,
                             (std::round(dest.y * scaleY + shiftY) - shiftY) / scaleY, image->fitWidth / scaleX,
                             image->fitHeight / scaleY};
            sx = 1.0f;   // the copy is mirrored already
            scaled = 0;
        }
    }
    SDL_SetTextureBlendMode(texture, mode);
    SDL_SetTextureColorMod(texture, static_cast<Uint8>(drawState.red), static_cast<Uint8>(drawState.green),
                           static_cast<Uint8>(drawState.blue));
    SDL_SetTextureAlphaMod(texture, alphaMod);
    SettlePendingClear(image, alpha, TDrawnRect{dest.x, dest.y, dest.w, dest.h, handleX, handleY});
    dest.x += drawShiftX;
    dest.y += drawShiftY;
    int flip = SDL_FLIP_NONE;
    if (sx < 0) flip |= SDL_FLIP_HORIZONTAL;
    if (sy < 0) flip |= SDL_FLIP_VERTICAL;
    if (drawState.rotation == 0.0f && (flip != SDL_FLIP_NONE || (scaled && CrossesViewport(dest))) &&
        IsSoftwareRenderer()) {
        PaintClippedQuad(texture, source, dest, flip, alphaMod);
    } else if (flip == SDL_FLIP_NONE && drawState.rotation == 0.0f) {
        SDL_RenderCopyF(gameRenderer, texture, &source, &dest);
    } else {
        SDL_FPoint centre{handleX, handleY};
        if (DrawsRotatedAsQuad(dest))
            PaintRotatedQuad(texture, source, dest, centre, flip, alphaMod);
        else
            SDL_RenderCopyExF(gameRenderer, texture, &source, &dest, drawState.rotation, &centre,
                              static_cast<SDL_RendererFlip>(flip));
    }
}
