#include "core/factors.h"

#include <algorithm>
#include <cmath>

namespace kalvex {
namespace {

// Either sign of zero means "not known".
bool Known(double factor)
{
    return factor != 0.0;
}

int UsedUnits(int n)
{
    return std::clamp(n, 0, kMaxUnits);
}

// Makes M[c+1][c] known through the first row k > c+1 that knows both units, if any.
bool LinkNeighbours(int n, int c, FactorMatrix& m)
{
    if (Known(m[c + 1][c]))
        return true;
    for (int k = c + 2; k < n; ++k) {
        if (Known(m[k][c]) && Known(m[k][c + 1])) {
            m[c + 1][c] = m[k][c] / m[k][c + 1];
            return true;
        }
    }
    return false;
}

// Relates units c and c+1 for every later row through the link M[c+1][c]; reports whether
// a row is left with an unknown factor against either of them.
bool Propagate(int n, int c, FactorMatrix& m)
{
    bool missing = false;
    const double link = m[c + 1][c];
    for (int r = c + 2; r < n; ++r) {
        if (Known(m[r][c + 1]) && !Known(m[r][c]))
            m[r][c] = link * m[r][c + 1];
        // The link can underflow to zero; never divide by it.
        if (Known(m[r][c]) && !Known(m[r][c + 1]) && Known(link))
            m[r][c + 1] = m[r][c] / link;
        if (!Known(m[r][c]) || !Known(m[r][c + 1]))
            missing = true;
    }
    return missing;
}

// A factor a double holds together with its reciprocal: finite and not denormal.
bool Representable(double factor)
{
    return std::isnormal(factor);
}

// An unknown factor is out of range when some unit relates both and the chained value is:
// that is how a derivation loses it to underflow.
bool ChainsOutOfRange(int n, int r, int c, const FactorMatrix& m)
{
    for (int k = 0; k < n; ++k) {
        if (k != r && k != c && Known(m[r][k]) && Known(m[k][c]) && !Representable(m[r][k] * m[k][c]))
            return true;
    }
    return false;
}

} // namespace

std::optional<UnitPair> DeriveFactors(int n, FactorMatrix& m)
{
    n = UsedUnits(n);
    // A known upper entry replaces the lower one; the lower triangle is the working one.
    for (int j = 0; j + 1 < n; ++j) {
        for (int i = j + 1; i < n; ++i) {
            if (Known(m[j][i]))
                m[i][j] = 1.0 / m[j][i];
        }
    }
    bool missing = false;
    for (int pass = 0; pass + 1 < n; ++pass) {
        missing = false;
        for (int c = 0; c + 2 < n; ++c) {
            if (!LinkNeighbours(n, c, m)) {
                missing = true;
                continue;
            }
            if (Propagate(n, c, m))
                missing = true;
        }
    }
    for (int j = 0; j + 1 < n; ++j) {
        for (int i = j + 1; i < n; ++i)
            m[j][i] = Known(m[i][j]) ? 1.0 / m[i][j] : 0.0;
    }
    if (!missing)
        return std::nullopt;
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            if (!Known(m[r][c]))
                return UnitPair{r, c};
        }
    }
    return std::nullopt;
}

std::optional<UnitPair> FirstUnrepresentableFactor(int n, const FactorMatrix& m)
{
    n = UsedUnits(n);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            const double factor = m[r][c];
            if (Known(factor) ? !Representable(factor) : ChainsOutOfRange(n, r, c, m))
                return UnitPair{r, c};
        }
    }
    return std::nullopt;
}

std::optional<FactorFault> FirstUnsoundFactor(int n, const FactorMatrix& m, FactorSigns signs)
{
    n = UsedUnits(n);
    // A negative factor passes the range test, and so would its derived partners.
    for (int r = 0; r < n && signs == FactorSigns::PositiveOnly; ++r) {
        for (int c = 0; c < n; ++c) {
            if (Known(m[r][c]) && !IsPositiveFactor(m[r][c]))
                return FactorFault{{r, c}, FactorFault::Kind::NotPositive};
        }
    }
    if (const std::optional<UnitPair> pair = FirstUnrepresentableFactor(n, m))
        return FactorFault{*pair, FactorFault::Kind::OutOfRange};
    FactorMatrix derived = m;
    DeriveFactors(n, derived);
    if (const std::optional<UnitPair> pair = FirstUnrepresentableFactor(n, derived))
        return FactorFault{*pair, FactorFault::Kind::OutOfRange};
    return std::nullopt;
}

void FillRowThroughFirstUnit(int n, int r, FactorMatrix& m)
{
    n = UsedUnits(n);
    if (r < 0 || r >= kMaxUnits)
        return;
    for (int s = 1; s < n; ++s) {
        if (s == r)
            continue;
        m[r][s] = m[r][0] * m[0][s];
        if (Known(m[r][s]))
            m[s][r] = 1.0 / m[r][s];
    }
}

double ConvertValue(double value, int initialUnit, int shownUnit, int n, FactorMatrix& m)
{
    if (initialUnit < 0 || initialUnit >= kMaxUnits || shownUnit < 0 || shownUnit >= kMaxUnits)
        return 0.0;
    if (!Known(m[shownUnit][initialUnit]))
        FillRowThroughFirstUnit(n, shownUnit, m);
    const double factor = m[shownUnit][initialUnit];
    return Known(factor) ? value * factor : 0.0;
}

} // namespace kalvex
