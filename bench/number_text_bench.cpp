// Reading one typed value.
#include "core/number_text.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

namespace kalvex {
namespace {

void ParseTypedValue(benchmark::State& state)
{
    constexpr std::array<std::string_view, 4> kTexts = {"12", "  1234.5678", "2 1/2", "1.5E-2"};
    const std::string_view text = kTexts[std::size_t(state.range(0))];
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseEntry(text));
    state.SetLabel(std::string(text));
}
BENCHMARK(ParseTypedValue)->DenseRange(0, 3);

} // namespace
} // namespace kalvex
