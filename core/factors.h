#pragma once

#include <array>
#include <optional>

namespace kalvex {

inline constexpr int kMaxUnits = 30;

// M[r][c]: how many of unit r make one unit c; 0.0 means not known.
using FactorMatrix = std::array<std::array<double, 30>, 30>;

struct UnitPair {
    int row;
    int column;
};

// Completes the factors of units 0..n-1. Returns the first entry still unknown when the
// chaining could not relate every pair (the caller reports it), nothing otherwise.
std::optional<UnitPair> DeriveFactors(int n, FactorMatrix& m);

// The first pair of units 0..n-1, row by row, whose factor a double cannot hold: an entry that
// is infinite, not a number or so small that its reciprocal overflows, or an unknown entry whose
// value through another unit would be one of those. Nothing when every related pair is sound.
std::optional<UnitPair> FirstUnrepresentableFactor(int n, const FactorMatrix& m);

// Recomputes every factor of unit r from its factor against unit 0.
void FillRowThroughFirstUnit(int n, int r, FactorMatrix& m);

// v in unit c expressed in unit d, filling the needed factor through unit 0 when it is unknown.
double ConvertValue(double value, int initialUnit, int shownUnit, int n, FactorMatrix& m);

} // namespace kalvex
