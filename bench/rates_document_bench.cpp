// Reading a rates document whose one element holds n attributes: linear in n.
#include "storage/reference_rates.h"

#include <benchmark/benchmark.h>

#include <string>

namespace kalvex {
namespace {

void ReadElementOfManyAttributes(benchmark::State& state)
{
    std::string document = "<Cube time='2026-12-04'";
    for (int i = 0; i < state.range(0); ++i)
        document += " a" + std::to_string(i) + "=''";
    document += "/>";
    for (auto _ : state)
        benchmark::DoNotOptimize(ParseReferenceRates(document));
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ReadElementOfManyAttributes)->RangeMultiplier(4)->Range(1 << 8, 1 << 16)->Complexity(benchmark::oN);

} // namespace
} // namespace kalvex
