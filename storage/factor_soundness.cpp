#include "storage/factor_soundness.h"

#include "core/conversion.h"
#include "core/factors.h"

#include <cstdio>

namespace kalvex {
namespace {

std::string UnitOf(const CConversion& group, int unit)
{
    return "'" + UnitName(group.m_units[std::size_t(unit)]) + "'";
}

std::string Converting(const CConversion& group, const UnitPair& pair)
{
    return "the factor for converting " + UnitOf(group, pair.row) + " to " + UnitOf(group, pair.column);
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

} // namespace

std::optional<std::string> UnsoundFactorsText(const CConversion& group, bool everyPairRelated)
{
    const int n = group.m_unitCount;
    if (const std::optional<FactorFault> fault =
            FirstUnsoundFactor(n, group.m_factors, FactorSigns::PositiveOnly)) {
        const UnitPair& pair = fault->pair;
        if (fault->kind == FactorFault::Kind::NotPositive)
            return Converting(group, pair) + " is " +
                   Number(group.m_factors[std::size_t(pair.row)][std::size_t(pair.column)]) +
                   ", not a positive number";
        return Converting(group, pair) + " would be too large or too small to store";
    }
    if (!everyPairRelated)
        return std::nullopt;
    // The derivation reports no unknown pair of a two-unit group, so the whole square is looked at.
    FactorMatrix derived = group.m_factors;
    DeriveFactors(n, derived);
    for (int r = 0; r < n; ++r) {
        for (int c = 0; c < n; ++c) {
            if (derived[std::size_t(r)][std::size_t(c)] == 0.0)
                return "no factor relates " + UnitOf(group, r) + " to " + UnitOf(group, c);
        }
    }
    return std::nullopt;
}

} // namespace kalvex
