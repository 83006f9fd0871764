// Start-up and frame figures of the game, headless: the time from process
// start to the first shown frame, and the CPU time of one pass of the loop.
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "map/map.h"
#include "platform/platform.h"
#include "shell/shell.h"
#include "tables/shell_tables.h"

static double Seconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

// Seconds since boot at which this process started (field 22 of its stat line).
static double ProcessStartSeconds() {
    std::ifstream stat("/proc/self/stat");
    std::string line;
    std::getline(stat, line);
    size_t close = line.rfind(')');
    if (close == std::string::npos) return -1.0;
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    for (int i = 3; i <= 22 && fields >> field; i++) {
        if (i == 22) return std::strtod(field.c_str(), nullptr) / static_cast<double>(sysconf(_SC_CLK_TCK));
    }
    return -1.0;
}

// The working folder is the run folder, or the one given as the first argument.
int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("SDL_RENDER_DRIVER", "software", 0);
    char pattern[] = "/tmp/gld-bench-XXXXXX";
    if (!mkdtemp(pattern)) return 1;
    setenv("XDG_DATA_HOME", pattern, 1);
    setenv("XDG_RUNTIME_DIR", pattern, 1);
    if (chdir(argc > 1 ? argv[1] : GLD_RUN_DIR) != 0) std::printf("note: no run folder, pictures will be missing\n");

    double processStart = ProcessStartSeconds();
    double mainStart = Seconds(CLOCK_BOOTTIME);
    int ready = PrepareGame();
    if (ready != GAME_READY) {
        std::printf("start-up did not finish (result %d); is the data folder built?\n", ready);
        return 1;
    }
    UseVirtualTime(1);
    RunLoopPass(0);
    double firstFrame = Seconds(CLOCK_BOOTTIME);
    if (processStart >= 0)
        std::printf("process start to first shown frame: %.1f ms\n", (firstFrame - processStart) * 1000.0);
    std::printf("main() to first shown frame: %.1f ms\n", (firstFrame - mainStart) * 1000.0);

    const int FRAMES = 400;
    double cpuBefore = Seconds(CLOCK_PROCESS_CPUTIME_ID);
    for (int i = 0; i < FRAMES; i++) RunLoopPass(0);
    double cpuTitle = Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpuBefore;
    std::printf("CPU time of one frame on the branding and title screens: %.3f ms (%d frames)\n",
                cpuTitle * 1000.0 / FRAMES, FRAMES);

    EnterMap();
    cpuBefore = Seconds(CLOCK_PROCESS_CPUTIME_ID);
    for (int i = 0; i < FRAMES; i++) RunLoopPass(0);
    double cpuQuiet = Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpuBefore;
    std::printf("CPU time of one frame of the bare loop (map screen): %.3f ms (%d frames)\n",
                cpuQuiet * 1000.0 / FRAMES, FRAMES);
    PlatformShutdown();
    std::error_code ignored;
    std::filesystem::remove_all(pattern, ignored);
    return 0;
}
