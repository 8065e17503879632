// Matching one keystroke's query over every group: the find field reruns it on each key.
#include "platform/settings_store.h"
#include "storage/unit_catalog.h"

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

} // namespace
} // namespace kalvex
