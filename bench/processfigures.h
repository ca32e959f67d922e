#pragma once

#include <cstdint>
#include <string>
#include <sys/types.h>
#include <vector>

namespace zub::bench {

// What /proc tells about a running process: its memory and the processor time it has used so far.
struct ProcessMemory
{
    std::int64_t residentKiB = 0; // VmRSS
    std::int64_t peakKiB = 0;     // VmHWM
};

// Reads VmRSS and VmHWM of process pid (0: this process); zeros when the process is gone.
ProcessMemory ReadProcessMemory(pid_t pid = 0);

// The threads and the open file descriptors of process pid (0: this process); zeros when it is gone.
struct ProcessHandles
{
    int threads = 0;
    int openFiles = 0;
};
ProcessHandles ReadProcessHandles(pid_t pid = 0);

// User plus system processor time of process pid (0: this process) in seconds, all its threads together;
// a negative value when the process is gone.
double ReadProcessCpuSeconds(pid_t pid = 0);

// Seconds on the monotonic clock.
double MonotonicSeconds();

// Order statistics of a set of samples.
struct Spread
{
    double min = 0;
    double median = 0;
    double p99 = 0;
    double max = 0;
};

// The spread of samples; all zeros when there are none. Percentiles take the nearest rank.
Spread SpreadOf(std::vector<double> samples);

// One line of a figures table: what was measured, its value, the goal and whether the value meets it.
void PrintHeader(const std::string& title);
void PrintRow(const std::string& figure, const std::string& value, const std::string& goal = {},
              const std::string& verdict = {});
std::string Milliseconds(double seconds);
std::string Verdict(bool met);

} // namespace zub::bench
