// What every library group should hold: each unit's size in the group's base quantity, worked out
// here from the unit's definition, independently of the script that writes the files.
#pragma once

#include <map>
#include <numbers>
#include <string>
#include <vector>

namespace kalvex::library {

using Sizes = std::map<std::string, long double>; // symbol -> size in the group's base quantity

struct LibraryGroup {
    const char* file;
    const char* name;
    Sizes sizes;
};

// Everyday and technical quantities, and the flow of matter and heat.
std::vector<LibraryGroup> EverydayGroups();
// Electricity, magnetism, light and radiation.
std::vector<LibraryGroup> PhysicsGroups();

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kInch = 0.0254L;
constexpr long double kFoot = 12 * kInch;
constexpr long double kYard = 3 * kFoot;
constexpr long double kMile = 5280 * kFoot;
constexpr long double kPound = 0.45359237L;
constexpr long double kKilogramForce = 9.80665L;
constexpr long double kPoundForce = kPound * kKilogramForce;
constexpr long double kLitre = 1e-3L;
constexpr long double kMinute = 60, kHour = 3600, kDay = 86400;
// The international table and thermochemical calorie, and the Btu as published (exact).
constexpr long double kCalorieIt = 4.1868L, kCalorieTh = 4.184L, kBtu = 1055.05585262L;
constexpr long double kFahrenheitDegree = 5 / 9.0L;

} // namespace kalvex::library
