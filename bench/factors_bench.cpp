// Factor derivation and the work of one keystroke in a conversion window of 30 units.
#include "core/factors.h"
#include "core/number_text.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace kalvex {
namespace {

// A table as the group editor leaves it: the diagonal and every unit against the first.
FactorMatrix FirstColumnOnly()
{
    FactorMatrix m{};
    for (int r = 0; r < kMaxUnits; ++r) {
        m[r][r] = 1.0;
        m[r][0] = std::pow(1.37, r);
    }
    return m;
}

void DeriveThirtyUnits(benchmark::State& state)
{
    const FactorMatrix start = FirstColumnOnly();
    for (auto _ : state) {
        FactorMatrix m = start;
        benchmark::DoNotOptimize(DeriveFactors(kMaxUnits, m));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DeriveThirtyUnits);

void KeystrokeThirtyUnits(benchmark::State& state)
{
    FactorMatrix m = FirstColumnOnly();
    DeriveFactors(kMaxUnits, m);
    const bool scientific = state.range(0) != 0;
    double value = 12.5;
    for (auto _ : state) {
        for (int shown = 0; shown < kMaxUnits; ++shown) {
            std::string text = FormatResult(ConvertValue(value, 3, shown, kMaxUnits, m), 6, scientific);
            benchmark::DoNotOptimize(text);
        }
        value += 1.25;
    }
}
BENCHMARK(KeystrokeThirtyUnits)->Arg(0)->Arg(1);

} // namespace
} // namespace kalvex
