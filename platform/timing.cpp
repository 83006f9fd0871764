// Tick timers and the game clock. Tick k of a timer falls at a fixed time after
// its creation, so waiting for the next tick never drifts; a late frame finds
// the tick already passed and goes on at once, which brings the loop back in
// step. In virtual time the clock only moves when asked to.
#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <thread>

#include "platform/platform.h"

struct TTickTimer {
    int ticksPerSecond = 0;
    int64_t start = 0;     // game clock in microseconds
    int64_t lastWait = 0;  // tick count at the previous wait
};

static const int MAX_TIMERS = 32;
static TTickTimer timers[MAX_TIMERS + 1];
static int timerCount = 0;
static int virtualTime = 0;
static int64_t virtualNow = 0;
static int64_t realOffset = 0;    // game clock minus real clock, kept across switches
static uint64_t clockOrigin = 0;

static int64_t RealMicros() {
    uint64_t now = SDL_GetPerformanceCounter();
    if (clockOrigin == 0) clockOrigin = now;
    static const uint64_t frequency = SDL_GetPerformanceFrequency();
    uint64_t elapsed = now - clockOrigin;
    return static_cast<int64_t>(elapsed / frequency * 1000000u + (elapsed % frequency) * 1000000u / frequency);
}

static int64_t GameMicros() {
    return virtualTime ? virtualNow : RealMicros() + realOffset;
}

static int64_t TicksAt(const TTickTimer& timer, int64_t now) {
    return (now - timer.start) * timer.ticksPerSecond / 1000000;
}

// The first moment at which the timer shows `tick` ticks.
static int64_t TimeOfTick(const TTickTimer& timer, int64_t tick) {
    int64_t offset = (tick * 1000000 + timer.ticksPerSecond - 1) / timer.ticksPerSecond;
    return timer.start + offset;
}

void UseVirtualTime(int flag) {
    if (flag && !virtualTime) {
        virtualNow = GameMicros();
        virtualTime = 1;
    } else if (!flag && virtualTime) {
        realOffset = virtualNow - RealMicros();
        virtualTime = 0;
    }
}

void AdvanceVirtualTime(int64_t milliseconds) {
    if (virtualTime && milliseconds > 0) virtualNow += milliseconds * 1000;
}

int64_t Millisecs() {
    return GameMicros() / 1000;
}

TTimer CreateTickTimer(int ticksPerSecond) {
    if (ticksPerSecond <= 0 || timerCount >= MAX_TIMERS) return 0;
    timerCount++;
    TTickTimer& timer = timers[timerCount];
    timer.ticksPerSecond = ticksPerSecond;
    timer.start = GameMicros();
    timer.lastWait = 0;
    return timerCount;
}

int Ticks(TTimer timer) {
    if (timer <= 0 || timer > timerCount) return 0;
    return static_cast<int>(TicksAt(timers[timer], GameMicros()));
}

int Wait(TTimer timer) {
    if (timer <= 0 || timer > timerCount) return 0;
    TTickTimer& t = timers[timer];
    int64_t now = GameMicros();
    int64_t ticks = TicksAt(t, now);
    if (ticks <= t.lastWait) {
        int64_t deadline = TimeOfTick(t, t.lastWait + 1);
        if (virtualTime) {
            virtualNow = deadline;
        } else {
            for (;;) {
                int64_t left = deadline - GameMicros();
                if (left <= 0) break;
                // Sleep to just short of the tick, then yield for the rest:
                // SDL_Delay's whole milliseconds would leave up to two of them
                // to a busy wait, which costs a core at 40 frames a second.
                if (left > 300) std::this_thread::sleep_for(std::chrono::microseconds(left - 200));
                else std::this_thread::yield();
            }
        }
        ticks = TicksAt(t, GameMicros());
    }
    int passed = static_cast<int>(ticks - t.lastWait);
    t.lastWait = ticks;
    return passed;
}
