// Start-up benchmark: starts the program offscreen with prepared profiles and the smallest
// main-window program alike, each with the probe plugin loaded, and prints the time until the
// main window has painted and the resident memory then, as minimum and median over several runs.
//
//   kalvex_startup_bench [--runs N] [--program PATH] [--floor PATH] [--probe-dir DIR]

#include "bench/startup/factor_folder.h"
#include "bench/startup/probed_start.h"
#include "bench/startup/run_figures.h"
#include "bench/startup/user_folders.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace kalvex::bench;

namespace {

constexpr int kFactorFileCount = 14;
constexpr std::chrono::seconds kStartLimit{60};

struct Options {
    int runs = 11;
    fs::path program = KALVEX_STARTUP_PROGRAM;
    fs::path floor = KALVEX_STARTUP_FLOOR;
    fs::path probeDir = KALVEX_STARTUP_PROBE_DIR;
};

Options ParseOptions(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--runs")
            options.runs = std::max(1, std::atoi(value.c_str()));
        else if (name == "--program")
            options.program = value;
        else if (name == "--floor")
            options.floor = value;
        else if (name == "--probe-dir")
            options.probeDir = value;
    }
    return options;
}

struct Series {
    std::vector<double> milliseconds;
    std::vector<double> kilobytes;
};

class Bench {
public:
    explicit Bench(Options options) : m_options(std::move(options))
    {
        char pattern[] = "/tmp/kalvex-startup-XXXXXX";
        if (mkdtemp(pattern) == nullptr)
            throw std::runtime_error("cannot create a scratch folder");
        m_scratch = pattern;
    }
    ~Bench() { fs::remove_all(m_scratch); }
    Bench(const Bench&) = delete;
    Bench& operator=(const Bench&) = delete;

    // One start; stops the benchmark with the program's output when it did not show its window.
    StartReport Start(const fs::path& program, const UserFolders& folders, Series* series)
    {
        StartReport report =
            RunProbedStart(program, folders.Environment(m_options.probeDir), folders.Root(), kStartLimit);
        if (!report.shown || report.exitStatus != 0) {
            std::fprintf(stderr, "%s did not show its main window and end cleanly (exit %d):\n%s",
                         program.c_str(), report.exitStatus, report.otherOutput.c_str());
            std::exit(1);
        }
        if (series != nullptr) {
            series->milliseconds.push_back(report.shownMilliseconds);
            series->kilobytes.push_back(static_cast<double>(report.residentKilobytes));
        }
        return report;
    }

    // A first start, which must ask where to keep the factor files and create all of them
    // there; returns that folder.
    fs::path FirstStart(const fs::path& program, const UserFolders& folders, Series* series)
    {
        const std::optional<fs::path> folder = OfferedFactorFolder(Start(program, folders, series).asked);
        if (!folder || CountFactorFiles(*folder) != kFactorFileCount) {
            std::fprintf(stderr,
                         "a first start did not create the %d factor files in the folder it offered (%s)\n",
                         kFactorFileCount, folder ? folder->c_str() : "no first-run question");
            std::exit(1);
        }
        return *folder;
    }

    void Run()
    {
        const UserFolders floorFolders(m_scratch / "floor");
        const UserFolders normalFolders(m_scratch / "normal");
        const UserFolders rebuildFolders(m_scratch / "rebuild");
        const fs::path floor = floorFolders.PlaceProgram(m_options.floor);
        const fs::path normal = normalFolders.PlaceProgram(m_options.program);
        const fs::path rebuild = rebuildFolders.PlaceProgram(m_options.program);
        // Untimed: warms the file cache and prepares the profiles of the normal and rebuild starts.
        Start(floor, floorFolders, nullptr);
        FirstStart(normal, normalFolders, nullptr);
        const fs::path rebuildFactors = FirstStart(rebuild, rebuildFolders, nullptr);
        Start(normal, normalFolders, nullptr);

        for (int run = 0; run < m_options.runs; ++run) {
            Start(floor, floorFolders, &m_series["floor"]);
            Start(normal, normalFolders, &m_series["normal"]);
            RemoveFactorFiles(rebuildFactors);
            Start(rebuild, rebuildFolders, &m_series["rebuild"]);
            if (CountFactorFiles(rebuildFactors) != kFactorFileCount) {
                std::fprintf(stderr, "a start did not rebuild the %d factor files\n", kFactorFileCount);
                std::exit(1);
            }
            const UserFolders firstFolders(m_scratch / ("first-" + std::to_string(run)));
            FirstStart(firstFolders.PlaceProgram(m_options.program), firstFolders, &m_series["first"]);
        }
        Print();
    }

private:
    void PrintRow(const char* label, const Series& series) const
    {
        const RunFigures time = Summarise(series.milliseconds);
        const RunFigures memory = Summarise(series.kilobytes);
        std::printf("%-46s %8.1f %8.1f %10.0f %10.0f\n", label, time.min, time.median, memory.min,
                    memory.median);
    }

    static const char* Verdict(bool met) { return met ? "met" : "MISSED"; }

    void Print()
    {
        std::printf("Start-up until the main window has painted, offscreen, %d runs each\n", m_options.runs);
        std::printf("%-46s %8s %8s %10s %10s\n", "", "min ms", "med ms", "min kB", "med kB");
        PrintRow("floor: main window, menu bar, status bar", m_series["floor"]);
        PrintRow("Kalvex!, normal start", m_series["normal"]);
        PrintRow("Kalvex!, first start (question, 14 files)", m_series["first"]);
        PrintRow("Kalvex!, start rebuilding the 14 files", m_series["rebuild"]);

        const RunFigures floorTime = Summarise(m_series["floor"].milliseconds);
        const RunFigures floorMemory = Summarise(m_series["floor"].kilobytes);
        const RunFigures time = Summarise(m_series["normal"].milliseconds);
        const RunFigures memory = Summarise(m_series["normal"].kilobytes);
        const double timeRatio = time.median / floorTime.median;
        const double memoryRatio = memory.median / floorMemory.median;
        std::printf("\nNormal start as a multiple of the floor:\n");
        std::printf("  time    min %.2f  median %.2f   (target median <= 1.25: %s)\n",
                    time.min / floorTime.min, timeRatio, Verdict(timeRatio <= 1.25));
        std::printf("  memory  min %.2f  median %.2f   (target median <= 1.50: %s)\n",
                    memory.min / floorMemory.min, memoryRatio, Verdict(memoryRatio <= 1.5));

        const double firstExtra = Summarise(m_series["first"].milliseconds).median - time.median;
        const double rebuildExtra = Summarise(m_series["rebuild"].milliseconds).median - time.median;
        std::printf("First start minus normal start, medians:\n");
        std::printf("  with the first-run question  %+.1f ms   (target <= 30 ms: %s)\n", firstExtra,
                    Verdict(firstExtra <= 30));
        std::printf("  files only, no question      %+.1f ms\n", rebuildExtra);
    }

    Options m_options;
    fs::path m_scratch;
    std::map<std::string, Series> m_series;
};

} // namespace

int main(int argc, char* argv[])
{
    try {
        Bench bench(ParseOptions(argc, argv));
        bench.Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
