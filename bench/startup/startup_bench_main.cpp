// Start-up benchmark: starts the program offscreen with prepared profiles and the smallest
// main-window program alike, each with the probe plugin loaded, and prints the time until the
// main window has painted and the resident memory then, as minimum and median over several runs.

#include "bench/startup/startup_bench.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>

namespace {

const char* const kUsage =
    "usage: kalvex_startup_bench [--runs N] [--program PATH] [--floor PATH] [--probe-dir DIR]\n";

std::optional<kalvex::bench::StartupBenchOptions> ParseOptions(int argc, char* argv[])
{
    kalvex::bench::StartupBenchOptions options{11, KALVEX_STARTUP_PROGRAM, KALVEX_STARTUP_FLOOR,
                                               KALVEX_STARTUP_PROBE_DIR};
    if (argc % 2 == 0)
        return std::nullopt;
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
        else
            return std::nullopt;
    }
    return options;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::optional<kalvex::bench::StartupBenchOptions> options = ParseOptions(argc, argv);
    if (!options) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    try {
        kalvex::bench::StartupBench bench(*options);
        bench.Run();
    } catch (const std::exception& error) {
        std::fprintf(stderr, "startup bench: %s\n", error.what());
        return 1;
    }
    return 0;
}
