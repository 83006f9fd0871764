// The floor of the benchmark figures: an empty SDL window of the game's size,
// cleared and shown at 40 frames per second, with SDL's default renderer or
// (second argument "software") SDL's software renderer shown through X's
// shared memory, as the game draws where OpenGL is a software rasteriser.
// What the game costs above these figures is the game's own.
#include <SDL.h>

#include <time.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include "tests/bench/bench_measure.h"

int main(int argc, char** argv) {
    int frames = argc > 1 ? std::atoi(argv[1]) : 400;
    int software = argc > 2 && std::strcmp(argv[2], "software") == 0;
    if (software) {
        SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        std::printf("empty window: SDL_Init: %s\n", SDL_GetError());
        return 1;
    }
    SDL_Window* window = SDL_CreateWindow("floor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600,
                                          SDL_WINDOW_SHOWN);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED) : nullptr;
    if (!renderer) {
        std::printf("empty window: %s\n", SDL_GetError());
        return 1;
    }
    SDL_RendererInfo info;
    SDL_GetRendererInfo(renderer, &info);
    TFrameFigures figures;
    double memoryAt10 = -1.0;
    Uint64 start = SDL_GetPerformanceCounter(), frequency = SDL_GetPerformanceFrequency();
    for (int frame = 0; frame <= frames || memoryAt10 < 0.0; frame++) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        SDL_RenderPresent(renderer);
        if (frame == 0) std::printf("empty window (%s): process start to first shown frame %.1f ms\n", info.name,
                                    SinceProcessStartMs());
        if (frame <= frames) CountShownFrame(figures);
        if (memoryAt10 < 0.0 && SinceProcessStartMs() >= 10000.0) memoryAt10 = ResidentMegabytes();
        // The next tick of a 40 Hz clock, as the game waits for it.
        Uint64 next = start + (frame + 1) * frequency / 40;
        for (;;) {
            Uint64 now = SDL_GetPerformanceCounter();
            if (now >= next) break;
            int64_t left = static_cast<int64_t>((next - now) * 1000000 / frequency);
            if (left > 300) std::this_thread::sleep_for(std::chrono::microseconds(left - 200));
            else std::this_thread::yield();
        }
    }
    std::string name = std::string("empty window (") + info.name + ")";
    PrintFrameFigures(name, figures, 1);
    std::printf("%s: resident memory at 10 s %.1f MB\n", name.c_str(), memoryAt10);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
