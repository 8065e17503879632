#include "bench/startup/startup_bench.h"

#include "bench/startup/factor_folder.h"
#include "bench/startup/probed_start.h"
#include "bench/startup/run_figures.h"
#include "bench/startup/user_folders.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>

namespace kalvex::bench {
namespace fs = std::filesystem;
namespace {

constexpr int kFactorFileCount = 14;
constexpr std::chrono::seconds kStartLimit{60};

const char* Verdict(bool met)
{
    return met ? "met" : "MISSED";
}

} // namespace

StartupBench::StartupBench(StartupBenchOptions options) : m_options(std::move(options))
{
    char pattern[] = "/tmp/kalvex-startup-XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        throw std::runtime_error("cannot create a scratch folder");
    m_scratch = pattern;
}

StartupBench::~StartupBench()
{
    fs::remove_all(m_scratch);
}

// One start; throws with the program's output when it did not show its window.
StartReport StartupBench::Start(const fs::path& program, const UserFolders& folders, Series* series)
{
    StartReport report =
        RunProbedStart(program, folders.Environment(m_options.probeDir), folders.Root(), kStartLimit);
    if (!report.shown || report.exitStatus != 0)
        throw std::runtime_error(program.string() + " did not show its main window and end cleanly (exit " +
                                 std::to_string(report.exitStatus) + "):\n" + report.otherOutput);
    if (series != nullptr) {
        series->milliseconds.push_back(report.shownMilliseconds);
        series->kilobytes.push_back(static_cast<double>(report.residentKilobytes));
    }
    return report;
}

// A first start, which must ask where to keep the factor files and create all of them there;
// returns that folder.
fs::path StartupBench::FirstStart(const fs::path& program, const UserFolders& folders, Series* series)
{
    const std::optional<fs::path> folder = OfferedFactorFolder(Start(program, folders, series).asked);
    if (!folder)
        throw std::runtime_error("a first start asked no first-run question");
    if (CountFactorFiles(*folder) != kFactorFileCount)
        throw std::runtime_error("a first start did not create the factor files in " + folder->string());
    return *folder;
}

void StartupBench::Run()
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
        if (CountFactorFiles(rebuildFactors) != kFactorFileCount)
            throw std::runtime_error("a start did not rebuild the factor files in " +
                                     rebuildFactors.string());
        const UserFolders firstFolders(m_scratch / ("first-" + std::to_string(run)));
        FirstStart(firstFolders.PlaceProgram(m_options.program), firstFolders, &m_series["first"]);
    }
    Print();
}

void StartupBench::PrintRow(const char* label, const Series& series) const
{
    const RunFigures time = Summarise(series.milliseconds);
    const RunFigures memory = Summarise(series.kilobytes);
    std::printf("%-46s %8.1f %8.1f %10.0f %10.0f\n", label, time.min, time.median, memory.min, memory.median);
}

void StartupBench::Print()
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
    std::printf("  time    min %.2f  median %.2f   (target median <= 1.25: %s)\n", time.min / floorTime.min,
                timeRatio, Verdict(timeRatio <= 1.25));
    std::printf("  memory  min %.2f  median %.2f   (target median <= 1.50: %s)\n",
                memory.min / floorMemory.min, memoryRatio, Verdict(memoryRatio <= 1.5));

    const RunFigures first = Summarise(m_series["first"].milliseconds);
    const RunFigures rebuild = Summarise(m_series["rebuild"].milliseconds);
    const double firstExtra = first.median - time.median;
    std::printf("First start minus normal start:\n");
    std::printf(
        "  with the first-run question  min %+.1f ms  median %+.1f ms   (target median <= 30 ms: %s)\n",
        first.min - time.min, firstExtra, Verdict(firstExtra <= 30));
    std::printf("  files only, no question      min %+.1f ms  median %+.1f ms\n", rebuild.min - time.min,
                rebuild.median - time.median);
}

} // namespace kalvex::bench
