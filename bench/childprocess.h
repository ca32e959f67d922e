#pragma once

#include <string>
#include <sys/types.h>

namespace zub::bench {

// A program started by the benchmark, stopped when the object goes.
class ChildProcess
{
public:
    // Starts program with no arguments; its output goes to logFile (appended).
    ChildProcess(const std::string& program, const std::string& logFile);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return m_pid; }
    // The moment just before the program was started, on the monotonic clock.
    double startedAt() const { return m_startedAt; }

    // True while the program runs; once it has ended, describes how in exitDescription.
    bool running();
    const std::string& exitDescription() const { return m_exit; }

    // Asks the program to end, and kills it when it does not within two seconds.
    void stop();

private:
    void noteExit(int status);

    pid_t m_pid = -1;
    double m_startedAt = 0;
    std::string m_exit;
};

} // namespace zub::bench
