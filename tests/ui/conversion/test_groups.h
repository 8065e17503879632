#pragma once

#include "core/conversion.h"
#include "core/group_ids.h"

#include <array>
#include <cstdint>
#include <string>

namespace kalvex::testing {

inline constexpr int kCustom1Id = 4118;

// A distance group as a factor file holds it: only the lower triangle is known, and the yard
// per inch factor is missing so that it must be filled through the first unit. Its unit order
// shows meter, kilometer, centimeter, inch, foot and yard.
inline CConversion DistanceGroup()
{
    const std::array<const char*, 8> units = {"meter,m", "centimeter,cm", "kilometer,km", "inch,in",
                                              "foot,ft", "yard,yd",       "mile,mi",      "millimeter,mm"};
    const std::array<double, 8> perMeter = {1.0,          100.0,        0.001,          1.0 / 0.0254,
                                            1.0 / 0.3048, 1.0 / 0.9144, 1.0 / 1609.344, 1000.0};
    CConversion group;
    group.m_name = "&Distance";
    group.m_description = "inches, feet, meters";
    group.m_updateDate = "Unknown";
    group.m_remark = "None";
    group.m_unitCount = std::uint16_t(units.size());
    group.m_shownCount = 6;
    group.m_digits = 6;
    for (std::size_t r = 0; r < units.size(); ++r) {
        group.m_units[r] = units[r];
        for (std::size_t c = 0; c < r; ++c)
            group.m_factors[r][c] = perMeter[r] / perMeter[c];
        group.m_factors[r][r] = 1.0;
    }
    group.m_factors[5][3] = 0.0;
    group.m_unitOrder = {1, 3, 2, 4, 5, 6, 8, 7};
    return group;
}

// n units "unit1,u1" .. where unit k is worth k of the first one.
inline CConversion CountedGroup(int n)
{
    CConversion group;
    group.m_name = "Counted";
    group.m_updateDate = "Unknown";
    group.m_unitCount = std::uint16_t(n);
    group.m_shownCount = std::uint16_t(n);
    group.m_showAll = 1;
    group.m_digits = 6;
    for (int k = 1; k <= n; ++k) {
        const auto r = std::size_t(k - 1);
        group.m_units[r] = "unit" + std::to_string(k) + ",u" + std::to_string(k);
        group.m_factors[r][0] = 1.0 / k;
        group.m_factors[r][r] = 1.0;
        group.m_unitOrder[r] = std::uint16_t(k);
    }
    return group;
}

} // namespace kalvex::testing
