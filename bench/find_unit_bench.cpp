// Matching one keystroke's query over every group: the find field reruns it on each key.
#include "platform/settings_store.h"
#include "storage/unit_search.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

namespace kalvex {
namespace {

// A profile with nothing stored: every group enabled, all from the built-in tables.
class FreshProfile final : public ISettingsStore {
public:
    int ReadInt(std::string_view, std::string_view, int defaultValue) const override { return defaultValue; }
    std::string ReadString(std::string_view, std::string_view, std::string_view defaultValue) const override
    {
        return std::string(defaultValue);
    }
    bool WriteInt(std::string_view, std::string_view, int) override { return false; }
    bool WriteString(std::string_view, std::string_view, std::string_view) override { return false; }
};

void MatchKeystroke(benchmark::State& state)
{
    constexpr std::array<std::string_view, 8> kQueries = {
        "2 1/2 in", "32 psi", "k", "gallons", "Miles per Hour", "zorkmid", "5 ft 3 1/2 in", "12°30'15\""};
    const std::string_view query = kQueries[std::size_t(state.range(0))];
    const FreshProfile profile;
    const UnitFinder finder(QueryGroups(LoadEnabledGroups(profile, {})));
    for (auto _ : state)
        benchmark::DoNotOptimize(finder.Find(query));
    state.SetLabel(std::string(query));
}
BENCHMARK(MatchKeystroke)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);

// The same with the library of extra groups read: a unit only the library has, and one the
// user's groups have, which never reaches the library.
void MatchKeystrokeWithLibrary(benchmark::State& state)
{
    constexpr std::array<std::string_view, 3> kQueries = {"20 mA", "1 Gbit/s", "32 psi"};
    const std::string_view query = kQueries[std::size_t(state.range(0))];
    const FreshProfile profile;
    UnitSearch search(LoadEnabledGroups(profile, {}), KALVEX_LIBRARY_DIR);
    search.Find("20 mA", '.'); // reads the library
    for (auto _ : state)
        benchmark::DoNotOptimize(search.Find(query, '.'));
    state.SetLabel(std::string(query));
}
BENCHMARK(MatchKeystrokeWithLibrary)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

// What the first search that needs the library costs: reading its files and indexing their units.
void ReadLibraryOnFirstNeed(benchmark::State& state)
{
    const FreshProfile profile;
    const std::vector<CatalogGroup> groups = LoadEnabledGroups(profile, {});
    for (auto _ : state) {
        UnitSearch search(groups, KALVEX_LIBRARY_DIR);
        benchmark::DoNotOptimize(search.Find("20 mA", '.'));
    }
}
BENCHMARK(ReadLibraryOnFirstNeed)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kalvex
