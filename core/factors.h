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

struct FactorFault {
    enum class Kind {
        NotPositive, // a stored factor that is negative or not a number
        OutOfRange   // too large or too small to store, as stored or once derived
    };
    UnitPair pair;
    Kind kind;
};

// A factor a user may type: a positive number.
inline bool IsPositiveFactor(double factor)
{
    return factor > 0.0;
}

enum class FactorSigns {
    PositiveOnly,
    Any // the editor's Calc takes a negative factor
};

// The first pair of units 0..n-1 whose factor a double does not hold together with its
// reciprocal, or that is not positive when `signs` asks for that: as stored, or as the derivation
// would complete it. The group editor refuses such a group, and so does everything that takes
// factors from outside. A pair that no factor relates is not a fault here: DeriveFactors names it.
std::optional<FactorFault> FirstUnsoundFactor(int n, const FactorMatrix& m, FactorSigns signs);

// Recomputes every factor of unit r from its factor against unit 0.
void FillRowThroughFirstUnit(int n, int r, FactorMatrix& m);

// v in unit c expressed in unit d, filling the needed factor through unit 0 when it is unknown.
double ConvertValue(double value, int initialUnit, int shownUnit, int n, FactorMatrix& m);

} // namespace kalvex
