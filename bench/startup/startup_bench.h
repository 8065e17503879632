#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kalvex::bench {

class UserFolders;
struct StartReport;

struct StartupBenchOptions {
    int runs = 11;
    std::filesystem::path program;
    std::filesystem::path floor;
    std::filesystem::path probeDir;
};

// Starts the floor and the program in turn, in private homes under a scratch folder: normal
// starts with a prepared profile, starts that must rebuild the fourteen factor files, and
// first starts in fresh homes; then prints minimum and median of each and the ratios.
class StartupBench {
public:
    explicit StartupBench(StartupBenchOptions options);
    ~StartupBench();
    StartupBench(const StartupBench&) = delete;
    StartupBench& operator=(const StartupBench&) = delete;

    void Run();

private:
    struct Series {
        std::vector<double> milliseconds;
        std::vector<double> kilobytes;
    };

    StartReport Start(const std::filesystem::path& program, const UserFolders& folders, Series* series);
    std::filesystem::path FirstStart(const std::filesystem::path& program, const UserFolders& folders,
                                     Series* series);
    void PrintRow(const char* label, const Series& series) const;
    void Print();

    StartupBenchOptions m_options;
    std::filesystem::path m_scratch;
    std::map<std::string, Series> m_series;
};

} // namespace kalvex::bench
