// Figures shared by the benchmarks: clocks, the process start, resident
// memory and the frame statistics of a paced loop.
#pragma once

#include <string>
#include <vector>

double ClockSeconds(int clock);           // a clock_gettime clock, in seconds
double ProcessStartSeconds();             // boot-time clock at which this process started
double SinceProcessStartMs();             // now, in milliseconds after the process started
double ResidentMegabytes();               // VmRSS of this process
double PeakResidentMegabytes();           // VmHWM: the most it has been resident
double CpuSeconds();                      // of the whole process, every thread

// Frame intervals and CPU time over a run of frames.
struct TFrameFigures {
    std::vector<double> intervals;        // milliseconds between shown frames
    double cpuSeconds = 0.0;
    int frames = 0;
    double lastShown = -1.0;              // seconds, monotonic clock
    double lastCpu = 0.0;
};

// Call once after every shown frame; the first call only starts the clocks.
void CountShownFrame(TFrameFigures& figures);
// "name: cpu x ms/frame, y fps, interval sd z ms, n over 30 ms (of N)".
void PrintFrameFigures(const std::string& name, const TFrameFigures& figures, int withPacing);
