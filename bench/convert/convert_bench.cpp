// Paired benchmark of a conversion on the command line: `kalvex --convert "32 psi"` against
// GNU units converting the same pressure, run alternately so that both see the same machine.
// Prints the median and spread of each and a verdict line; skips when units is not installed.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Command {
    const char* label;
    std::vector<std::string> words;
};

// Wall time of one run in milliseconds, its output discarded; none when it failed.
std::optional<double> TimeRun(const Command& command)
{
    std::vector<char*> argv;
    for (const std::string& word : command.words)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Quantile(std::vector<double> values, double q)
{
    std::sort(values.begin(), values.end());
    const double at = q * double(values.size() - 1);
    const auto below = std::size_t(at);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (at - double(below)) * (values[above] - values[below]);
}

void PrintRow(const char* label, const std::vector<double>& ms)
{
    std::printf("%-32s %8.2f %8.2f %8.2f %8.2f\n", label, Quantile(ms, 0.5), Quantile(ms, 0.25),
                Quantile(ms, 0.75), Quantile(ms, 0.0));
}

std::optional<std::string> FindUnits()
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    for (std::size_t begin = 0; begin <= folders.size();) {
        const std::size_t end = std::min(folders.find(':', begin), folders.size());
        const std::filesystem::path candidate =
            std::filesystem::path(folders.substr(begin, end - begin)) / "units";
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate.string();
        begin = end + 1;
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    int runs = 31;
    std::string program = KALVEX_CONVERT_PROGRAM;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--runs")
            runs = std::max(3, std::atoi(argv[i + 1]));
        else if (name == "--program")
            program = argv[i + 1];
    }
    const std::optional<std::string> units = FindUnits();
    if (!units) {
        std::puts("GNU units is not installed (Debian package units): the convert benchmark is skipped.");
        return 0;
    }
    const Command commands[] = {{"kalvex --convert \"32 psi\"", {program, "--convert", "32 psi"}},
                                {"units -t \"32 psi\" kPa", {*units, "-t", "32 psi", "kPa"}}};
    std::vector<double> ms[2];
    std::vector<double> differences;
    // One unmeasured run each fills the file cache; then the order alternates run by run.
    for (int i = -1; i < runs; ++i) {
        std::optional<double> taken[2];
        for (int k = 0; k < 2; ++k) {
            const int which = (i + k) % 2 == 0 ? 0 : 1;
            taken[which] = TimeRun(commands[which]);
            if (!taken[which]) {
                std::fprintf(stderr, "convert bench: %s failed\n", commands[which].words[0].c_str());
                return 1;
            }
        }
        if (i < 0)
            continue;
        ms[0].push_back(*taken[0]);
        ms[1].push_back(*taken[1]);
        differences.push_back(*taken[0] - *taken[1]);
    }
    std::printf("Wall time of one conversion on the command line, %d paired runs\n", runs);
    std::printf("%-32s %8s %8s %8s %8s\n", "", "med ms", "q1 ms", "q3 ms", "min ms");
    for (int k = 0; k < 2; ++k)
        PrintRow(commands[k].label, ms[k]);
    const double difference = Quantile(differences, 0.5);
    std::printf("verdict: kalvex is %s than units (median of the paired differences %+.2f ms)\n",
                difference <= 0 ? "no slower" : "SLOWER", difference);
    return 0;
}
