// State shared by the SDL backend's files: the window, the renderer and the
// drawing state. Only files of the platform folder include this header.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

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
extern SDL_Texture* screenTarget;      // the logical screen everything is drawn on
extern int rendererGeneration;         // changes every time the renderer is replaced
extern int logicalWidth, logicalHeight;
extern int pointerBaseWidth, pointerBaseHeight;   // units of PointerX/PointerY
extern int sdlStarted;

// Resets the drawing state to its values at display opening.
void ResetDrawState();
// Applies the viewport as the renderer's clip rectangle (after target changes).
void ApplyViewport();
// Makes sure the image's textures belong to the current renderer and hold its pixels.
int PrepareImageTextures(TImage image);
// Releases the device textures of an image (when they belong to the current renderer).
void ReleaseImageTextures(TImage image);
// Decoders: fill pixels as 0xAARRGGBB; 0 on failure.
int DecodePng(const std::string& path, std::vector<uint32_t>& pixels, int& width, int& height, int& hasAlpha);
int DecodeJpeg(const std::string& path, std::vector<uint32_t>& pixels, int& width, int& height);
// Called once per PumpEvents: keeps channels moving when there is no audio device.
void UpdateSilentAudio();
// Starts and stops the audio device (from PlatformInit and PlatformShutdown).
void OpenAudioDevice();
void CloseAudioDevice();
