#include "tests/bench/bench_measure.h"

#include <time.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

double ClockSeconds(int clock) {
    timespec now{};
    clock_gettime(static_cast<clockid_t>(clock), &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

double ProcessStartSeconds() {
    // Field 22 of the stat line, in clock ticks since boot.
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

double SinceProcessStartMs() {
    static const double start = ProcessStartSeconds();
    return (ClockSeconds(CLOCK_BOOTTIME) - start) * 1000.0;
}

// A figure of /proc/self/status, in megabytes.
static double StatusMegabytes(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const size_t length = std::char_traits<char>::length(field);
    while (std::getline(status, line)) {
        if (line.compare(0, length, field) == 0) return std::strtod(line.c_str() + length, nullptr) / 1024.0;
    }
    return -1.0;
}

double ResidentMegabytes() {
    return StatusMegabytes("VmRSS:");
}

double PeakResidentMegabytes() {
    return StatusMegabytes("VmHWM:");
}

double CpuSeconds() {
    return ClockSeconds(CLOCK_PROCESS_CPUTIME_ID);
}

void CountShownFrame(TFrameFigures& figures) {
    double now = ClockSeconds(CLOCK_MONOTONIC), cpu = CpuSeconds();
    if (figures.lastShown >= 0.0) {
        figures.intervals.push_back((now - figures.lastShown) * 1000.0);
        figures.cpuSeconds += cpu - figures.lastCpu;
        figures.frames++;
    }
    figures.lastShown = now;
    figures.lastCpu = cpu;
}

void PrintFrameFigures(const std::string& name, const TFrameFigures& figures, int withPacing) {
    if (figures.frames <= 0) return;
    double sum = 0.0, over = 0.0;
    for (double v : figures.intervals) sum += v;
    double mean = sum / figures.intervals.size();
    double squares = 0.0;
    int late = 0;
    for (double v : figures.intervals) {
        squares += (v - mean) * (v - mean);
        if (v > 30.0) late++;
        if (v > over) over = v;
    }
    double sd = std::sqrt(squares / figures.intervals.size());
    std::printf("%-34s CPU %6.2f ms/frame", name.c_str(), figures.cpuSeconds * 1000.0 / figures.frames);
    if (withPacing)
        std::printf(", %5.2f fps, interval sd %.2f ms, longest %.1f ms, %d over 30 ms (of %d)", 1000.0 / mean, sd,
                    over, late, figures.frames);
    std::printf("\n");
}
