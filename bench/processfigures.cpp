#include "processfigures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace zub::bench {

namespace {

std::string ProcPath(pid_t pid, const char* file)
{
    return pid == 0 ? std::string("/proc/self/") + file : "/proc/" + std::to_string(pid) + "/" + file;
}

double NearestRank(const std::vector<double>& sorted, double fraction)
{
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * double(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

} // namespace

ProcessMemory ReadProcessMemory(pid_t pid)
{
    ProcessMemory memory;
    std::ifstream status(ProcPath(pid, "status"));
    std::string line;
    while (std::getline(status, line)) {
        std::istringstream fields(line);
        std::string key;
        std::int64_t kib = 0;
        fields >> key >> kib;
        if (key == "VmRSS:")
            memory.residentKiB = kib;
        else if (key == "VmHWM:")
            memory.peakKiB = kib;
    }
    return memory;
}

ProcessHandles ReadProcessHandles(pid_t pid)
{
    ProcessHandles handles;
    std::ifstream status(ProcPath(pid, "status"));
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Threads:", 0) == 0)
            handles.threads = std::stoi(line.substr(8));
    }
    std::error_code error;
    for (const auto& fd : std::filesystem::directory_iterator(ProcPath(pid, "fd"), error)) {
        (void)fd;
        ++handles.openFiles;
    }
    return handles;
}

double ReadProcessCpuSeconds(pid_t pid)
{
    std::ifstream stat(ProcPath(pid, "stat"));
    std::string text;
    if (!std::getline(stat, text))
        return -1;
    // The command name may hold spaces: the fields that follow start after its closing parenthesis.
    const std::size_t nameEnd = text.rfind(')');
    if (nameEnd == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(nameEnd + 2));
    std::string field;
    // Fields 3 .. 13 come first; utime and stime are fields 14 and 15.
    for (int skipped = 3; skipped <= 13; ++skipped)
        fields >> field;
    long long utime = 0;
    long long stime = 0;
    fields >> utime >> stime;
    return double(utime + stime) / double(sysconf(_SC_CLK_TCK));
}

double MonotonicSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

Spread SpreadOf(std::vector<double> samples)
{
    if (samples.empty())
        return {};
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    const double median = n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
    return {samples.front(), median, NearestRank(samples, 0.99), samples.back()};
}

void PrintHeader(const std::string& title)
{
    std::printf("\n%s\n", title.c_str());
    std::printf("| %-44s | %-34s | %-14s | %-6s |\n", "figure", "value", "goal", "");
    std::printf("|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(36, '-').c_str(),
                std::string(16, '-').c_str(), std::string(8, '-').c_str());
    std::fflush(stdout);
}

void PrintRow(const std::string& figure, const std::string& value, const std::string& goal,
              const std::string& verdict)
{
    std::printf("| %-44s | %-34s | %-14s | %-6s |\n", figure.c_str(), value.c_str(), goal.c_str(),
                verdict.c_str());
    std::fflush(stdout);
}

std::string Milliseconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f ms", seconds * 1000);
    return text;
}

std::string Verdict(bool met)
{
    return met ? "met" : "MISSED";
}

} // namespace zub::bench
