// The game window, its renderer and the way frames reach the window. A real
// window is drawn into directly, every picture scaled as it is drawn, so a
// frame costs one pass over the window's pixels and stays sharp at any size.
// Headless runs draw on a texture of the logical size that Flip shows scaled
// and letterboxed, so that what they read back is exact to the logical pixel.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include <SDL_syswm.h>

#include "platform/platform.h"
#include "platform/platform_internal.h"
#include "platform/pointer_map.h"

SDL_Window* gameWindow = nullptr;
SDL_Renderer* gameRenderer = nullptr;
SDL_Texture* screenTarget = nullptr;
int rendererGeneration = 1;
int logicalWidth = 1024, logicalHeight = 768;
int pointerBaseWidth = 800, pointerBaseHeight = 600;
int sdlStarted = 0;
int drawToWindow = 0;
int outputX = 0, outputY = 0, outputWidth = 0, outputHeight = 0;
float drawShiftX = 0.0f, drawShiftY = 0.0f;

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

static int screenPathWanted = SCREEN_PATH_AUTO;
static int softwareDrawingWanted = SOFTWARE_DRAWING_OWN;
int outputTotalWidth = 0, outputTotalHeight = 0;

int PlatformInit() {
    if (sdlStarted) return 1;
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The software renderer shows its frames through X's shared memory rather
    // than through an OpenGL texture, which would cost a second pass.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
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
    StopDecodingAhead();
    if (!sdlStarted) return;
    CloseDisplay();
    DropResampledCopies();
    CloseAudioDevice();
    SDL_Quit();
    sdlStarted = 0;
}

static int CreateScreenTarget() {
    drawShiftX = drawShiftY = 0.0f;
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

void ApplyOutputMapping() {
    if (!gameRenderer) return;
    if (ownDrawing) {
        SDL_GetRendererOutputSize(gameRenderer, &outputTotalWidth, &outputTotalHeight);
        if (drawToWindow) {
            LetterboxRect(outputTotalWidth, outputTotalHeight, logicalWidth, logicalHeight, outputX, outputY,
                          outputWidth, outputHeight);
        } else {
            outputX = outputY = 0;
            outputWidth = logicalWidth;
            outputHeight = logicalHeight;
        }
        drawShiftX = drawShiftY = 0.0f;
        OpenOwnFrame();   // again at a new size when the window's changed
        ApplyOwnClip();
        return;
    }
    if (!drawToWindow) return;
    SDL_SetRenderTarget(gameRenderer, nullptr);
    SDL_GetRendererOutputSize(gameRenderer, &outputTotalWidth, &outputTotalHeight);
    LetterboxRect(outputTotalWidth, outputTotalHeight, logicalWidth, logicalHeight, outputX, outputY, outputWidth,
                  outputHeight);
    // The scale turns every logical coordinate into output pixels; the shift
    // moves them into the letterbox.
    float scaleX = static_cast<float>(outputWidth) / logicalWidth, scaleY = static_cast<float>(outputHeight) / logicalHeight;
    SDL_RenderSetScale(gameRenderer, 1.0f, 1.0f);
    SDL_RenderSetViewport(gameRenderer, nullptr);
    SDL_RenderSetScale(gameRenderer, scaleX, scaleY);
    drawShiftX = outputX / scaleX;
    drawShiftY = outputY / scaleY;
    ApplyViewport();
}

// Back to the game's own drawing after a picture was drawn into another.
void RestoreDrawTarget() {
    if (!gameRenderer) return;
    if (drawToWindow) {
        ApplyOutputMapping();
        return;
    }
    SDL_SetRenderTarget(gameRenderer, screenTarget);
    SDL_RenderSetScale(gameRenderer, 1.0f, 1.0f);
    ApplyViewport();
}

void SetScreenPath(int path) {
    if (path >= SCREEN_PATH_AUTO && path <= SCREEN_PATH_WINDOW) screenPathWanted = path;
}

void SetSoftwareDrawing(int who) {
    if (who == SOFTWARE_DRAWING_OWN || who == SOFTWARE_DRAWING_SDL) softwareDrawingWanted = who;
}

int ScreenPath() {
    if (!DisplayIsOpen()) return 0;
    return drawToWindow ? SCREEN_PATH_WINDOW : SCREEN_PATH_TARGET;
}

std::string RendererName() {
    SDL_RendererInfo info;
    if (!gameRenderer || SDL_GetRendererInfo(gameRenderer, &info) != 0) return "";
    return ownDrawing ? "the game's own, shown by SDL's software" : info.name;
}

int IsSoftwareRenderer() {
    SDL_RendererInfo info;
    return gameRenderer && SDL_GetRendererInfo(gameRenderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

// SDL's OpenGL renderer is the quick one on a graphics card. Where the X server
// offers no direct rendering (a virtual server, a remote display) OpenGL is
// Mesa's software rasteriser, which spends several times what SDL's own
// software renderer needs for the same picture, and more memory and start-up.
static int OpenGlWouldBeSoftware() {
    const char* forced = SDL_getenv("LIBGL_ALWAYS_SOFTWARE");
    if (forced && *forced && std::strcmp(forced, "0") != 0) return 1;
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || std::strcmp(driver, "x11") != 0 || !gameWindow) return 0;
#if defined(SDL_VIDEO_DRIVER_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(gameWindow, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
    // Asked through the X library SDL has loaded already.
    void* x11 = SDL_LoadObject("libX11.so.6");
    if (!x11) return 0;
    using TQueryExtension = int (*)(Display*, const char*, int*, int*, int*);
    auto query = reinterpret_cast<TQueryExtension>(SDL_LoadFunction(x11, "XQueryExtension"));
    int major = 0, event = 0, error = 0;
    int direct = !query || query(info.info.x11.display, "DRI3", &major, &event, &error) ||
                 query(info.info.x11.display, "DRI2", &major, &event, &error);
    SDL_UnloadObject(x11);
    return !direct;
#else
    return 0;
#endif
}

// Nothing is shown by SDL's headless drivers: the picture is only read back.
static int HeadlessVideo() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0);
}

void CloseDisplay() {
    DropPendingClear();
    // Destroying the renderer destroys every texture made with it; images
    // notice the new generation and upload their pixels again, read from
    // their files when they were dropped after the first upload.
    if (gameRenderer) SDL_DestroyRenderer(gameRenderer);
    if (gameWindow) SDL_DestroyWindow(gameWindow);
    CloseOwnFrame();
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
    // The player may resize the window; on high-density screens the window's
    // pixels are used as they are, the picture letterboxed in them.
    Uint32 flags = SDL_WINDOW_SHOWN | SDL_WINDOW_ALLOW_HIGHDPI;
    if (depth == 0) flags |= SDL_WINDOW_RESIZABLE;
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
    drawToWindow = screenPathWanted == SCREEN_PATH_WINDOW || (screenPathWanted == SCREEN_PATH_AUTO && !HeadlessVideo());
    // SDL's first accelerated renderer (OpenGL where there is one), unless
    // OpenGL would only be a software rasteriser; a renderer named in
    // SDL_RENDER_DRIVER is taken as it is.
    Uint32 rendererFlags = SDL_RENDERER_ACCELERATED | (drawToWindow ? 0 : SDL_RENDERER_TARGETTEXTURE);
    const char* named = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    if ((!named || !*named) && OpenGlWouldBeSoftware())
        gameRenderer = SDL_CreateRenderer(gameWindow, -1, SDL_RENDERER_SOFTWARE);
    if (!gameRenderer) gameRenderer = SDL_CreateRenderer(gameWindow, -1, rendererFlags);
    if (!gameRenderer) gameRenderer = SDL_CreateRenderer(gameWindow, -1, SDL_RENDERER_SOFTWARE);
    if (!gameRenderer) {
        Failed("SDL_CreateRenderer");
        SDL_DestroyWindow(gameWindow);
        gameWindow = nullptr;
        return 0;
    }
    ResetDrawState();
    ownDrawing = softwareDrawingWanted == SOFTWARE_DRAWING_OWN && IsSoftwareRenderer();
    if (ownDrawing) {
        ApplyOutputMapping();
        if (!ownFrame.pixels) {
            Failed("SDL_CreateTexture");
            CloseDisplay();
            return 0;
        }
        SDL_StartTextInput();
        platformError.clear();
        return 1;
    }
    if (!drawToWindow && !CreateScreenTarget()) {
        // A renderer without target textures still draws straight to the window.
        drawToWindow = 1;
    }
    ApplyOutputMapping();
    SDL_StartTextInput();
    platformError.clear();
    return 1;
}

int DisplayIsOpen() {
    return gameRenderer != nullptr && (drawToWindow || screenTarget != nullptr || ownDrawing);
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
    DropPendingClear();
    if (gameRenderer && !drawToWindow && !ownDrawing) CreateScreenTarget();
    ApplyOutputMapping();
}

void MinimiseWindow() {
    if (gameWindow) SDL_MinimizeWindow(gameWindow);
}

// Black over the bars around the letterboxed picture, in output pixels.
static void ClearBars() {
    if (outputX == 0 && outputY == 0 && outputWidth == outputTotalWidth && outputHeight == outputTotalHeight) return;
    SDL_RenderSetScale(gameRenderer, 1.0f, 1.0f);
    SDL_RenderSetViewport(gameRenderer, nullptr);
    SDL_RenderSetClipRect(gameRenderer, nullptr);
    SDL_SetRenderDrawBlendMode(gameRenderer, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(gameRenderer, 0, 0, 0, 255);
    int right = outputX + outputWidth, bottom = outputY + outputHeight;
    SDL_Rect bars[4] = {{0, 0, outputTotalWidth, outputY},
                        {0, bottom, outputTotalWidth, outputTotalHeight - bottom},
                        {0, outputY, outputX, outputHeight},
                        {right, outputY, outputTotalWidth - right, outputHeight}};
    for (const SDL_Rect& bar : bars)
        if (bar.w > 0 && bar.h > 0) SDL_RenderFillRect(gameRenderer, &bar);
}

void Flip(int sync) {
    if (!DisplayIsOpen()) return;
    FlushPendingClear();
    if (sync != currentVsync) {
        SDL_RenderSetVSync(gameRenderer, sync ? 1 : 0);
        currentVsync = sync;
    }
    if (ownDrawing) {
        PresentOwnFrame();
        ApplyOutputMapping();   // the window may have changed size since
        return;
    }
    if (drawToWindow) {
        ClearBars();
        SDL_RenderPresent(gameRenderer);
        ApplyOutputMapping();   // the window may have changed size since
        return;
    }
    SDL_SetRenderTarget(gameRenderer, nullptr);
    SDL_RenderSetClipRect(gameRenderer, nullptr);
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(gameRenderer, &outW, &outH);
    SDL_SetRenderDrawBlendMode(gameRenderer, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(gameRenderer, 0, 0, 0, 255);
    SDL_RenderClear(gameRenderer);
    SDL_Rect dest;
    LetterboxRect(outW, outH, logicalWidth, logicalHeight, dest.x, dest.y, dest.w, dest.h);
    SDL_RenderCopy(gameRenderer, screenTarget, nullptr, &dest);
    SDL_RenderPresent(gameRenderer);
    SDL_SetRenderTarget(gameRenderer, screenTarget);
    ApplyViewport();
}

int ReadLogicalRect(int x, int y, int width, int height, std::vector<uint32_t>& out) {
    out.clear();
    if (!DisplayIsOpen() || width <= 0 || height <= 0) return 0;
    FlushPendingClear();
    out.resize(static_cast<size_t>(width) * height);
    if (!drawToWindow && ownDrawing) {
        if (!ReadOwnPixels(x, y, width, height, out.data())) {
            out.clear();
            return 0;
        }
        for (uint32_t& p : out) p |= 0xFF000000u;
        return 1;
    }
    if (!drawToWindow) {
        SDL_SetRenderTarget(gameRenderer, screenTarget);
        SDL_Rect rect{x, y, width, height};
        int ok = SDL_RenderReadPixels(gameRenderer, &rect, SDL_PIXELFORMAT_ARGB8888, out.data(), width * 4) == 0;
        ApplyViewport();
        if (!ok) {
            out.clear();
            return 0;
        }
        for (uint32_t& p : out) p |= 0xFF000000u;
        return 1;
    }
    // Each logical pixel takes the output pixel under its centre.
    double sx = static_cast<double>(outputWidth) / logicalWidth, sy = static_cast<double>(outputHeight) / logicalHeight;
    auto column = [&](int u) { return std::clamp(outputX + static_cast<int>(std::floor((u + 0.5) * sx)), 0, outputTotalWidth - 1); };
    auto row = [&](int v) { return std::clamp(outputY + static_cast<int>(std::floor((v + 0.5) * sy)), 0, outputTotalHeight - 1); };
    SDL_Rect rect{column(x), row(y), 0, 0};
    rect.w = column(x + width - 1) - rect.x + 1;
    rect.h = row(y + height - 1) - rect.y + 1;
    std::vector<uint32_t> shown(static_cast<size_t>(rect.w) * rect.h);
    int ok = 0;
    if (ownDrawing) {
        ok = ReadOwnPixels(rect.x, rect.y, rect.w, rect.h, shown.data());
    } else {
        SDL_RenderSetScale(gameRenderer, 1.0f, 1.0f);
        SDL_RenderSetViewport(gameRenderer, nullptr);
        ok = SDL_RenderReadPixels(gameRenderer, &rect, SDL_PIXELFORMAT_ARGB8888, shown.data(), rect.w * 4) == 0;
        ApplyOutputMapping();
    }
    if (!ok) {
        out.clear();
        return 0;
    }
    for (int v = 0; v < height; v++) {
        int from = (row(y + v) - rect.y) * rect.w;
        for (int u = 0; u < width; u++)
            out[static_cast<size_t>(v) * width + u] = shown[static_cast<size_t>(from + column(x + u) - rect.x)] | 0xFF000000u;
    }
    return 1;
}

int ReadScreenPixels(std::vector<uint32_t>& out, int& width, int& height) {
    width = 0;
    height = 0;
    if (!ReadLogicalRect(0, 0, logicalWidth, logicalHeight, out)) return 0;
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
