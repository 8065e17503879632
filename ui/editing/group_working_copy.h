#pragma once

#include "core/factors.h"

#include <array>
#include <string>

namespace kalvex {

class CConversion;

// The group editor's working copy: N units, their "name,symbol" entries and the factor table.
// Cells of rows and columns at or beyond N stay 0.
class GroupWorkingCopy {
public:
    static constexpr int kMaxStoredLength = 51;

    // Takes the first n units and the n x n factors of a group; every diagonal entry becomes 1.0.
    void LoadFrom(const CConversion& group, int n);
    // Hands units and factors to a group: all 30 unit slots, the n x n factors and zeros elsewhere.
    // The group's unit order keeps the units it listed that are still here, under their new
    // numbers, and its shown count follows.
    void CopyTo(CConversion& group) const;
    // Hands the units and factors to a group being created, with every other field of the
    // record set afresh: the units in their own order, 6 digits, fixed notation.
    void CopyToNewGroup(CConversion& group) const;

    bool operator==(const GroupWorkingCopy&) const = default;

    int Count() const { return m_count; }
    void SetCount(int n) { m_count = n; }
    const std::string& Unit(int u) const { return m_units[std::size_t(u)]; }
    const std::array<std::string, kMaxUnits>& Units() const { return m_units; }
    double Factor(int row, int column) const { return m_factors[std::size_t(row)][std::size_t(column)]; }
    void SetFactor(int row, int column, double value)
    {
        m_factors[std::size_t(row)][std::size_t(column)] = value;
    }
    FactorMatrix& Factors() { return m_factors; }
    const FactorMatrix& Factors() const { return m_factors; }

    // Stores "name,symbol" as unit u, cut to its first 51 characters when it reaches the limit
    // (50 characters for the first unit of an empty group). True when it was cut.
    bool StoreUnit(int u, const std::string& name, const std::string& symbol, bool firstOfEmptyGroup);
    // Stores factor f between unit u and base b. The unit it moves (u, or b when u is unit 0)
    // loses every other factor, which is then derived again through the others, so no pair keeps
    // a value the new factor contradicts.
    void PairUpdate(int u, int b, double f);
    // Removes unit d: later units and their factors move up one place, the rest keep theirs.
    void RemoveUnit(int d);

private:
    void RenumberUnitOrder(CConversion& group) const;

    int m_count = 0;
    // The 1-based number each unit had in the group it was loaded from; 0 for a unit added since.
    std::array<int, kMaxUnits> m_loadedNumber{};
    std::array<std::string, kMaxUnits> m_units;
    FactorMatrix m_factors{};
};

} // namespace kalvex
