// State shared by the SDL backend's files: the window, the renderer and the
// drawing state. Only files of the platform folder include this header.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/raster.h"

// A number no other picture has had, nor the same picture before its pixels changed.
uint64_t NextImageSerial();

// One picture cut into equal frames. The decoded pixels are needed until the
// upload; after it they are kept only for pictures whose pixels the game reads
// (hit tests, composed pictures, read pixels) and read again from the file
// when a new renderer or a mask copy needs them.
struct TImageData {
    int width = 0;            // of one frame, in pixels
    int height = 0;
    float handle_x = 0.0f;    // frame point placed at the drawing position
    float handle_y = 0.0f;
    int frameCount = 0;
    int masked = 0;           // load flags
    int filtered = 0;
    int hasAlpha = 0;         // 0: counts as fully covered for ImagesOverlap
    int sheetWidth = 0;       // the whole decoded picture
    int sheetHeight = 0;
    std::vector<uint32_t> pixels;   // sheetWidth * sheetHeight, 0xAARRGGBB; empty when dropped
    std::vector<int> frameX;        // top-left of each frame inside the sheet
    std::vector<int> frameY;
    std::string sourcePath;         // the file the pixels come from; empty for made pictures
    uint32_t sourceMaskKey = 0;     // the mask colour the file was loaded with
    int keepPixels = 0;             // 1: the game reads or changes the pixels
    int opaque = 0;                 // every pixel has alpha 255
    int binaryAlpha = 0;            // every alpha is 0 or 255: the mask copy is the picture itself
    void* texture = nullptr;        // backend's device picture
    void* maskTexture = nullptr;    // thresholded copy for BLEND_MASK
    int maskCutLow = 0;             // the copy serves the cuts above low
    int maskCutHigh = -1;           // up to high (picture alpha, 0..255)
    void* fitTexture[2] = {nullptr, nullptr};   // a big picture made once at the output's pixels, as is and mirrored
    int fitWidth = 0, fitHeight = 0;
    int fitOutputWidth = 0, fitOutputHeight = 0;   // the letterbox it was made for
    // Drawn by the game's rasteriser into a window of another size: each frame
    // resampled once to the output's pixels (fitWidth x fitHeight), so that a
    // picture drawn unscaled is copied pixel for pixel; made when first drawn.
    std::vector<uint32_t> fitPixels;
    std::vector<uint8_t> fitMade;   // per frame
    std::vector<uint16_t> rowReach; // every frame's texel rows' reach (RasterRowReach), made when first drawn
    int textureDirty = 1;           // pixels changed since the upload
    int textureGeneration = 0;      // renderer the textures were made for
    uint64_t serial = NextImageSerial();   // new again whenever the pixels change
    int resampled = 0;              // 1: drawn scaled or turned from resampled copies
    std::vector<int> copySlots;     // where its copies may be (ResampledCopy)
};

// The drawing state of the game (one set, global).
struct TDrawState {
    int red = 255, green = 255, blue = 255;
    float alpha = 1.0f;
    int blend = BLEND_MASK;
    float scaleX = 1.0f, scaleY = 1.0f;
    float rotation = 0.0f;
    int viewX = 0, viewY = 0, viewWidth = 1024, viewHeight = 768;
    int clearRed = 0, clearGreen = 0, clearBlue = 0;
};

extern TDrawState drawState;
extern SDL_Window* gameWindow;
extern SDL_Renderer* gameRenderer;
extern SDL_Texture* screenTarget;      // the logical screen, when drawing goes through one
extern int drawToWindow;               // 1: drawing goes straight to the window, scaled
extern int outputX, outputY;           // where the logical screen lies in the output pixels
// The letterbox offset in logical units, added to every drawing straight to
// the window: SDL's software renderer misplaces rotated copies in a viewport
// that does not start at the corner, so the viewport stays the whole output.
extern float drawShiftX, drawShiftY;
extern int outputWidth, outputHeight;
extern int outputTotalWidth, outputTotalHeight;   // the whole output, bars included
// 1: the frames are drawn by the game's rasteriser into `ownFrame`, which
// Flip hands to SDL's software renderer to show.
extern int ownDrawing;
extern TRasterFrame ownFrame;
extern int rendererGeneration;         // changes every time the renderer is replaced
extern int logicalWidth, logicalHeight;
extern int pointerBaseWidth, pointerBaseHeight;   // units of PointerX/PointerY
extern int sdlStarted;

// Resets the drawing state to its values at display opening.
void ResetDrawState();
// Applies the viewport as the renderer's clip rectangle (after target changes).
void ApplyViewport();
// Whether the image's pixels are in memory; reads them from its file again
// when they were dropped after the upload. 0 when there are none.
int HavePixels(TImage image);
// Makes sure the image's textures belong to the current renderer and hold its pixels.
int PrepareImageTextures(TImage image);
// Notes whether every pixel is opaque and whether every alpha is 0 or 255.
void NoteAlphaKinds(TImage image);
// Releases the device textures of an image (when they belong to the current renderer).
void ReleaseImageTextures(TImage image);
// Reads a PNG or JPEG file into the image's sheet (pixels, size, alpha),
// or takes it from the pictures decoded ahead.
int DecodePicture(const std::string& path, TImageData& image);
int DecodePictureFile(const std::string& path, TImageData& image);
// 1 when the path was decoded ahead (waiting for it if it is being decoded),
// its result in ok; 0 when the caller decodes it.
int TakeDecodedAhead(const std::string& path, TImageData& image, int& ok);
// Masked pictures without their own alpha lose every pixel of the mask colour.
void ApplyMask(TImageData& image, uint32_t key);
// A clear asked for by Cls and not yet done: the first drawing either covers
// it whole (and it is dropped) or has it done first.
void FlushPendingClear();
void DropPendingClear();
// 1 when a clear waits and lies inside the logical rectangle and the viewport.
int PendingClearInside(float left, float top, float right, float bottom);
// Whether the renderer is SDL's software one.
int IsSoftwareRenderer();
// Where a drawing of `image` with its handle at (x, y) lies, in logical
// units, under the drawing scale (a negative scale mirrors around the handle).
struct TDrawnRect {
    float left, top, width, height;
    float handleX, handleY;   // the handle's place inside that rectangle
};
TDrawnRect PlaceDrawing(TImage image, float x, float y);
// Whether that drawing, turned around its handle, lies wholly outside the viewport.
int OutsideViewport(const TDrawnRect& place);
// The least picture alpha BLEND_MASK draws at the drawing alpha; 256: none.
int MaskCut(float alpha);
// Before a drawing: the pending clear is dropped when the drawing replaces
// every pixel of it, and done first otherwise.
void SettlePendingClear(TImage image, float alpha, const TDrawnRect& place);
// The game's rasteriser: the frame sized for the open display (the logical
// screen, or the window's output pixels when drawing straight to the window),
// its clip rectangle from the viewport, a logical rectangle filled, a picture
// drawn, the frame shown, and output pixels read back.
int OpenOwnFrame();
void CloseOwnFrame();
void ApplyOwnClip();
void FillOwnFrame(int left, int top, int width, int height, uint32_t rgb);
void OwnPaintImage(TImage image, float x, float y, int frame);
// A picture's resampled copy (platform/resampled_copies.cpp): the frame drawn
// through the linear part of a drawing's map, alpha kept, the handle on pixel
// (handleX, handleY) of the copy; made on first use, nullptr when too large.
struct TResampledKey {
    uint64_t serial;
    int frame, filtered;
    double linear[4];          // texel offsets from the handle to frame pixels
    double handleU, handleV;   // the handle, in texels
};
const TRasterPicture* ResampledCopy(TImageData& image, const TResampledKey& key, const TRasterPicture& picture,
                                    int& handleX, int& handleY);
void DropResampledCopies();
void PresentOwnFrame();
int ReadOwnPixels(int x, int y, int width, int height, uint32_t* out);
// Places the logical screen in the window's output pixels (drawing straight
// to the window); again after every change of the window's size.
void ApplyOutputMapping();
// Draws into the screen again (the window or the logical screen texture).
void RestoreDrawTarget();
// Reads a logical rectangle of the finished picture, 0xAARRGGBB, opaque; 1 on success.
int ReadLogicalRect(int x, int y, int width, int height, std::vector<uint32_t>& out);
// Decoders: fill pixels as 0xAARRGGBB; 0 on failure.
int DecodePng(const std::string& path, std::vector<uint32_t>& pixels, int& width, int& height, int& hasAlpha);
int DecodePngBytes(const unsigned char* bytes, size_t size, std::vector<uint32_t>& pixels, int& width, int& height,
                   int& hasAlpha);
int DecodeJpeg(const std::string& path, std::vector<uint32_t>& pixels, int& width, int& height);
// Called once per PumpEvents: keeps channels moving when there is no audio device.
void UpdateSilentAudio();
// Starts and stops the audio device (from PlatformInit and PlatformShutdown).
void OpenAudioDevice();
void CloseAudioDevice();
