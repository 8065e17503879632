#pragma once

#include <optional>
#include <span>
#include <string>
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

// The units that a spelling shared by several units of one group stands for, found by group and
// exact unit name: "mile" is the international mile, "hp" the horsepower of 550 ft·lbf/s. Where two
// of them share a spelling, the one listed first wins ("ton" in Mass is the short ton, "t" the
// metric one).
struct PreferredUnit {
    int groupId;
    std::string_view unitName;
};
std::span<const PreferredUnit> PreferredUnits();

// The symbol a unit text typed in plain ASCII stands for: a 2 or 3 after a letter, or after a
// letter and ^, is a power ("m/s2" and "m/s^2" are "m/s²", "cm3" is "cm³"); a u before a letter at
// the start is µ ("um", "uL"); "deg" at the start is ° ("deg", "degC", "deg F"). Nothing when no
// rule changes the text.
std::optional<std::string> TypedSymbol(std::string_view unitText);

// The four temperature scales as the temperature window lists them.
struct TemperatureScaleName {
    std::string_view name;
    std::string_view symbol;
};
std::span<const TemperatureScaleName> TemperatureScaleNames();

} // namespace kalvex
