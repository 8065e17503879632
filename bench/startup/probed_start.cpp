#include "bench/startup/probed_start.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sstream>
#include <stdexcept>

namespace kalvex::bench {
namespace {

using Clock = std::chrono::steady_clock;

long long MicrosecondsOf(Clock::time_point point)
{
    return std::chrono::duration_cast<std::chrono::microseconds>(point.time_since_epoch()).count();
}

void TakeLine(const std::string& line, long long spawnMicros, StartReport& report)
{
    static const std::string askedTag = "probe asked ";
    static const std::string shownTag = "probe shown ";
    if (line.rfind(askedTag, 0) == 0) {
        report.asked.push_back(line.substr(askedTag.size()));
    } else if (line.rfind(shownTag, 0) == 0) {
        std::istringstream fields(line.substr(shownTag.size()));
        long long shownMicros = 0;
        if (fields >> shownMicros >> report.residentKilobytes) {
            report.shown = true;
            report.shownMilliseconds = static_cast<double>(shownMicros - spawnMicros) / 1000.0;
        }
    } else {
        report.otherOutput += line + '\n';
    }
}

class Spawner {
public:
    Spawner()
    {
        posix_spawn_file_actions_init(&m_actions);
        if (pipe2(m_pipe, O_CLOEXEC) != 0) // the child keeps only the duplicates
            throw std::runtime_error("pipe failed");
    }
    ~Spawner()
    {
        posix_spawn_file_actions_destroy(&m_actions);
        for (int fd : m_pipe)
            if (fd >= 0)
                close(fd);
    }
    Spawner(const Spawner&) = delete;
    Spawner& operator=(const Spawner&) = delete;

    pid_t Spawn(const std::filesystem::path& program, const std::vector<std::string>& environment,
                const std::filesystem::path& workDir)
    {
        posix_spawn_file_actions_addchdir_np(&m_actions, workDir.c_str());
        posix_spawn_file_actions_addopen(&m_actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_adddup2(&m_actions, m_pipe[1], STDOUT_FILENO);
        posix_spawn_file_actions_adddup2(&m_actions, m_pipe[1], STDERR_FILENO);
        std::string programText = program.string();
        std::vector<char*> argv{programText.data(), nullptr};
        std::vector<std::string> envCopy = environment;
        std::vector<char*> envp;
        for (std::string& entry : envCopy)
            envp.push_back(entry.data());
        envp.push_back(nullptr);
        pid_t pid = -1;
        if (posix_spawn(&pid, programText.c_str(), &m_actions, nullptr, argv.data(), envp.data()) != 0)
            throw std::runtime_error("cannot start " + programText);
        close(m_pipe[1]);
        m_pipe[1] = -1;
        return pid;
    }

    int ReadEnd() const { return m_pipe[0]; }

private:
    posix_spawn_file_actions_t m_actions;
    int m_pipe[2] = {-1, -1};
};

int WaitForExit(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

StartReport RunProbedStart(const std::filesystem::path& program, const std::vector<std::string>& environment,
                           const std::filesystem::path& workDir, std::chrono::seconds timeout)
{
    StartReport report;
    Spawner spawner;
    const Clock::time_point spawnTime = Clock::now();
    const pid_t pid = spawner.Spawn(program, environment, workDir);
    const Clock::time_point deadline = spawnTime + timeout;

    std::string pending;
    char buffer[4096];
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        pollfd readable{spawner.ReadEnd(), POLLIN, 0};
        if (left.count() <= 0 || poll(&readable, 1, static_cast<int>(left.count())) == 0) {
            kill(pid, SIGKILL);
            report.otherOutput += "(killed: no exit within the time limit)\n";
            break;
        }
        const ssize_t got = read(spawner.ReadEnd(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            break;
        pending.append(buffer, static_cast<size_t>(got));
        for (size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1))
            TakeLine(pending.substr(0, end), MicrosecondsOf(spawnTime), report);
    }
    if (!pending.empty())
        TakeLine(pending, MicrosecondsOf(spawnTime), report);
    report.exitStatus = WaitForExit(pid);
    return report;
}

} // namespace kalvex::bench
