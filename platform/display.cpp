// The game window, its renderer and the logical screen texture. Everything is
// drawn on a texture of the logical size; Flip shows it scaled and letterboxed.
#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/platform.h"
#include "platform/platform_internal.h"

SDL_Window* gameWindow = nullptr;
SDL_Renderer* gameRenderer = nullptr;
SDL_Texture* screenTarget = nullptr;
int rendererGeneration = 1;
int logicalWidth = 1024, logicalHeight = 768;
int pointerBaseWidth = 800, pointerBaseHeight = 600;
int sdlStarted = 0;

static std::string windowTitle = "Glimmerdeep";
static int currentVsync = -1;
static std::string platformError;

// Keeps the system's reason of a failure for PlatformError; returns 0.
static int Failed(const char* step) {
    platformError = std::string(step) + ": " + SDL_GetError();
    return 0;
}

std::string PlatformError() {
    return platformError;
}

// SDL's drivers that draw into memory only. With no display server to reach,
// SDL settles on one of them by itself and the game would run where nobody can
// see or end it; they serve only when named in SDL_VIDEODRIVER (headless runs).
static int ShowsNothing(const std::string& driver) {
    return driver == "offscreen" || driver == "dummy" || driver == "evdev";
}

int PlatformInit() {
    if (sdlStarted) return 1;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) return Failed("SDL_Init");
    const char* driver = SDL_GetCurrentVideoDriver();
    std::string chosen = driver ? driver : "";
    if (ShowsNothing(chosen) && EnvironmentValue("SDL_VIDEODRIVER").empty()) {
        platformError = "only SDL's " + chosen + " driver started, which shows nothing";
        SDL_Quit();
        return 0;
    }
    platformError.clear();
    sdlStarted = 1;
    OpenAudioDevice();
    return 1;
}

void PlatformShutdown() {
    if (!sdlStarted) return;
    CloseDisplay();
    CloseAudioDevice();
    SDL_Quit();
    sdlStarted = 0;
}

static int CreateScreenTarget() {
    if (screenTarget) SDL_DestroyTexture(screenTarget);
    screenTarget = SDL_CreateTexture(gameRenderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                     logicalWidth, logicalHeight);
    if (!screenTarget) return 0;
    SDL_SetTextureBlendMode(screenTarget, SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(screenTarget, SDL_ScaleModeLinear);
    SDL_SetRenderTarget(gameRenderer, screenTarget);
    SDL_SetRenderDrawBlendMode(gameRenderer, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(gameRenderer, 0, 0, 0, 255);
    SDL_RenderSetClipRect(gameRenderer, nullptr);
    SDL_RenderClear(gameRenderer);
    ApplyViewport();
    return 1;
}

void CloseDisplay() {
    // Destroying the renderer destroys every texture made with it; images
    // notice the new generation and upload their kept pixels again.
    if (gameRenderer) SDL_DestroyRenderer(gameRenderer);
    if (gameWindow) SDL_DestroyWindow(gameWindow);
    gameRenderer = nullptr;
    gameWindow = nullptr;
    screenTarget = nullptr;
    rendererGeneration++;
    currentVsync = -1;
}

int OpenDisplay(int width, int height, int depth, int rate) {
    (void)rate;
    if (!sdlStarted && !PlatformInit()) return 0;
    CloseDisplay();
    Uint32 flags = SDL_WINDOW_SHOWN;
    if (depth != 0) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
        pointerBaseWidth = logicalWidth;
        pointerBaseHeight = logicalHeight;
    } else {
        pointerBaseWidth = width > 0 ? width : 800;
        pointerBaseHeight = height > 0 ? height : 600;
    }
    gameWindow = SDL_CreateWindow(windowTitle.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  width > 0 ? width : 800, height > 0 ? height : 600, flags);
    if (!gameWindow) return Failed("SDL_CreateWindow");
    gameRenderer = SDL_CreateRenderer(gameWindow, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE);
    if (!gameRenderer) gameRenderer = SDL_CreateRenderer(gameWindow, -1, SDL_RENDERER_SOFTWARE);
    if (!gameRenderer) {
        Failed("SDL_CreateRenderer");
        SDL_DestroyWindow(gameWindow);
        gameWindow = nullptr;
        return 0;
    }
    ResetDrawState();
    if (!CreateScreenTarget()) {
        Failed("screen texture");
        CloseDisplay();
        return 0;
    }
    SDL_StartTextInput();
    platformError.clear();
    return 1;
}

int DisplayIsOpen() {
    return gameRenderer != nullptr && screenTarget != nullptr;
}

void SetWindowTitle(const std::string& title) {
    windowTitle = title;
    if (gameWindow) SDL_SetWindowTitle(gameWindow, title.c_str());
}

void SetLogicalResolution(int width, int height) {
    if (width <= 0 || height <= 0) return;
    if (width == logicalWidth && height == logicalHeight && screenTarget) return;
    logicalWidth = width;
    logicalHeight = height;
    if (gameWindow && (SDL_GetWindowFlags(gameWindow) & SDL_WINDOW_FULLSCREEN_DESKTOP)) {
        pointerBaseWidth = width;
        pointerBaseHeight = height;
    }
    drawState.viewX = 0;
    drawState.viewY = 0;
    drawState.viewWidth = width;
    drawState.viewHeight = height;
    if (gameRenderer) CreateScreenTarget();
}

void MinimiseWindow() {
    if (gameWindow) SDL_MinimizeWindow(gameWindow);
}

// The logical picture scaled to fit the output, centred, black bars around.
static SDL_Rect LetterboxRect(int outW, int outH) {
    double scale = std::min(static_cast<double>(outW) / logicalWidth, static_cast<double>(outH) / logicalHeight);
    SDL_Rect rect;
    rect.w = static_cast<int>(logicalWidth * scale + 0.5);
    rect.h = static_cast<int>(logicalHeight * scale + 0.5);
    rect.x = (outW - rect.w) / 2;
    rect.y = (outH - rect.h) / 2;
    return rect;
}

void Flip(int sync) {
    if (!DisplayIsOpen()) return;
    if (sync != currentVsync) {
        SDL_RenderSetVSync(gameRenderer, sync ? 1 : 0);
        currentVsync = sync;
    }
    SDL_SetRenderTarget(gameRenderer, nullptr);
    SDL_RenderSetClipRect(gameRenderer, nullptr);
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(gameRenderer, &outW, &outH);
    SDL_SetRenderDrawBlendMode(gameRenderer, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(gameRenderer, 0, 0, 0, 255);
    SDL_RenderClear(gameRenderer);
    SDL_Rect dest = LetterboxRect(outW, outH);
    SDL_RenderCopy(gameRenderer, screenTarget, nullptr, &dest);
    SDL_RenderPresent(gameRenderer);
    SDL_SetRenderTarget(gameRenderer, screenTarget);
    ApplyViewport();
}

int ReadScreenPixels(std::vector<uint32_t>& out, int& width, int& height) {
    width = 0;
    height = 0;
    out.clear();
    if (!DisplayIsOpen()) return 0;
    SDL_SetRenderTarget(gameRenderer, screenTarget);
    out.resize(static_cast<size_t>(logicalWidth) * logicalHeight);
    if (SDL_RenderReadPixels(gameRenderer, nullptr, SDL_PIXELFORMAT_ARGB8888, out.data(), logicalWidth * 4) != 0) {
        out.clear();
        return 0;
    }
    for (uint32_t& p : out) p |= 0xFF000000u;
    width = logicalWidth;
    height = logicalHeight;
    return 1;
}

void ShowMessageBox(const std::string& title, const std::string& text) {
    if (!gameWindow) return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(), gameWindow);
}

void ShowPointer() {
    if (sdlStarted) SDL_ShowCursor(SDL_ENABLE);
}

void HidePointer() {
    if (sdlStarted) SDL_ShowCursor(SDL_DISABLE);
}
