#pragma once

#include <span>
#include <string_view>

namespace kalvex {

// A common spelling that is not a unit's own name or symbol, and the unit it stands for,
// found by its group and exact unit name.
struct UnitAlias {
    std::string_view spelling;
    int groupId;
    std::string_view unitName;
};

std::span<const UnitAlias> UnitAliases();

// The four temperature scales as the temperature window lists them.
struct TemperatureScaleName {
    std::string_view name;
    std::string_view symbol;
};
std::span<const TemperatureScaleName> TemperatureScaleNames();

} // namespace kalvex
