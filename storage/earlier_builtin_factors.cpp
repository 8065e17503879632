#include "storage/earlier_builtin_factors.h"

#include "core/conversion.h"
#include "core/factors.h"
#include "storage/builtin_groups.h"

#include <bit>
#include <cstdint>

namespace kalvex {
namespace {

// Saving a group derives its factors again, which can move an entry by its last bit; a second
// derivation changes nothing more. The bound only guards against a derivation that never settles.
constexpr int kMostDerivations = 4;

bool SameUnits(const CConversion& a, const CConversion& b)
{
    if (a.m_unitCount != b.m_unitCount)
        return false;
    for (int u = 0; u < a.m_unitCount; ++u)
        if (a.m_units[std::size_t(u)] != b.m_units[std::size_t(u)])
            return false;
    return true;
}

// Bit for bit: only the very values the program wrote count as its own.
bool SameFactors(const FactorMatrix& a, const FactorMatrix& b, int n)
{
    for (std::size_t r = 0; r < std::size_t(n); ++r)
        for (std::size_t c = 0; c < std::size_t(n); ++c)
            if (std::bit_cast<std::uint64_t>(a[r][c]) != std::bit_cast<std::uint64_t>(b[r][c]))
                return false;
    return true;
}

bool HoldsEarlierFactors(const FactorMatrix& stored, FactorMatrix earlier, int n)
{
    for (int derivations = 0; derivations <= kMostDerivations; ++derivations) {
        if (SameFactors(stored, earlier, n))
            return true;
        const FactorMatrix before = earlier;
        DeriveFactors(n, earlier);
        if (SameFactors(before, earlier, n))
            return false;
    }
    return false;
}

} // namespace

bool UpgradeEarlierBuiltinFactors(CConversion& group, int groupId)
{
    // A group whose table never changed (Money's rates) is never touched.
    if (!BuiltinFactorsChanged(groupId))
        return false;
    CConversion earlier;
    BuildEarlierBuiltinGroup(earlier, groupId);
    const int n = earlier.m_unitCount;
    if (!SameUnits(group, earlier) || !HoldsEarlierFactors(group.m_factors, earlier.m_factors, n))
        return false;
    CConversion today;
    BuildBuiltinGroup(today, groupId);
    for (std::size_t r = 0; r < std::size_t(n); ++r)
        for (std::size_t c = 0; c < std::size_t(n); ++c)
            group.m_factors[r][c] = today.m_factors[r][c];
    return true;
}

} // namespace kalvex
