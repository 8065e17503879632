#pragma once

#include "core/conversion.h"

#include <string>

namespace kalvex::testing {

// A custom group of two units, both shown, one of the first worth two of the second
// ("Roman foot,pes" and "Roman half foot,semipes").
inline CConversion TwoUnitGroup(const std::string& name, const std::string& first, const std::string& second)
{
    CConversion group;
    group.m_name = name;
    group.m_unitCount = group.m_shownCount = 2;
    group.m_units[0] = first;
    group.m_units[1] = second;
    group.m_unitOrder[0] = 1;
    group.m_unitOrder[1] = 2;
    group.m_factors[0][0] = group.m_factors[1][1] = 1.0;
    group.m_factors[1][0] = 2.0;
    group.m_factors[0][1] = 0.5;
    return group;
}

} // namespace kalvex::testing
