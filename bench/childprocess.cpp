#include "childprocess.h"

#include "processfigures.h"

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace zub::bench {

ChildProcess::ChildProcess(const std::string& program, const std::string& logFile)
{
    const int log = open(logFile.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    m_startedAt = MonotonicSeconds();
    m_pid = fork();
    if (m_pid < 0)
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(errno));
    if (m_pid == 0) {
        if (log >= 0) {
            dup2(log, STDOUT_FILENO);
            dup2(log, STDERR_FILENO);
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        std::fprintf(stderr, "cannot run %s: %s\n", program.c_str(), std::strerror(errno));
        _exit(127);
    }
    if (log >= 0)
        close(log);
}

ChildProcess::~ChildProcess()
{
    stop();
}

bool ChildProcess::running()
{
    if (m_pid <= 0)
        return false;
    int status = 0;
    if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
        noteExit(status);
        return false;
    }
    return true;
}

void ChildProcess::stop()
{
    if (!running())
        return;
    kill(m_pid, SIGTERM);
    for (int tries = 0; tries < 200; ++tries) {
        int status = 0;
        if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return;
        }
        usleep(10000);
    }
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
    m_pid = -1;
}

void ChildProcess::noteExit(int status)
{
    if (WIFSIGNALED(status))
        m_exit = std::string("killed by signal ") + strsignal(WTERMSIG(status));
    else
        m_exit = "exited with status " + std::to_string(WEXITSTATUS(status));
    m_pid = -1;
}

} // namespace zub::bench
