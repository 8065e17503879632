#include "core/unit_aliases.h"

#include "core/group_ids.h"

#include <array>

namespace kalvex {
namespace {

constexpr int kDistance = 4104, kMass = 4105, kVolume = 4106, kArea = 4107, kPower = 4109, kEnergy = 4110,
              kPressure = 4111, kTime = 4112, kVelocity = 4115;

// Spellings are matched without regard to case, except one-letter ones, which must match exactly
// ("C" is celsius, "c" nothing). Plural spellings need no entry of their own.
constexpr std::array kAliases = std::to_array<UnitAlias>({
    {"C", kTemperatureId, "celsius"},
    {"F", kTemperatureId, "fahrenheit"},
    {"R", kTemperatureId, "rankine"},
    {"degC", kTemperatureId, "celsius"},
    {"deg C", kTemperatureId, "celsius"},
    {"degree celsius", kTemperatureId, "celsius"},
    {"degF", kTemperatureId, "fahrenheit"},
    {"deg F", kTemperatureId, "fahrenheit"},
    {"degree fahrenheit", kTemperatureId, "fahrenheit"},
    {"degR", kTemperatureId, "rankine"},
    {"degree rankine", kTemperatureId, "rankine"},
    {"metre", kDistance, "meter"},
    {"kilometre", kDistance, "kilometer"},
    {"centimetre", kDistance, "centimeter"},
    {"millimetre", kDistance, "millimeter"},
    {"lbs", kMass, "pound"},
    {"kgs", kMass, "kilogram"},
    {"tonne", kMass, "ton (metric)"},
    {"cc", kVolume, "cubic centimeter"},
    {"ml", kVolume, "milliliter"},
    {"l", kVolume, "liter"},
    {"litre", kVolume, "liter"},
    {"tbsp", kVolume, "tablespoon"},
    {"fl oz", kVolume, "ounce (US fluid)"},
    {"cu ft", kVolume, "cubic foot"},
    {"cu in", kVolume, "cubic inch"},
    {"cu yd", kVolume, "cubic yard"},
    {"m3", kVolume, "cubic meter"},
    {"sq ft", kArea, "square foot"},
    {"sqft", kArea, "square foot"},
    {"sq in", kArea, "square inch"},
    {"sq yd", kArea, "square yard"},
    {"sq mi", kArea, "square mile"},
    {"sq m", kArea, "square meter"},
    {"sq km", kArea, "square kilometer"},
    {"m2", kArea, "square meter"},
    {"ft2", kArea, "square foot"},
    {"km2", kArea, "square kilometer"},
    {"bhp", kPower, "horsepower (boiler)"},
    {"kwh", kEnergy, "kilowatthour"},
    {"kilowatt hour", kEnergy, "kilowatthour"},
    {"psi", kPressure, "pound force per square inch"},
    {"psf", kPressure, "pound force per square foot"},
    {"ksi", kPressure, "kilopound force per square inch"},
    {"mm hg", kPressure, "millimeter mercury (0°C)"},
    {"in hg", kPressure, "inch of mercury (32°F)"},
    {"sec", kTime, "second"},
    {"hr", kTime, "hour"},
    {"mph", kVelocity, "mile per hour"},
    {"kph", kVelocity, "kilometer per hour"},
    {"kmh", kVelocity, "kilometer per hour"},
    {"fps", kVelocity, "foot per second"},
});

constexpr std::array kTemperatureScales = std::to_array<TemperatureScaleName>({
    {"fahrenheit", "°F"},
    {"rankine", "°R"},
    {"celsius", "°C"},
    {"kelvin", "K"},
});

} // namespace

std::span<const UnitAlias> UnitAliases()
{
    return kAliases;
}

std::span<const TemperatureScaleName> TemperatureScaleNames()
{
    return kTemperatureScales;
}

} // namespace kalvex
