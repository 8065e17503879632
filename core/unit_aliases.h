#pragma once

#include <array>
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

// A unit people add to others of a group that the group itself lacks, known to the finder as a
// multiple of one of the group's units, found by its exact name.
struct ScaledUnit {
    std::string_view name;
    std::string_view symbol;
    int groupId;
    std::string_view unitName;
    double multiple;
};
std::span<const ScaledUnit> ScaledUnits();

// The unit a group's sums are also read in ("5 ft 11 in = 1.8034 m"), by its exact name.
struct ReferenceUnit {
    int groupId;
    std::string_view unitName;
};
std::span<const ReferenceUnit> ReferenceUnits();

// A unit whose values people also write over smaller units ("5 ft 8.5 in"), and those units
// from the largest down, all found by their exact names in the same group.
struct CompoundUnits {
    std::string_view unitName;
    std::array<std::string_view, 3> parts; // empty names end the list
};
std::span<const CompoundUnits> CompoundReadings();

// The four temperature scales as the temperature window lists them.
struct TemperatureScaleName {
    std::string_view name;
    std::string_view symbol;
};
std::span<const TemperatureScaleName> TemperatureScaleNames();

} // namespace kalvex
